#include "ui/resources.h"

#include <QtGlobal>

// In the global namespace: the resource's registration function is declared
// where this is called.
static void RegisterResources() {
    Q_INIT_RESOURCE(icons);
}

namespace qorvix {

QIcon ApplicationIcon() {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/qorvix/qorvix-%1.png").arg(size));
    return icon;
}

}  // namespace qorvix
