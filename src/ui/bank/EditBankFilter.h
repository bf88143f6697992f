#pragma once
// The rules of the Edit Bank dialog (a bank's sequence and sequence end),
// kept free of any toolkit.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogData.h"

namespace kalivo {

class EditBankFilter {
public:
    // The bank keeps at most this many steps; the edit takes no more, so the
    // cut is seen while typing rather than after storing.
    static constexpr std::size_t kMaxSequenceLength = 34;

    // Lines of the Sequence End list; the line index is the stored end.
    static const std::array<std::string, 3>& EndLines();

    static std::string Caption(const std::string& bankName);
    // The end line selected at opening, or -1 (none) for an end outside 0..2.
    static int InitialEndLine(int sequenceEnd);

    // After every change of the edit: drops each character that is not a digit
    // 1..8 among usedSlots, and cuts the text to kMaxSequenceLength. True when
    // something was dropped: the edit then shows the text with the caret at its end.
    static bool FilterSequence(std::string& text, const std::string& usedSlots);

    // OK: nothing (the dialog stays open) with more than one end line
    // selected; otherwise the result, the end being 0 (Stop) when none is.
    static std::optional<EditBankResult> Accept(const std::string& text, const std::vector<int>& selectedEndLines);
};

}  // namespace kalivo
