#include "ui/bank/ViewBankText.h"

#include <array>

#include "ui/bank/IconLookup.h"

namespace kalivo {
namespace {

std::string EndTextOf(const std::string& sequence, int end) {
    static const std::array<const char*, 3> names{"Stop", "Top", "NextBank"};
    if (sequence.empty() || end < 0 || end >= static_cast<int>(names.size())) {
        return std::string();
    }
    return names[static_cast<std::size_t>(end)];
}

}  // namespace

ViewBankText::ViewBankText(const ViewBankRequest& request)
    : sequence_(request.sequence),
      endText_(EndTextOf(request.sequence, request.sequenceEnd)),
      iconCode_(request.bankIconCode) {
    const IconSettings& icons = request.icons;
    if (!icons.available || icons.codes.empty() || iconCode_.empty()) {
        return;
    }
    const auto icon = IconLookup::FindCode(icons.codes, "S" + iconCode_);
    if (!icon || *icon >= icons.files.size()) {
        return;
    }
    iconBitmap_ = icons.folder + icons.files[*icon];
    iconFileTitle_ = IconLookup::FileTitle(icons.files[*icon]);
}

}  // namespace kalivo
