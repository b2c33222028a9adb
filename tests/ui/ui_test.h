// The dialogs' tests: Qt Test classes, run one class per CTest test by
// ui_tests CLASS under the offscreen platform; and their stand-ins.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/dialog_form.h"
#include "ui/file_dialogs.h"

namespace qorvix::test {

using UiTestFactory = std::function<std::unique_ptr<QObject>()>;
bool RegisterUiTest(const char* name, UiTestFactory factory);

#define QORVIX_UI_TEST(Class)             \
    static const bool registered##Class = \
        ::qorvix::test::RegisterUiTest(#Class, [] { return std::make_unique<Class>(); })

// File dialogs answered from a script; each call is recorded.
class ScriptedFileDialogs final : public FileDialogs {
  public:
    struct Call {
        QString title, filter, suffix, proposed;
    };
    std::deque<QString> answers;  // a null string, or none left: cancelled
    std::vector<Call> calls;

    std::optional<QString> OpenFile(QWidget*, const QString& title, const QString& filter,
                                    const QString& suffix) override {
        calls.push_back({title, filter, suffix, {}});
        return Next();
    }
    std::optional<QString> SaveFile(QWidget*, const QString& title, const QString& filter,
                                    const QString& suffix, const QString& proposed) override {
        calls.push_back({title, filter, suffix, proposed});
        return Next();
    }

  private:
    std::optional<QString> Next() {
        if (answers.empty()) return std::nullopt;
        QString answer = answers.front();
        answers.pop_front();
        if (answer.isNull()) return std::nullopt;
        return answer;
    }
};

// The control of a dialog with this id, as the widget it is; null when
// there is none or it is another kind of widget.
template <typename Widget>
Widget* ControlOf(const DialogForm& form, int controlId) {
    return qobject_cast<Widget*>(form.Control(controlId));
}

// Texts that do not fit their control, controls outside their frame or
// the dialog, and controls on top of one another: what a reader would see
// cut off.
QStringList ClippedControls(QWidget* dialog);

}  // namespace qorvix::test
