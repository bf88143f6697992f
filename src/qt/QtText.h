#pragma once
// Conversions between the core's std::string and QString. Paths and most
// names are UTF-8; names read from instrument files may hold single bytes of
// an older code page, which are shown as Latin-1 rather than as broken text.
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
