#include "qt/LineDragData.h"

#include <QCoreApplication>
#include <QStringList>

namespace kalivo {

namespace {

QString ThisProcess() { return QString::number(QCoreApplication::applicationPid()); }

}  // namespace

QString LineDragData::MimeType() { return QStringLiteral("application/x-kalivo-source-line"); }

std::unique_ptr<QMimeData> LineDragData::Make(int line) {
    auto data = std::make_unique<QMimeData>();
    data->setData(MimeType(), (ThisProcess() + QLatin1Char(' ') + QString::number(line)).toLatin1());
    return data;
}

std::optional<int> LineDragData::LineOf(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(MimeType())) {
        return std::nullopt;
    }
    const QStringList parts = QString::fromLatin1(data->data(MimeType())).split(QLatin1Char(' '));
    if (parts.size() != 2 || parts[0] != ThisProcess()) {
        return std::nullopt;
    }
    bool ok = false;
    const int line = parts[1].toInt(&ok);
    if (!ok || line < 0) {
        return std::nullopt;
    }
    return line;
}

}  // namespace kalivo
