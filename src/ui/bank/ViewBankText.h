#pragma once
// What the View Bank dialog shows for a bank: its sequence, the sequence
// end, the icon code and, when the icon pictures are available, the icon's
// bitmap and file name. Free of any toolkit.
#include <cstddef>
#include <optional>
#include <string>

#include "ui/DialogData.h"

namespace kalivo {

class ViewBankText {
public:
    explicit ViewBankText(const ViewBankRequest& request);

    const std::string& Sequence() const { return sequence_; }
    // "Stop", "Top" or "NextBank"; nothing for an empty sequence or another end.
    const std::string& EndText() const { return endText_; }
    const std::string& IconCode() const { return iconCode_; }
    // The bank icon's bitmap (folder + file) when its code is in the icon list.
    const std::optional<std::string>& IconBitmap() const { return iconBitmap_; }
    // Its file without the extension, or "".
    const std::string& IconFileTitle() const { return iconFileTitle_; }

private:
    std::string sequence_;
    std::string endText_;
    std::string iconCode_;
    std::optional<std::string> iconBitmap_;
    std::string iconFileTitle_;
};

}  // namespace kalivo
