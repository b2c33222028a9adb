// tlblist [PREFIX]: the libraries a Wine prefix registers, as the main
// dialog lists them, each loaded the way the contents dialog loads it.
// Prints one line per row: status, version, GUID, description, file.
// Exit status: 0 every row loads, 2 some row does not, 1 usage error or no
// prefix there.
#include <clocale>
#include <cstdio>
#include <string>

#include "platform/machine_services.h"
#include "typelib/codepage.h"

int main(int argc, char** argv) {
    using namespace qorvix;
    // Descriptions are written in the user's character set, as the list shows them.
    std::setlocale(LC_ALL, "");
    const char* usage = "usage: tlblist [WINEPREFIX]\n";
    std::string arg = argc == 2 ? argv[1] : "";
    if (arg == "-h" || arg == "--help") {
        std::fputs(usage, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (argc > 2 || (arg.size() > 1 && arg[0] == '-')) {
        if (argc == 2) std::fprintf(stderr, "tlblist: unknown option '%s'\n", arg.c_str());
        std::fputs(usage, stderr);
        return 1;
    }
    std::string prefix = argc == 2 ? arg : Registry::DefaultPrefix();
    auto machine = std::make_shared<MachineServices>(prefix);
    // A folder with neither registry file is no prefix: listing nothing
    // would look like a prefix that registers nothing.
    int missing = 0;
    machine->SetWarningSink([&missing](const RegistryWarning& warning) {
        if (warning.kind == RegistryWarning::kMissing) {
            ++missing;
        } else if (warning.kind != RegistryWarning::kSkippedLines) {
            std::fprintf(stderr, "%s\n", warning.text.c_str());
        }
    });
    const Registry& registry = machine->GetRegistry();
    if (missing == 2) {
        std::fprintf(stderr, "tlblist: %s is not a Wine prefix: it has no system.reg or user.reg\n",
                     prefix.c_str());
        return 1;
    }
    int failed = 0;
    auto rows = FillLibraryList(registry);
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
