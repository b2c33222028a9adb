// write_crafted_libraries FOLDER: writes the crafted type libraries of the
// tests into FOLDER, for the compiler check.
#include <cstdio>
#include <fstream>
#include <string>

#include "tests/support/crafted_libraries.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_crafted_libraries FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(folder + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    };
    bool ok = write("hostile-names.tlb", qorvix::test::HostileNamesLibrary()) &&
              write("compiler-faults.tlb", qorvix::test::CompilerFaultsLibrary()) &&
              write("layout-32.tlb", qorvix::test::LayoutLibrary(qorvix::SYS_WIN32)) &&
              write("layout-64.tlb", qorvix::test::LayoutLibrary(qorvix::SYS_WIN64)) &&
              write("missing-import.tlb", qorvix::test::MissingImportLibrary());
    return ok ? 0 : 1;
}
