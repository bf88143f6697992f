#pragma once
// The folder browser and the Save As dialog. Both use Qt's own dialogs, so
// they look and behave the same on every system (and tests can drive them).
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "ui/DialogData.h"

class QWidget;

namespace kalivo {

class FileDialogs {
public:
    // The chosen folder with one trailing separator removed ("/" stays "/"), or "" on Cancel.
    static std::string ChooseFolder(QWidget* parent, const QString& title, const QString& startFolder);
    // Save As without a question before replacing a file: the full path, or nothing on Cancel.
    static std::optional<SaveAsChoice> ChooseSaveFile(QWidget* parent, const SaveAsRequest& request);
    // "Text Files (*.txt)|*.txt|htm Files (*.htm)|*.htm||" -> {"Text Files (*.txt)", "htm Files (*.htm)"}.
    static QStringList NameFilters(const std::string& filter);
    // The ending a filter entry stands for ("txt" for "Text Files (*.txt)").
    static QString SuffixOfFilter(const QString& filter);
};

}  // namespace kalivo
