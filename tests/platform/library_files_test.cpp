// A registered library's file and an imported library's file may be
// anything the prefix holds: a named pipe there is refused like a file that
// is not a library, and never makes the program wait.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/machine_services.h"
#include "tests/support/fifo_watch.h"
#include "tests/support/msft_builder.h"
#include "tests/support/temp_dir.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

TEST(LibraryFiles, PipesInThePrefixAreRefusedWithoutWaiting) {
    TempDir prefix;
    std::filesystem::create_directories(prefix / "drive_c/Libs");
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    FifoWatch fifo(prefix / "drive_c/Libs/pipe.tlb");
    ASSERT_TRUE(fifo.Ok());
    WriteText(prefix / "system.reg",
              "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
              "[Software\\\\Classes\\\\TypeLib\\\\{5A0C0DE0-0000-4000-8000-0000000000AA}\\\\1.0"
              "\\\\0\\\\win32] 1\n@=\"C:\\\\Libs\\\\pipe.tlb\"\n");
    auto machine = std::make_shared<MachineServices>(prefix.Path());
    const GUID registered{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0xAA}};

    ComPtr<ITypeLib> lib;
    HRESULT hr = S_OK;
    EXPECT_FALSE(
        fifo.OpenedDuring([&] { hr = machine->LoadRegTypeLib(registered, 1, 0, 0, lib); }));
    EXPECT_EQ(hr, TYPE_E_CANTLOADLIBRARY);

    // A library that imports from an unregistered library found beside it.
    MsftBuilder b;
    GUID unregistered{0x44444444, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    std::int32_t href = b.Import(unregistered, 1, 0, "PIPE.TLB", TKIND_RECORD, std::nullopt, 0);
    b.AddRecord("Holder", {{"p", b.UserDefined(href)}});
    auto bytes = b.Build();
    WriteText(prefix / "drive_c/Libs/importer.tlb", std::string(bytes.begin(), bytes.end()));
    ComPtr<ITypeLib> importer;
    ASSERT_EQ(LoadTypeLibEx(prefix / "drive_c/Libs/importer.tlb", machine->Options(), importer),
              S_OK);
    ComPtr<ITypeInfo> info = TypeByName(*importer, "Holder");
    ASSERT_TRUE(info);
    std::string text;
    EXPECT_FALSE(fifo.OpenedDuring(
        [&] { text = RefText(*info, Var(*info, 0).elemdescVar.tdesc.hreftype); }));
    EXPECT_EQ(text, "<failed>");
}

}  // namespace
}  // namespace qorvix::test
