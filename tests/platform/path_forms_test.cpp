// Registered paths in the forms Wine and Windows write, on prefixes the
// tests write.
#include <gtest/gtest.h>

#include <clocale>
#include <map>

#include "platform/machine_services.h"
#include "platform/windows_path.h"
#include "tests/support/msft_builder.h"
#include "tests/support/paths.h"
#include "tests/support/reg_file.h"
#include "tests/support/shell.h"
#include "tests/support/temp_dir.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

std::string Repeat(std::string_view text, std::size_t times) {
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

TEST(WindowsPath, ExpandsReferencesInOnePass) {
    std::map<std::string, std::string> variables = {
        {"systemroot", "C:\\windows"}, {"loop", "%loop%"}, {"pct", "50%"}};
    EnvironmentLookup lookup = [&](std::string_view name) -> const std::string* {
        std::string lower(name);
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        auto it = variables.find(lower);
        return it == variables.end() ? nullptr : &it->second;
    };
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"%SystemRoot%\\x.tlb", "C:\\windows\\x.tlb"},
        {"%SYSTEMROOT%%systemroot%", "C:\\windowsC:\\windows"},
        {"%loop%", "%loop%"},  // a value is not expanded again
        {"%unknown%%SystemRoot%", "%unknown%C:\\windows"},
        {"%pct%%SystemRoot%", "50%C:\\windows"},
        {"100%", "100%"},
        {"%%", "%%"},
        {"a%b", "a%b"},
        {"", ""},
        // The longest path the platform takes, counted in UTF-16 units.
        {std::string(kMaxPathLength, 'x'), std::string(kMaxPathLength, 'x')},
        {std::string(kMaxPathLength + 1, 'x'), std::nullopt},
        {Repeat("\xC3\xA9", kMaxPathLength), Repeat("\xC3\xA9", kMaxPathLength)},
        {Repeat("\xF0\x9D\x84\x9E", kMaxPathLength / 2 + 1), std::nullopt},
        {Repeat("%SystemRoot%", 3277), std::nullopt},
        {Repeat("%SystemRoot%", 3276) + "\\x", Repeat("C:\\windows", 3276) + "\\x"},
    };
    for (const auto& [text, expanded] : cases) {
        auto result = ExpandEnvironmentStrings(text, lookup);
        // Compared whole, shown in part: some are 32,767 characters long.
        EXPECT_TRUE(result == expanded)
            << text.substr(0, 40) << " -> " << (result ? result->substr(0, 40) : "nullopt");
    }
    // A hostile path that grows with every reference ends at the limit,
    // whatever its length (20,000 references took seconds when expansion
    // was quadratic).
    std::string hostile = Repeat("%windir%", 200000);
    variables["windir"] = "C:\\windows";
    EXPECT_EQ(ExpandEnvironmentStrings(hostile, lookup), std::nullopt);
    variables["windir"] = "";
    EXPECT_EQ(ExpandEnvironmentStrings(hostile, lookup), "");
}

std::string Show(const std::optional<WindowsPath>& path) {
    if (!path) return "none";
    std::string text = path->root == WindowsPath::kDrive ? std::string(1, path->drive) + ":"
                       : path->root == WindowsPath::kUnc ? "unc"
                                                         : "bare";
    for (const std::string& part : path->parts)
        text += "|" + part;
    return text;
}

