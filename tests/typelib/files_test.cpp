// What the reader opens: regular files only. A named pipe, a device or a
// directory is refused before it is opened, the way a file that is not a
// library is refused, and never makes the reader wait.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/fifo_watch.h"
#include "tests/support/paths.h"
#include "tests/support/temp_dir.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

TEST(LibraryFiles, SpecialFilesAreRefusedWithoutBeingOpened) {
    TempDir dir;
    FifoWatch fifo(dir / "pipe.tlb");
    ASSERT_TRUE(fifo.Ok());
    std::filesystem::create_symlink(fifo.Path(), dir / "link.tlb");
    std::filesystem::create_symlink("/dev/zero", dir / "zero.tlb");
    struct Case {
        std::string path;
        std::string why;
    };
    for (const Case& c : {Case{fifo.Path(), "named pipe"},
                          {fifo.Path() + "/2", "named pipe"},  // resource 2 of the pipe
                          {dir / "link.tlb", "named pipe"},
                          {"/dev/zero", "device"},
                          {dir / "zero.tlb", "device"},
                          {dir.Path(), "directory"}}) {
        ComPtr<ITypeLib> lib;
        std::string why;
        HRESULT hr = S_OK;
        bool opened =
            fifo.OpenedDuring([&] { hr = LoadTypeLibEx(c.path, LoadOptions{}, lib, &why); });
        EXPECT_FALSE(opened) << c.path;
        EXPECT_EQ(hr, TYPE_E_CANTLOADLIBRARY) << c.path;
        EXPECT_FALSE(lib) << c.path;
        EXPECT_NE(why.find(c.why), std::string::npos) << c.path << ": " << why;
    }
}

TEST(LibraryFiles, ALinkToALibraryIsRead) {
    TempDir dir;
    std::filesystem::create_symlink(FixturePath("shapes.tlb"), dir / "shapes.tlb");
    ComPtr<ITypeLib> lib = LoadOrDie(dir / "shapes.tlb");
    ASSERT_TRUE(lib);
    EXPECT_GT(lib->GetTypeInfoCount(), 0u);
}

// The library is read into memory, so a file larger than any library is
// refused before it is read (it holds no data, and takes no room).
TEST(LibraryFiles, AHugeFileIsNotRead) {
    TempDir dir;
    std::filesystem::copy_file(FixturePath("shapes.tlb"), dir / "huge.tlb");
    std::filesystem::resize_file(dir / "huge.tlb", kMaxLibraryFileBytes + 1);
    ComPtr<ITypeLib> lib;
    std::string why;
    EXPECT_EQ(LoadTypeLibEx(dir / "huge.tlb", LoadOptions{}, lib, &why), TYPE_E_CANTLOADLIBRARY);
    EXPECT_EQ(why, dir / "huge.tlb: larger than 256 MiB; not read as a type library");
}

}  // namespace
}  // namespace qorvix::test
