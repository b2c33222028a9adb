// tlbdump as a program: special files, and the reasons it gives on request.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "tests/support/fifo_watch.h"
#include "tests/support/json_value.h"
#include "tests/support/msft_builder.h"
#include "tests/support/paths.h"
#include "tests/support/pe_builder.h"
#include "tests/support/shell.h"
#include "tests/support/temp_dir.h"

namespace qorvix::test {
namespace {

class TlbdumpTest : public ::testing::Test {
  protected:
    // Runs tlbdump in the test's folder, without the machine's registry;
    // the output is the JSON alone.
    ShellResult Dump(const std::string& arguments) {
        return Shell(dir.Path(),
                     std::string(QORVIX_TLBDUMP) + " --no-registry " + arguments + " 2>/dev/null");
    }
    TempDir dir;
};

TEST_F(TlbdumpTest, SpecialFilesAreRefusedWithoutWaiting) {
    FifoWatch fifo(dir / "pipe.tlb");
    ASSERT_TRUE(fifo.Ok());
    std::filesystem::create_symlink("pipe.tlb", dir / "link.tlb");
    std::filesystem::create_directory(dir / "folder.tlb");
    for (std::string path : {"pipe.tlb", "link.tlb", "folder.tlb", "/dev/zero"}) {
        ShellResult result;
        EXPECT_FALSE(fifo.OpenedDuring([&] { result = Dump("--reasons " + path); })) << path;
        EXPECT_EQ(result.status, 2) << path;
        auto json = ParseJson(result.output);
        ASSERT_TRUE(json) << result.output;
        EXPECT_EQ((*json)["hr"].String(), "0x80029c4a") << path;
        EXPECT_NE((*json)["reason"].String().find(path == "/dev/zero"    ? "device"
                                                  : path == "folder.tlb" ? "directory"
                                                                         : "named pipe"),
                  std::string::npos)
            << result.output;
    }
}

TEST_F(TlbdumpTest, ReasonsOnRequest) {
    MsftBuilder b;
    b.AddRecord("R", {{"bad", 0x7FF8}});  // a typedesc offset past its segment
    auto bytes = b.Build();
    WriteText(dir / "damaged.tlb", std::string(bytes.begin(), bytes.end()));

    ShellResult plain = Dump("damaged.tlb");
    ShellResult reasons = Dump("--reasons damaged.tlb");
    ASSERT_EQ(plain.status, 0) << plain.output;
    ASSERT_EQ(reasons.status, 0) << reasons.output;
    auto json = ParseJson(reasons.output);
    ASSERT_TRUE(json) << reasons.output;
    const JsonValue& var = (*json)["types"].Items().at(0)["vars"].Items().at(0);
    EXPECT_EQ(var["error"].String(), "0x80028018");
    EXPECT_EQ(var["reason"].String(), "the type code lies outside the typedesc segment");
    EXPECT_TRUE(std::regex_match(var["offset"].String(), std::regex("0x[0-9a-f]+")));
    // Without the switch the dump is what it always was.
    EXPECT_EQ(plain.output.find("reason"), std::string::npos);
    std::regex extra(R"(,"reason":"[^"]*"(,"offset":"0x[0-9a-f]+")?)");
    EXPECT_EQ(std::regex_replace(reasons.output, extra, ""), plain.output);

    ShellResult usage = Shell(dir.Path(), QORVIX_TLBDUMP);
    EXPECT_EQ(usage.status, 1);
    EXPECT_NE(usage.output.find("[--reasons] FILE"), std::string::npos) << usage.output;
    // Asked for, the usage is the answer: standard output, status 0.
    ShellResult help = Shell(dir.Path(), std::string(QORVIX_TLBDUMP) + " --help 2>/dev/null");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output, "usage: tlbdump [--no-registry] [--reasons] FILE\n");
}

// A resource number keeps the file's name beside it, with either slash.
TEST_F(TlbdumpTest, TheFileOfAResource) {
    std::string raw = ReadText(FixturePath("shapes.tlb"));
    std::vector<std::uint8_t> bytes(raw.begin(), raw.end());
    auto pe =
        BuildPe({PeResource{u"TYPELIB", 0, 1, 0, bytes}, PeResource{u"TYPELIB", 0, 2, 0, bytes}});
    WriteText(dir / "two.dll", std::string(pe.begin(), pe.end()));
    for (auto [path, file] : {std::pair{"two.dll/2", "two.dll/2"},
                              {"two.dll\\2", "two.dll\\2"},
                              {"./two.dll/2", "two.dll/2"},
                              {"two.dll", "two.dll"}}) {
        ShellResult result = Dump(std::string("'") + path + "'");
        EXPECT_EQ(result.status, 0) << path;
        auto json = ParseJson(result.output);
        ASSERT_TRUE(json) << result.output;
        EXPECT_EQ((*json)["file"].String(), file);
    }
}

}  // namespace
}  // namespace qorvix::test
