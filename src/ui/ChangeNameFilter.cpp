#include "ui/ChangeNameFilter.h"

#include <algorithm>
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

bool ChangeNameFilter::FitsOrUnchanged(const std::string& text, const std::string& initial, int maxLength) {
    // Characters, not bytes: the texts are UTF-8.
    const auto characters = std::count_if(text.begin(), text.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return characters <= maxLength || text == initial;
}

bool ChangeNameFilter::FilterTyped(std::string& text, int& caret, Allowed allowed) {
    if (caret <= 0 || caret > static_cast<int>(text.size())) {
        return false;
    }
    if (allowed(text[caret - 1])) {
        return false;
    }
    text.erase(static_cast<std::size_t>(caret - 1), 1);
    --caret;
    return true;
}

bool ChangeNameFilter::FilterEdit(const std::string& before, std::string& text, int& caret, Allowed allowed) {
    const bool oneTyped = text.size() == before.size() + 1 && caret > 0 &&
                          caret <= static_cast<int>(text.size()) &&
                          text.compare(0, static_cast<std::size_t>(caret - 1), before, 0,
                                       static_cast<std::size_t>(caret - 1)) == 0 &&
                          text.compare(static_cast<std::size_t>(caret), std::string::npos, before,
                                       static_cast<std::size_t>(caret - 1)) == 0;
    return oneTyped ? FilterTyped(text, caret, allowed) : FilterPasted(text, caret, allowed);
}

bool ChangeNameFilter::FilterPasted(std::string& text, int& caret, Allowed allowed) {
    std::string kept;
    int newCaret = 0;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        if (allowed(text[i])) {
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