TEST(WindowsPath, TakesApartTheFormsTheLoaderAccepts) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\windows\\system32\\stdole2.tlb", "c:|windows|system32|stdole2.tlb"},
        {"c:/Windows/x.tlb", "c:|Windows|x.tlb"},
        {"D:\\a/b\\\\c", "d:|a|b|c"},
        {"C:\\", "c:"},
        {"C:\\x.dll\\2", "c:|x.dll|2"},
        {"\\\\?\\C:\\windows\\system32\\stdole2.tlb", "c:|windows|system32|stdole2.tlb"},
        {"\\\\.\\D:\\a\\..\\b\\.\\x.tlb", "d:|b|x.tlb"},
        {"//?/C:/a/x.tlb", "c:|a|x.tlb"},
        {"\\\\?\\UNC\\server\\share\\x.tlb", "unc|server|share|x.tlb"},
        {"\\\\.\\unc\\server\\share\\x.tlb", "unc|server|share|x.tlb"},
        {"\\\\Server\\Share\\dir\\..\\..\\..\\x.tlb", "unc|Server|Share|x.tlb"},
        {"//server/share/x.tlb", "unc|server|share|x.tlb"},
        // Normalised paths never climb above their drive, and lose the
        // dots and blanks that end them.
        {"C:\\..\\..\\etc\\passwd", "c:|etc|passwd"},
        {"C:\\Libs\\x.tlb. .", "c:|Libs|x.tlb"},
        {"stdole2.tlb", "bare|stdole2.tlb"},
        {"x.dll\\2", "bare|x.dll|2"},
        // What no loader opens.
        {"\\\\?\\C:\\a\\..\\b", "none"},  // taken literally: ".." is no name
        {"\\\\?\\C:\\a/b.tlb", "none"},   // nor is "a/b.tlb"
        {"\\\\?\\Volume{00000000-0000-0000-0000-000000000000}\\x.tlb", "none"},
        {"\\\\.\\PIPE\\x", "none"},
        {"\\\\server", "none"},
        {"\\\\server\\..\\x", "none"},
        {"dir\\x.tlb", "none"},
        {".\\x.tlb", "none"},
        {"..", "none"},
        {"\\windows\\x.tlb", "none"},
        {"C:x.tlb", "none"},
        {"", "none"},
        {"C:\\a<b.tlb", "none"},
        {"C:\\a\tb.tlb", "none"},
        {"C:\\...", "none"},
        {"C:\\" + std::string(kMaxPathLength - 3, 'a'),
         "c:|" + std::string(kMaxPathLength - 3, 'a')},
        {"C:\\" + std::string(kMaxPathLength - 2, 'a'), "none"},
    };
    for (const auto& [text, parts] : cases) {
        std::string shown = Show(ParseWindowsPath(text));
        EXPECT_TRUE(shown == parts) << text.substr(0, 60) << " -> " << shown.substr(0, 60);
    }
}

GUID Numbered(std::uint32_t n) {
    return GUID{0xAAAA0000 + n, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};
}

// A prefix with drives C: and D:, a UNC share, environment settings, and
// one library registered under each path form.
class PathFormsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
        for (const char* folder :
             {"drive_c/windows/system32", "drive_c/Libs", "drive_c/users/tester/AppData/Local",
              "drive_d/Programs/Acme", "drive_d/Tools", "remote", "dosdevices/unc/server"}) {
            std::filesystem::create_directories(prefix / folder);
        }
        std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
        std::filesystem::create_directory_symlink("../drive_d", prefix / "dosdevices/d:");
        std::filesystem::create_directory_symlink("../../../remote",
                                                  prefix / "dosdevices/unc/server/share");
        for (const char* file :
             {"drive_c/windows/system32/Sys.tlb", "drive_c/windows/Bare.tlb",
              "drive_c/Libs/Shapes.tlb", "drive_c/users/tester/AppData/Local/Mine.tlb",
              "drive_d/Programs/Acme/acme.tlb", "drive_d/Tools/OnPath.tlb", "remote/Remote.tlb"}) {
            std::filesystem::copy_file(FixturePath("shapes.tlb"), prefix / file);
        }
        std::filesystem::create_directory(prefix / "drive_c/windows/Folder.tlb");
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    // Registers library `n` (version 1.0) at `path`; `expand` writes a
    // REG_EXPAND_SZ value.
    void Register(RegFile& reg, std::uint32_t n, const std::string& path, bool expand = false) {
        std::string key = "Software\\Classes\\TypeLib\\" + GuidToString(Numbered(n)) + "\\1.0";
        reg.Key(key).String("@", "Library " + std::to_string(n));
        reg.Key(key + "\\0\\win32");
        expand ? reg.Expand("@", path) : reg.String("@", path);
    }

    void WriteSettings(RegFile& system, RegFile& user) {
        system.Key("Software\\Microsoft\\Windows\\CurrentVersion")
            .String("ProgramFilesDir", "D:\\Programs");
        system
            .Key(
                "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-0-0-0-1000")
            .Expand("ProfileImagePath", "%SystemDrive%\\users\\tester");
        system.Key("System\\ControlSet001\\Control\\Session Manager\\Environment")
            .Expand("ACME_HOME", "%ProgramFiles%\\Acme")
            .String("LIBS", "C:\\Nowhere")
            .Expand("PATH", "%SystemRoot%\\system32;%SystemRoot%;D:\\Tools");
        user.Key("Environment").String("Libs", "C:\\Libs");
    }

    std::string Drive(const std::string& rest) { return prefix / ("dosdevices/" + rest); }

    TempDir prefix;
};

