// Loads the dialogs' module. No Qt here: this is part of the program itself.
#include <dlfcn.h>

#include "resources/satellite.h"
#include "resources/string_table.h"
#include "ui/desktop.h"

// The translation tools find the texts by this mark, as in the rest of ui/.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace qorvix {

std::unique_ptr<Desktop> LoadDesktop(const std::string& folder, const DesktopArguments& arguments,
                                     std::string& error) {
    std::string path = (folder.empty() ? std::string(".") : folder) + "/" + kDesktopModule;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto entry = module ? reinterpret_cast<DesktopEntry>(dlsym(module, kDesktopEntry)) : nullptr;
    if (!entry) {
        const char* reason = dlerror();
        error = reason ? reason : path;
        return nullptr;
    }
    return std::unique_ptr<Desktop>(entry(arguments));
}

std::string ModuleMissingMessage(const Satellite& satellite, const std::string& programName,
                                 const std::string& reason) {
    const char* english = QT_TRANSLATE_NOOP("DesktopFrontEnd", "%1: cannot show the dialogs: %2");
    std::string text = satellite.Translate("DesktopFrontEnd", english);
    return FormatText(text.empty() ? english : text, programName, reason);
}

}  // namespace qorvix
