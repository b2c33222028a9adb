// tlbdump [--no-registry] [--reasons] FILE: writes what the reader sees in
// a type library as JSON. Imports resolve as in the program: through the
// Wine prefix's registry ($WINEPREFIX, else ~/.wine); --no-registry
// resolves only the embedded stdole2, for dumps that do not depend on the
// machine. With --reasons, failed calls also say why, where the reader
// knows: a short reason and the file offset of the damage.
// Exit status: 0 loaded, 2 the load failed (the JSON still says how),
// 1 usage or output error.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/machine_services.h"
#include "tools/tlbdump/dump.h"
#include "typelib/load.h"

int main(int argc, char** argv) {
    using namespace qorvix;
    std::signal(SIGXFSZ, SIG_IGN);  // a dump past ulimit -f is an output error, not a signal
    std::string path;
    bool registry = true;
    bool reasons = false;
    bool usage = false;
    const char* usageText = "usage: tlbdump [--no-registry] [--reasons] FILE\n";
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(usageText, stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        } else if (arg == "--no-registry") {
            registry = false;
        } else if (arg == "--reasons") {
            reasons = true;
        } else if (arg.empty() || arg[0] == '-' || !path.empty()) {
            usage = true;
        } else {
            path = arg;
        }
    }
    if (usage || path.empty()) {
        std::fputs(usageText, stderr);
        return 1;
    }
    // The file's name, and the resource number where the path names one
    // ("lib.dll/2" and "lib.dll\\2" alike).
    std::string file = SplitTypeLibPath(path).file;
    std::string fileName = file.substr(file.find_last_of('/') + 1) + path.substr(file.size());
    // The machine's services live as long as the library: they hold what
    // it imports.
    std::shared_ptr<MachineServices> machine;
    LoadOptions options;
    if (registry) {
        machine = MachineServices::ForDefaultPrefix();
        options = machine->Options();
    }
    ComPtr<ITypeLib> lib;
    std::string why;
    HRESULT hr = LoadTypeLibEx(path, options, lib, &why);
    std::string json;
    int status = 0;
    if (FAILED(hr)) {
        // The reader's reason names the file itself when it could not read it.
        if (why.compare(0, path.size(), path) == 0) {
            std::fprintf(stderr, "tlbdump: %s\n", why.c_str());
        } else {
            std::fprintf(stderr, "tlbdump: %s: %s\n", path.c_str(), why.c_str());
        }
        json = DumpLoadFailure(hr, fileName, reasons ? &why : nullptr);
        status = 2;
    } else {
        json = DumpTypeLib(*lib, fileName, reasons);
    }
    json += '\n';
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        std::perror("tlbdump: writing the dump");
        return 1;
    }
    return status;
}
