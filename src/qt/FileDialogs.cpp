#include "qt/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

#include "common/fs/FileSystem.h"
#include "qt/QtText.h"

namespace kalivo {

std::string FileDialogs::ChooseFolder(QWidget* parent, const QString& title, const QString& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(
        parent, title, startFolder, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty()) {
        return std::string();
    }
    return FileSystem::WithoutTrailingSeparator(QtText::ToStd(QDir::toNativeSeparators(folder)));
}

std::optional<SaveAsChoice> FileDialogs::ChooseSaveFile(QWidget* parent, const SaveAsRequest& request) {
    QFileDialog dialog(parent, QStringLiteral("Save As"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(request.filter));
    QString suffix = QtText::ToQt(request.defaultExtension);
    if (suffix.startsWith(QLatin1Char('.'))) {
        suffix.remove(0, 1);
    }
    dialog.setDefaultSuffix(suffix);
    // A name typed without an ending gets the ending of the filter chosen, so
    // "untitled" under "Text Files" becomes "untitled.txt".
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QString ending = SuffixOfFilter(filter);
        if (!ending.isEmpty()) {
            dialog.setDefaultSuffix(ending);
        }
    });
    if (!dialog.nameFilters().isEmpty()) {
        const QString first = SuffixOfFilter(dialog.nameFilters().constFirst());
        if (!first.isEmpty()) {
            dialog.setDefaultSuffix(first);
        }
    }
    dialog.selectFile(QtText::ToQt(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const qsizetype filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    return SaveAsChoice{QtText::ToStd(QDir::toNativeSeparators(dialog.selectedFiles().constFirst())),
                        filter < 0 ? 0u : static_cast<std::size_t>(filter)};
}

QString FileDialogs::SuffixOfFilter(const QString& filter) {
    // "Text Files (*.txt)": the ending of the first pattern in the parentheses.
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype dot = filter.indexOf(QStringLiteral("*."), open < 0 ? 0 : open);
    if (dot < 0) {
        return QString();
    }
    QString ending = filter.mid(dot + 2);
    const qsizetype end = ending.indexOf(QRegularExpression(QStringLiteral("[ ;)]")));
    return end < 0 ? ending : ending.left(end);
}

QStringList FileDialogs::NameFilters(const std::string& filter) {
    const QStringList parts = QtText::ToQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the shown text.
        const QString shown = parts[i];
        filters.append(shown.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))
                           ? shown
                           : shown + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

}  // namespace kalivo
