// The entry point of the dialogs' module (qorvix-desktop.so).
#include "ui/front_end.h"

extern "C" __attribute__((visibility("default"))) qorvix::Desktop* QorvixCreateDesktop(
    const qorvix::DesktopArguments& arguments) {
    return new qorvix::DesktopFrontEnd(arguments);
}
