#pragma once
// The page arithmetic of the Select Icon dialog, free of any toolkit: 70
// cells in 14 columns of 5, a scroll position counted in columns, the
// selected cell, hit-testing and the chosen code. The window only loads and
// draws the bitmaps this class names.
#include <cstddef>
#include <optional>
#include <string>

#include "ui/DialogData.h"

namespace kalivo {

class SelectIconPage {
public:
    static constexpr int kRows = 5;
    static constexpr int kColumns = 14;
    static constexpr int kCells = kRows * kColumns;
    static constexpr int kPictureWidth = 39;
    static constexpr int kPictureHeight = 36;

    // In client pixels; right and bottom lie just outside the rectangle.
    struct Rect {
        int left;
        int top;
        int right;
        int bottom;
        bool operator==(const Rect&) const = default;
    };

    enum class Scroll { LineLeft, LineRight, PageLeft, PageRight, ThumbRelease, Other };

    // Opens on the current code: the first icon whose code ends in it is
    // scrolled into view and selected.
    explicit SelectIconPage(const SelectIconRequest& request);

    // Icons that can be shown (fewer once a bitmap failed to load).
    int Count() const { return count_; }
    int RangeEnd() const { return rangeEnd_; }
    int Position() const { return position_; }
    int FirstIcon() const { return kRows * position_; }
    // One past the last icon of the page: icons FirstIcon() .. PageEnd() - 1 are shown.
    int PageEnd() const;
    bool CanScrollLeft() const { return position_ > 0; }
    bool CanScrollRight() const { return position_ < rangeEnd_; }

    int SelectedCell() const { return selectedCell_; }  // -1: none
    std::optional<std::size_t> SelectedIcon() const;
    // The selected icon's file without its extension, or "" (the read-only edit).
    std::string SelectedFileTitle() const;

    static Rect Picture(int cell);
    // The red frame of the selected cell, three pixels around its picture.
    static Rect Frame(int cell);
    static Rect DrawingArea();

    // The cell under a client point that holds an icon, or -1.
    int CellAt(int x, int y) const;
    // A left click: selects the cell under the point. True when one was hit.
    bool Click(int x, int y);
    // True when the column changed; the selection is then dropped.
    bool ScrollBy(Scroll action, int thumbPosition = 0);
    // A bitmap that cannot be loaded ends the list there for this dialog.
    void TruncateAt(std::size_t icon);

    // OK: the last three characters of the selected icon's code; nothing without a selection.
    std::optional<std::string> ResultCode() const;

private:
    void Select(const std::string& currentCode);
    bool MoveTo(int position);

    IconSettings icons_;
    int count_ = 0;
    int rangeEnd_ = 0;
    int position_ = 0;
    int selectedCell_ = -1;
};

}  // namespace kalivo
