// Finding the library in a file: raw files and PE resources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/paths.h"
#include "tests/support/pe_builder.h"
#include "tests/support/typelib_helpers.h"
#include "typelib/container.h"

namespace qorvix::test {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/qorvix-test-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    std::string File(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::string path = m_path + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
};

std::string LoadError(const std::vector<std::uint8_t>& bytes, std::uint32_t resource = 1) {
    ComPtr<ITypeLib> lib;
    std::string why;
    HRESULT hr = LoadTypeLibFromBytes(ByteSource::Copy(bytes.data(), bytes.size()), resource,
                                      LoadOptions{}, lib, &why);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_FALSE(lib);
    return why;
}

std::string LibraryName(ITypeLib& lib) {
    Bstr name;
    lib.GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    return Utf8(name);
}

TEST(Containers, Pe32AndPe32PlusCarryTheSameLibrary) {
    auto raw = ReadFile(FixturePath("shapes.tlb"));
    ASSERT_FALSE(raw.empty());
    for (bool plus : {false, true}) {
        PeOptions options;
        options.pe32Plus = plus;
        auto pe = BuildPe({PeResource{u"TYPELIB", 0, 1, 0, raw}}, options);
        ComPtr<ITypeLib> lib = LoadBytes(pe);
        ASSERT_TRUE(lib) << plus;
        EXPECT_EQ(LibraryName(*lib), "Shapes");
        EXPECT_EQ(lib->GetTypeInfoCount(),
                  LoadOrDie(FixturePath("shapes.tlb"))->GetTypeInfoCount());
        // Offsets inside the library are relative to the resource, not the file.
        EXPECT_EQ(Names(*TypeByName(*lib, "IShape"), 0x60010000).front(), "Move");
    }
}

TEST(Containers, ResourceNumberFromThePathAndLanguagePreference) {
    auto raw = ReadFile(FixturePath("shapes.tlb"));
    // Resource 2 holds our own stdole2 so the two can be told apart.
    std::string embedded = std::string(QORVIX_FIXTURE_DIR) + "/../../typelib/stdole/stdole2.tlb";
    auto other = ReadFile(embedded);
    ASSERT_FALSE(other.empty());
    auto pe = BuildPe(
        {PeResource{u"TYPELIB", 0, 1, 0x409, raw}, PeResource{u"TYPELIB", 0, 2, 0x407, other},
         PeResource{u"TYPELIB", 0, 2, 0, other}, PeResource{u"", 16, 1, 0, {1, 2, 3, 4}}});
    TempDir dir;
    std::string path = dir.File("two.dll", pe);
    EXPECT_EQ(LibraryName(*LoadOrDie(path)), "Shapes");
    EXPECT_EQ(LibraryName(*LoadOrDie(path + "\\2")), "stdole");
    EXPECT_EQ(LibraryName(*LoadOrDie(path + "/2")), "stdole");
    ComPtr<ITypeLib> lib;
    std::string why;
    EXPECT_EQ(LoadTypeLibEx(path + "\\3", LoadOptions{}, lib, &why), TYPE_E_CANTLOADLIBRARY);
    EXPECT_NE(why.find("no TYPELIB resource 3"), std::string::npos) << why;

    // A file whose literal name ends in a number is read as itself.
    std::string literal = dir.File("lib\\2", raw);
    EXPECT_EQ(SplitTypeLibPath(literal).file, literal);
    EXPECT_EQ(LibraryName(*LoadOrDie(literal)), "Shapes");
    EXPECT_EQ(SplitTypeLibPath("/x/y.dll\\12").resourceId, 12u);
    EXPECT_EQ(SplitTypeLibPath("/x/y.dll\\12").file, "/x/y.dll");
    EXPECT_EQ(SplitTypeLibPath("/x/y.dll\\1a").file, "/x/y.dll\\1a");
    EXPECT_EQ(SplitTypeLibPath("/x/y.dll\\").file, "/x/y.dll\\");
}

TEST(Containers, FilesThatHoldNoLibraryFailWithAReason) {
    auto raw = ReadFile(FixturePath("shapes.tlb"));
    EXPECT_NE(LoadError({}).find("empty"), std::string::npos);
    EXPECT_NE(LoadError({'h', 'e', 'l', 'l', 'o'}).find("not a type library"), std::string::npos);
    EXPECT_NE(LoadError(BuildPe({PeResource{u"", 16, 1, 0, {1, 2}}})).find("no TYPELIB"),
              std::string::npos);
    PeOptions dotNet;
    dotNet.dotNet = true;
    EXPECT_NE(LoadError(BuildPe({PeResource{u"", 16, 1, 0, {1, 2}}}, dotNet)).find(".NET"),
              std::string::npos);
    EXPECT_NE(
        LoadError(BuildPe({PeResource{u"TYPELIB", 0, 2, 0, raw}})).find("no TYPELIB resource 1"),
        std::string::npos);
    EXPECT_NE(
        LoadError(BuildPe({PeResource{u"TYPELIB", 0, 1, 0, {'n', 'o', 'p', 'e'}}})).find("neither"),
        std::string::npos);
    // A 16-bit module and a plain DOS program.
    std::vector<std::uint8_t> ne(0x80, 0);
    ne[0] = 'M';
    ne[1] = 'Z';
    ne[0x3C] = 0x40;
    ne[0x40] = 'N';
    ne[0x41] = 'E';
    EXPECT_NE(LoadError(ne).find("16-bit"), std::string::npos);
    ne[0x40] = 'X';
    EXPECT_NE(LoadError(ne).find("not a Windows PE"), std::string::npos);
    ne[0x3C] = 0xF0;
    EXPECT_NE(LoadError(ne).find("outside the file"), std::string::npos);

    ComPtr<ITypeLib> lib;
    std::string why;
    EXPECT_EQ(LoadTypeLibEx("/nonexistent/qorvix.tlb", LoadOptions{}, lib, &why),
              TYPE_E_CANTLOADLIBRARY);
    EXPECT_NE(why.find("No such file"), std::string::npos) << why;
    TempDir dir;
    EXPECT_EQ(LoadTypeLibEx(dir.Path(), LoadOptions{}, lib, &why), TYPE_E_CANTLOADLIBRARY);
    EXPECT_NE(why.find("directory"), std::string::npos) << why;
}

TEST(Containers, TheCorpusDotNetAssemblyIsRefused) {
    auto path = SharedPath("corpus/neg-netassembly.dll");
    if (!path) GTEST_SKIP() << "the shared corpus is not on this machine";
    ComPtr<ITypeLib> lib;
    std::string why;
    EXPECT_EQ(LoadTypeLibEx(*path, LoadOptions{}, lib, &why), TYPE_E_CANTLOADLIBRARY);
    EXPECT_NE(why.find(".NET assembly"), std::string::npos) << why;
}

}  // namespace
}  // namespace qorvix::test
