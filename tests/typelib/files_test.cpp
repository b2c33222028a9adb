// What the reader opens: regular files only. A named pipe, a device or a
// directory is refused before it is opened, the way a file that is not a
// library is refused, and never makes the reader wait.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>

#include "tests/support/fifo_watch.h"
#include "tests/support/paths.h"
#include "tests/support/temp_dir.h"
#include "tests/support/typelib_helpers.h"
#include "typelib/system_file.h"

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

// The one way a file is opened for reading, at its edges: what each kind of
// name gives, relative to a folder, and without following a link.
TEST(SystemFile, OpensOnlyARegularFileAndSaysWhyNot) {
    TempDir dir;
    WriteText(dir / "four", "abcd");
    FifoWatch fifo(dir / "pipe");
    ASSERT_TRUE(fifo.Ok());
    std::filesystem::create_symlink(dir / "four", dir / "link");
    UniqueFd folder(open(dir.Path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    ASSERT_TRUE(folder);
    struct Case {
        std::string path;
        OpenOptions options;
        int error;
        mode_t type;
    };
    for (const Case& c : {
             Case{dir / "four", {}, 0, 0},
             {dir / "four", {.maxBytes = 4}, 0, 0},
             {dir / "four", {.maxBytes = 3}, kFileTooLarge, 0},
             {dir / "link", {}, 0, 0},
             {dir / "link", {.followLinks = false}, ELOOP, 0},
             {"four", {.at = folder.Get()}, 0, 0},
             {"link", {.at = folder.Get(), .followLinks = false}, ELOOP, 0},
             {dir / "missing", {}, ENOENT, 0},
             {dir / "four/below", {}, ENOTDIR, 0},
             {dir.Path(), {}, kNotRegularFile, S_IFDIR},
             {fifo.Path(), {}, kNotRegularFile, S_IFIFO},
             {"/dev/null", {}, kNotRegularFile, S_IFCHR},
         }) {
        OpenedFile file;
        EXPECT_FALSE(fifo.OpenedDuring([&] { file = OpenRegularFile(c.path, c.options); }));
        EXPECT_EQ(file.error.Number(), c.error) << c.path;
        EXPECT_EQ(file.error.Type(), c.type) << c.path;
        EXPECT_EQ(static_cast<bool>(file.fd), c.error == 0) << c.path;
        if (file.fd) {
            EXPECT_EQ(file.status.st_size, 4) << c.path;
        }
    }
}

}  // namespace
}  // namespace qorvix::test
