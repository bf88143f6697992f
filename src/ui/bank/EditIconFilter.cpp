#include "ui/bank/EditIconFilter.h"

namespace kalivo {

std::string EditIconFilter::Caption(const std::string& title) { return "Edit Icon:  " + title; }

bool EditIconFilter::FilterTyped(std::string& text, int& caret) {
    if (caret <= 0 || caret > static_cast<int>(text.size())) {
        return false;
    }
    const char typed = text[static_cast<std::size_t>(caret - 1)];
    if (caret <= static_cast<int>(kCodeLength) && typed >= '0' && typed <= '9') {
        return false;
    }
    text.erase(static_cast<std::size_t>(caret - 1), 1);
    --caret;
    return true;
}

std::optional<std::string> EditIconFilter::Accept(const std::string& text) {
    std::string code;
    for (char c : text) {
        if (c != ' ' && code.size() < kCodeLength) {
            code += c;
        }
    }
    if (code.size() != kCodeLength) {
        return std::nullopt;
    }
    return code;
}

}  // namespace kalivo
