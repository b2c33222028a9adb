// What the dialogs need beyond the application object.
#pragma once

#include <memory>

#include "platform/machine_services.h"
#include "ui/file_dialogs.h"
#include "ui/help.h"

namespace qorvix {

struct UiServices {
    FileDialogs* files = nullptr;
    Help* help = nullptr;
    // The registry and the registered libraries.
    std::shared_ptr<MachineServices> machine;
};

}  // namespace qorvix
