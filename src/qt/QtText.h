#pragma once
// Conversions between the core's std::string and QString. Everything the core
// passes to the window is UTF-8.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace kalivo {

class QtText {
public:
    static QString ToQt(const std::string& text);
    static std::string ToStd(const QString& text);
    static QStringList ToQtList(const std::vector<std::string>& lines);
};

}  // namespace kalivo
