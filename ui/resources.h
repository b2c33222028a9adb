// The program's compiled-in resources (the icon). A static library's
// resources must be registered by code that is sure to run.
#pragma once

#include <QIcon>

namespace qorvix {

// The application icon (icon resource 128).
QIcon ApplicationIcon();

}  // namespace qorvix
