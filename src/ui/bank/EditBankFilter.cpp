#include "ui/bank/EditBankFilter.h"

namespace kalivo {

const std::array<std::string, 3>& EditBankFilter::EndLines() {
    static const std::array<std::string, 3> lines{"Stop", "Top", "Next Bank"};
    return lines;
}

std::string EditBankFilter::Caption(const std::string& bankName) { return "Edit Sequence:  " + bankName; }

int EditBankFilter::InitialEndLine(int sequenceEnd) {
    return sequenceEnd >= 0 && sequenceEnd < static_cast<int>(EndLines().size()) ? sequenceEnd : -1;
}

bool EditBankFilter::FilterSequence(std::string& text, const std::string& usedSlots) {
    std::string kept;
    for (char c : text) {
        const bool slotDigit = c >= '1' && c <= '8' && usedSlots.find(c) != std::string::npos;
        if (slotDigit && kept.size() < kMaxSequenceLength) {
            kept += c;
        }
    }
    if (kept.size() == text.size()) {
        return false;
    }
    text = kept;
    return true;
}

std::optional<EditBankResult> EditBankFilter::Accept(const std::string& text, const std::vector<int>& selectedEndLines) {
    if (selectedEndLines.size() > 1) {
        return std::nullopt;
    }
    EditBankResult result;
    result.sequence = text;
    result.sequenceEnd = selectedEndLines.empty() ? 0 : selectedEndLines.front();
    return result;
}

}  // namespace kalivo
