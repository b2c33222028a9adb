// The file dialogs the program shows, behind an interface so that tests can
// answer them.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

namespace qorvix {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // An existing file to open; nothing when the user cancels.
    virtual std::optional<QString> OpenFile(QWidget* owner, const QString& title,
                                            const QString& filter,
                                            const QString& defaultSuffix) = 0;
    // A file to save to, proposing `proposed`; no overwrite question.
    virtual std::optional<QString> SaveFile(QWidget* owner, const QString& title,
                                            const QString& filter, const QString& defaultSuffix,
                                            const QString& proposed) = 0;
};

// The desktop's file dialogs.
class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> OpenFile(QWidget* owner, const QString& title, const QString& filter,
                                    const QString& defaultSuffix) override;
    std::optional<QString> SaveFile(QWidget* owner, const QString& title, const QString& filter,
                                    const QString& defaultSuffix, const QString& proposed) override;
};

// A filter in the form "Text|patterns|Text|patterns||" (patterns separated
// by ";") as a list of Qt name filters: each shows its text, and matches
// its patterns in either letter case; "*.*" matches every file.
QStringList NameFilters(const QString& filter);

}  // namespace qorvix
