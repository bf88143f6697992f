#pragma once
// Helpers the two voice-list parsers share: numbered lines, trimming, numbers,
// and the one form of their error messages.
#include <optional>
#include <string>
#include <string_view>

namespace kalivo {

struct VoiceListLine {
    int number = 0;  // from 1, as an editor counts
    std::string text;
};

class VoiceListText {
public:
    static std::string_view Trim(std::string_view text);
    static bool EqualsNoCase(std::string_view a, std::string_view b);
    // A whole decimal number (an optional minus sign, then digits); nothing
    // when the text is anything else or too long to be one.
    static std::optional<int> Number(std::string_view text);
    // "FILE, line N: what" (or "FILE: what" without a line).
    static std::string Problem(const std::string& file, int line, const std::string& what);
};

}  // namespace kalivo
