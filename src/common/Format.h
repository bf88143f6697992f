#pragma once
// printf-style formatting of numbers into fixed message patterns. Names are
// never part of the pattern: they are joined to the formatted text afterwards,
// so a '%' in a name is never read as a directive.
#include <cstdio>
#include <string>

namespace kalivo {

template <typename... Args>
std::string FormatNumbers(const char* pattern, Args... args) {
    // One pass for the short texts of list lines, which are built by the thousand.
    char small[64];
    const int n = std::snprintf(small, sizeof small, pattern, args...);
    if (n <= 0) {
        return std::string();
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        return std::string(small, static_cast<std::size_t>(n));
    }
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), pattern, args...);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

// Fills the single "%s" of a pattern with text, taken literally.
std::string InsertText(const std::string& pattern, const std::string& text);

}  // namespace kalivo
