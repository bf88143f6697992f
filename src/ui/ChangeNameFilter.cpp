#include "ui/ChangeNameFilter.h"

#include <cstring>

namespace kalivo {

bool ChangeNameFilter::IsAllowed(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
        return true;
    }
    return c != '\0' && std::strchr(" @#$%&'()-^_{}", c) != nullptr;
}

std::string ChangeNameFilter::TrimTrailingSpaces(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

bool ChangeNameFilter::FilterTyped(std::string& text, int& caret) {
    if (caret <= 0 || caret > static_cast<int>(text.size())) {
        return false;
    }
    if (IsAllowed(text[caret - 1])) {
        return false;
    }
    text.erase(static_cast<std::size_t>(caret - 1), 1);
    --caret;
    return true;
}

bool ChangeNameFilter::FilterEdit(const std::string& before, std::string& text, int& caret) {
    const bool oneTyped = text.size() == before.size() + 1 && caret > 0 &&
                          caret <= static_cast<int>(text.size()) &&
                          text.compare(0, static_cast<std::size_t>(caret - 1), before, 0,
                                       static_cast<std::size_t>(caret - 1)) == 0 &&
                          text.compare(static_cast<std::size_t>(caret), std::string::npos, before,
                                       static_cast<std::size_t>(caret - 1)) == 0;
    return oneTyped ? FilterTyped(text, caret) : FilterPasted(text, caret);
}

bool ChangeNameFilter::FilterPasted(std::string& text, int& caret) {
    std::string kept;
    int newCaret = 0;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        if (IsAllowed(text[i])) {
            kept += text[i];
            if (i < caret) {
                ++newCaret;
            }
        }
    }
    if (kept.size() == text.size()) {
        return false;
    }
    text = kept;
    caret = newCaret;
    return true;
}

}  // namespace kalivo
