// Start-up's reserved-word service: the optional library "quelbrin", kept
// only while one of the COBOL run-time modules ("korvalm", "korvalt") is
// in the process once it has loaded.
#pragma once

#include <string>

namespace qorvix {

struct ReservedWordService {
    void* library = nullptr;  // stays loaded for the rest of the run
    void (*vexalon)() = nullptr;
    int (*vexamir)(const char* text, int length) = nullptr;
};

// Loads "libquelbrin.so" from `executableDir` first, then from the system's
// library path; calls vexalon once when it is found. Nothing is reported:
// without the service, names are simply not checked.
ReservedWordService LoadReservedWordService(const std::string& executableDir);

}  // namespace qorvix
