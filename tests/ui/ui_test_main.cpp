// ui_tests CLASS [Qt Test arguments]: runs one test class (all without a
// class name), under the offscreen platform unless another is set.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "tests/ui/ui_test.h"

namespace qorvix::test {
namespace {

std::map<std::string, UiTestFactory>& Registry() {
    static std::map<std::string, UiTestFactory> registry;
    return registry;
}

}  // namespace

bool RegisterUiTest(const char* name, UiTestFactory factory) {
    Registry()[name] = std::move(factory);
    return true;
}

QStringList ClippedControls(QWidget* dialog) {
    QStringList clipped;
    const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        QString name = control->metaObject()->className();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) name += " " + button->text();
        if (auto* label = qobject_cast<QLabel*>(control)) name += " " + label->text();
        bool hasText =
            qobject_cast<QAbstractButton*>(control) ||
            (qobject_cast<QLabel*>(control) && qobject_cast<QLabel*>(control)->pixmap().isNull());
        if (hasText && control->width() < control->sizeHint().width())
            clipped << name + " (too narrow)";
        if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            if (frame->width() < frame->minimumSizeHint().width())
                clipped << name + " " + frame->title() + " (title cut)";
        }
        if (!dialog->rect().contains(control->geometry()))
            clipped << name + " (outside the dialog)";
        for (QWidget* other : controls) {
            // Two controls on the same place (a frame may hold others).
            if (other != control && !qobject_cast<QGroupBox*>(control) &&
                !qobject_cast<QGroupBox*>(other) && control->isVisibleTo(dialog) &&
                other->isVisibleTo(dialog) && control->geometry().intersects(other->geometry()))
                clipped << name + " (overlaps " + other->metaObject()->className() + ")";
            auto* frame = qobject_cast<QGroupBox*>(other);
            if (!frame || frame == control ||
                !frame->geometry().contains(control->geometry().topLeft()))
                continue;
            if (!frame->geometry().contains(control->geometry()))
                clipped << name + " (outside its frame)";
        }
    }
    return clipped;
}

}  // namespace qorvix::test

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    auto& registry = qorvix::test::Registry();
    if (argc > 1 && argv[1][0] != '-') {
        auto it = registry.find(argv[1]);
        if (it == registry.end()) {
            std::fprintf(stderr, "no test class %s\n", argv[1]);
            return 2;
        }
        auto test = it->second();
        argv[1] = argv[0];
        return QTest::qExec(test.get(), argc - 1, argv + 1);
    }
    int failed = 0;
    for (auto& [name, factory] : registry) {
        auto test = factory();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed;
}