TEST_F(PathFormsTest, EveryFormLoads) {
    const std::pair<std::string, std::string> forms[] = {
        {"\\\\?\\C:\\windows\\system32\\sys.tlb", Drive("c:/windows/system32/Sys.tlb")},
        {"\\\\.\\C:\\Libs\\..\\libs\\Shapes.tlb", Drive("c:/Libs/Shapes.tlb")},
        {"\\\\?\\UNC\\server\\share\\remote.tlb", Drive("unc/server/share/Remote.tlb")},
        {"\\\\SERVER\\Share\\Remote.tlb", Drive("unc/server/share/Remote.tlb")},
        {"C:/Libs/Shapes.tlb", Drive("c:/Libs/Shapes.tlb")},
        {"d:\\tools/ONPATH.TLB", Drive("d:/Tools/OnPath.tlb")},
        {"%SystemRoot%\\System32\\Sys.tlb", Drive("c:/windows/system32/Sys.tlb")},
        {"%ProgramFiles%\\Acme\\acme.tlb", Drive("d:/Programs/Acme/acme.tlb")},
        {"%acme_home%\\acme.tlb", Drive("d:/Programs/Acme/acme.tlb")},
        {"%LIBS%\\shapes.tlb", Drive("c:/Libs/Shapes.tlb")},  // the user's setting wins
        {"%LOCALAPPDATA%\\Mine.tlb", Drive("c:/users/tester/AppData/Local/Mine.tlb")},
        {"sys.tlb", Drive("c:/windows/system32/Sys.tlb")},
        {"BARE.TLB", Drive("c:/windows/Bare.tlb")},
        {"onpath.tlb", Drive("d:/Tools/OnPath.tlb")},
    };
    RegFile system, user;
    WriteSettings(system, user);
    std::uint32_t n = 0;
    for (const auto& form : forms)
        Register(system, ++n, form.first, form.first.find('%') != std::string::npos);
    WriteText(prefix / "system.reg", system.Text());
    WriteText(prefix / "user.reg", user.Text());

    auto machine = std::make_shared<MachineServices>(prefix.Path());
    ASSERT_EQ(FillLibraryList(machine->GetRegistry()).size(), std::size(forms));
    n = 0;
    for (const auto& [form, expected] : forms) {
        std::string path;
        ComPtr<ITypeLib> lib;
        EXPECT_EQ(machine->QueryPathOfRegTypeLib(Numbered(++n), 1, 0, 0x800, path), S_OK) << form;
        EXPECT_EQ(path, expected) << form;
        EXPECT_EQ(machine->LoadRegTypeLib(Numbered(n), 1, 0, 0x800, lib), S_OK) << form;
    }
}

