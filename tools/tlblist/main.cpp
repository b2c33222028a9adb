// tlblist [PREFIX]: the libraries a Wine prefix registers, as the main
// dialog lists them, each loaded the way the contents dialog loads it.
// Prints one line per row: status, version, GUID, description, file.
// Exit status: 0 every row loads, 2 some row does not, 1 usage error.
#include <clocale>
#include <cstdio>
#include <string>

#include "platform/machine_services.h"
#include "typelib/codepage.h"

int main(int argc, char** argv) {
    using namespace qorvix;
    // Descriptions are written in the user's character set, as the list shows them.
    std::setlocale(LC_ALL, "");
    if (argc > 2 ||
        (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help"))) {
        std::fprintf(stderr, "usage: tlblist [WINEPREFIX]\n");
        return 1;
    }
    std::shared_ptr<MachineServices> machine = argc == 2
                                                   ? std::make_shared<MachineServices>(argv[1])
                                                   : MachineServices::ForDefaultPrefix();
    int failed = 0;
    auto rows = FillLibraryList(machine->GetRegistry());
    for (const RegisteredLibrary& row : rows) {
        auto guid = GuidFromString(Utf8ToUtf16(row.guid));
        auto [major, minor] = ParseLibraryVersion(row.version);
        std::string path;
        HRESULT hr =
            guid ? machine->QueryPathOfRegTypeLib(*guid, major, minor, 0x800, path) : E_INVALIDARG;
        ComPtr<ITypeLib> lib;
        if (SUCCEEDED(hr)) hr = machine->LoadRegTypeLib(*guid, major, minor, 0x800, lib);
        std::string status = "ok";
        if (hr != S_OK) {
            char text[16];
            std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(hr));
            status = text;
            ++failed;
        } else {
            status += " " + std::to_string(lib->GetTypeInfoCount());
        }
        std::printf("%-14s %-7s %s %s  %s\n", status.c_str(), row.version.c_str(), row.guid.c_str(),
                    row.description.c_str(), path.c_str());
    }
    std::printf("%zu libraries, %d not loaded\n", rows.size(), failed);
    return failed ? 2 : 0;
}
