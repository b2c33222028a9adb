#include "ui/file_dialogs.h"

#include <QFileDialog>

namespace qorvix {

QStringList NameFilters(const QString& filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (pattern == QLatin1String("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            patterns << pattern.toLower();
            if (pattern.toUpper() != pattern.toLower()) patterns << pattern.toUpper();
        }
        // The text in front; Qt reads the patterns from the last brackets,
        // which HideNameFilterDetails keeps out of sight.
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

namespace {

void Prepare(QFileDialog& dialog, const QString& title, const QString& filter,
             const QString& defaultSuffix) {
    dialog.setWindowTitle(title);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(NameFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
}

}  // namespace

std::optional<QString> QtFileDialogs::OpenFile(QWidget* owner, const QString& title,
                                               const QString& filter,
                                               const QString& defaultSuffix) {
    QFileDialog dialog(owner);
    Prepare(dialog, title, filter, defaultSuffix);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtFileDialogs::SaveFile(QWidget* owner, const QString& title,
                                               const QString& filter, const QString& defaultSuffix,
                                               const QString& proposed) {
    QFileDialog dialog(owner);
    Prepare(dialog, title, filter, defaultSuffix);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The writer asks before it overwrites.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace qorvix
