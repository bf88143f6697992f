#include "ui/bank/SelectIconPage.h"

#include <algorithm>

#include "ui/bank/IconLookup.h"

namespace kalivo {
namespace {

constexpr int kCodeLength = 3;
// Where the first page starts scrolling: the current icon stays within the
// first columns while it is among the first 35.
constexpr int kFirstScrolledIcon = 36;

}  // namespace

SelectIconPage::SelectIconPage(const SelectIconRequest& request) : icons_(request.icons) {
    // The lists are parallel; a shorter code list must not be read past.
    count_ = static_cast<int>(std::min(icons_.files.size(), icons_.codes.size()));
    rangeEnd_ = kColumns * (count_ / kCells);
    Select(request.currentCode);
}

void SelectIconPage::Select(const std::string& currentCode) {
    if (currentCode.empty()) {
        return;
    }
    const auto found = IconLookup::FindCodeEnding(icons_.codes, currentCode);
    if (!found || static_cast<int>(*found) >= count_) {
        return;
    }
    const int m = static_cast<int>(*found);
    const int wanted = m + 1 < kFirstScrolledIcon ? 0 : (m + 1 - kFirstScrolledIcon) / kRows;
    position_ = std::clamp(wanted, 0, rangeEnd_);
    const int cell = m - kRows * position_;
    if (cell >= 0 && cell < kCells) {
        selectedCell_ = cell;
    }
}

int SelectIconPage::PageEnd() const { return std::min(FirstIcon() + kCells, count_); }

std::optional<std::size_t> SelectIconPage::SelectedIcon() const {
    if (selectedCell_ < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(FirstIcon() + selectedCell_);
}

std::string SelectIconPage::SelectedFileTitle() const {
    const auto icon = SelectedIcon();
    return icon ? IconLookup::FileTitle(icons_.files[*icon]) : std::string();
}

SelectIconPage::Rect SelectIconPage::Picture(int cell) {
    const int x = 10 + 45 * (cell / kRows);
    const int y = 50 + 42 * (cell % kRows);
    return {x, y, x + kPictureWidth, y + kPictureHeight};
}

SelectIconPage::Rect SelectIconPage::Frame(int cell) {
    const Rect p = Picture(cell);
    return {p.left - 3, p.top - 3, p.left + 42, p.top + 39};
}

SelectIconPage::Rect SelectIconPage::DrawingArea() { return {5, 45, 639, 260}; }

int SelectIconPage::CellAt(int x, int y) const {
    for (int cell = 0; cell < PageEnd() - FirstIcon(); ++cell) {
        const Rect p = Picture(cell);
        if (x >= p.left && x < p.right && y >= p.top && y < p.bottom) {
            return cell;
        }
    }
    return -1;
}

bool SelectIconPage::Click(int x, int y) {
    const int cell = CellAt(x, y);
    if (cell < 0) {
        return false;
    }
    selectedCell_ = cell;
    return true;
}

bool SelectIconPage::ScrollBy(Scroll action, int thumbPosition) {
    // A page is range/13 - 1 columns; with a range of 0 that would step
    // backwards, so it stays put.
    const int pageStep = std::max(0, rangeEnd_ / 13 - 1);
    switch (action) {
        case Scroll::LineLeft: return MoveTo(position_ - 1);
        case Scroll::LineRight: return MoveTo(position_ + 1);
        case Scroll::PageLeft: return MoveTo(position_ - pageStep);
        case Scroll::PageRight: return MoveTo(position_ + pageStep);
        case Scroll::ThumbRelease: return MoveTo(thumbPosition);
        case Scroll::Other: return false;
    }
    return false;
}

bool SelectIconPage::MoveTo(int position) {
    const int clamped = std::clamp(position, 0, rangeEnd_);
    if (clamped == position_) {
        return false;
    }
    position_ = clamped;
    selectedCell_ = -1;
    return true;
}

void SelectIconPage::TruncateAt(std::size_t icon) {
    if (icon >= static_cast<std::size_t>(count_)) {
        return;
    }
    count_ = static_cast<int>(icon);
    const auto selected = SelectedIcon();
    if (selected && *selected >= icon) {
        selectedCell_ = -1;
    }
}

std::optional<std::string> SelectIconPage::ResultCode() const {
    const auto icon = SelectedIcon();
    if (!icon) {
        return std::nullopt;
    }
    const std::string& code = icons_.codes[*icon];
    return code.size() > kCodeLength ? code.substr(code.size() - kCodeLength) : code;
}

}  // namespace kalivo
