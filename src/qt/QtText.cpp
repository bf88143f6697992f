#include "qt/QtText.h"

#include <QStringDecoder>

namespace kalivo {

QString QtText::ToQt(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError()) {
        return decoded;
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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
