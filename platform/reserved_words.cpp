#include "platform/reserved_words.h"

#include <dlfcn.h>

namespace qorvix {

namespace {

// Asks the dynamic loader whether a module is in the process, without
// loading it.
bool IsLoaded(const char* name) {
    void* handle = dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle) return false;
    dlclose(handle);  // RTLD_NOLOAD still counted a reference
    return true;
}

}  // namespace

ReservedWordService LoadReservedWordService(const std::string& executableDir) {
    ReservedWordService service;
    void* library = nullptr;
    if (!executableDir.empty()) {
        library = dlopen((executableDir + "/libquelbrin.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (!library) library = dlopen("libquelbrin.so", RTLD_NOW | RTLD_LOCAL);
    if (!library) return service;
    if (!IsLoaded("libkorvalm.so") && !IsLoaded("libkorvalt.so")) {
        dlclose(library);
        return service;
    }
    service.library = library;
    service.vexalon = reinterpret_cast<void (*)()>(dlsym(library, "vexalon"));
    service.vexamir = reinterpret_cast<int (*)(const char*, int)>(dlsym(library, "vexamir"));
    if (service.vexalon) service.vexalon();
    return service;
}

}  // namespace qorvix
