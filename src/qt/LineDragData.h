#pragma once
// What a line dragged out of the source list carries: its line number, and
// the process it came from, so that a line dragged out of another running
// copy of the program is not taken for a line of this one.
#include <QMimeData>
#include <memory>
#include <optional>

namespace kalivo {

class LineDragData {
public:
    static std::unique_ptr<QMimeData> Make(int line);
    // The line, when the data is a line of this process.
    static std::optional<int> LineOf(const QMimeData* data);
    static QString MimeType();
};

}  // namespace kalivo
