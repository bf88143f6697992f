#include "qt/QtText.h"

namespace kalivo {

// The core hands over UTF-8 only; instrument text is converted before it gets here.
QString QtText::ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string QtText::ToStd(const QString& text) { return text.toStdString(); }

QStringList QtText::ToQtList(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) {
        list.append(ToQt(line));
    }
    return list;
}

}  // namespace kalivo