TEST_F(PathFormsTest, WhatNoLoaderOpensStaysUnloaded) {
    const std::string forms[] = {
        "\\\\?\\C:\\Libs\\..\\Libs\\Shapes.tlb",  // literal: no folder ".."
        "\\\\?\\UNC\\other\\share\\Remote.tlb",   // no such server
        "E:\\Libs\\Shapes.tlb",                   // no such drive
        Repeat("%windir%", 20000) + "\\Shapes.tlb",
        "%NotSet%\\Shapes.tlb",
        "missing.tlb",
        "folder.tlb",  // a folder of that name is no file
        "Libs\\Shapes.tlb",
        "\\Libs\\Shapes.tlb",
    };
    RegFile system, user;
    WriteSettings(system, user);
    std::uint32_t n = 0;
    for (const std::string& form : forms)
        Register(system, ++n, form, form.find('%') != std::string::npos);
    WriteText(prefix / "system.reg", system.Text());
    MachineServices machine(prefix.Path());
    n = 0;
    for (const std::string& form : forms) {
        std::string path;
        EXPECT_EQ(machine.QueryPathOfRegTypeLib(Numbered(++n), 1, 0, 0x800, path),
                  TYPE_E_CANTLOADLIBRARY)
            << form.substr(0, 60) << " -> " << path;
    }
}

// A library that imports from a library the prefix registers in the form
// Wine writes for stdole2: the program and tlbdump both resolve it through
// the registry. Without the registry, tlbdump resolves only the embedded
// stdole2, and so does the program without a prefix.
TEST_F(PathFormsTest, AnImportThroughThePrefix) {
    RegFile system;
    Register(system, 1, "\\\\?\\C:\\LIBS\\SHAPES.TLB");
    WriteText(prefix / "system.reg", system.Text());

    MsftBuilder b;
    GUID rect{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x12}};
    std::int32_t href = b.Import(Numbered(1), 1, 0, "shapes.tlb", TKIND_RECORD, rect, 0);
    b.AddRecord("Holder", {{"r", b.UserDefined(href)}});
    TempDir folder;
    auto bytes = b.Build();
    WriteText(folder / "importer.tlb", std::string(bytes.begin(), bytes.end()));

    std::string program = std::string("LC_ALL=C '") + QORVIX_PROGRAM + "' ";
    ShellResult run = Shell(
        folder.Path(), "WINEPREFIX='" + prefix.Path() + "' " + program + "-oWith.cpy importer.tlb");
    EXPECT_EQ(run.status, 0) << run.output;
    run = Shell(folder.Path(), "WINEPREFIX=/nonexistent " + program + "-oWithout.cpy importer.tlb");
    EXPECT_EQ(run.status, 0) << run.output;
    auto field = [](const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            if (line.rfind("          03 r ", 0) == 0) return line;
        }
        return std::string("no field");
    };
    EXPECT_EQ(field(CrlfLines(ReadText(folder / "With.cpy"))), "          03 r    Rect.");
    EXPECT_EQ(field(CrlfLines(ReadText(folder / "Without.cpy"))),
              "          03 r    <GetRefTypeInfo failed>.");

    std::string dump = std::string("'") + QORVIX_TLBDUMP + "' importer.tlb";
    ShellResult resolved = Shell(folder.Path(), "WINEPREFIX='" + prefix.Path() + "' " + dump);
    EXPECT_EQ(resolved.status, 0) << resolved.output;
    EXPECT_NE(resolved.output.find(R"("ref":{"name":"Rect","typekind":1,"lib":"Shapes"})"),
              std::string::npos)
        << resolved.output;
    ShellResult alone =
        Shell(folder.Path(), "WINEPREFIX='" + prefix.Path() + "' " + dump + " --no-registry");
    EXPECT_EQ(alone.status, 0) << alone.output;
    EXPECT_EQ(alone.output.find(R"("lib":"Shapes")"), std::string::npos);
    EXPECT_NE(alone.output.find(R"("ref":{"error":"0x)"), std::string::npos) << alone.output;
}

}  // namespace
}  // namespace qorvix::test
