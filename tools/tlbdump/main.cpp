// tlbdump FILE: writes what the reader sees in a type library as JSON.
// Exit status: 0 loaded, 2 the load failed (the JSON still says how),
// 1 usage or output error.
#include <cstdio>
#include <iostream>
#include <string>

#include "tools/tlbdump/dump.h"
#include "typelib/load.h"

int main(int argc, char** argv) {
    using namespace qorvix;
    if (argc != 2 || std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help") {
        std::fprintf(stderr, "usage: tlbdump FILE\n");
        return 1;
    }
    std::string path = argv[1];
    std::string fileName = path.substr(path.find_last_of('/') + 1);
    ComPtr<ITypeLib> lib;
    std::string why;
    HRESULT hr = LoadTypeLibEx(path, LoadOptions{}, lib, &why);
    std::string json;
    int status = 0;
    if (FAILED(hr)) {
        std::fprintf(stderr, "tlbdump: %s: %s\n", path.c_str(), why.c_str());
        json = DumpLoadFailure(hr, fileName);
        status = 2;
    } else {
        json = DumpTypeLib(*lib, fileName);
    }
    json += '\n';
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        std::perror("tlbdump: writing the dump");
        return 1;
    }
    return status;
}
