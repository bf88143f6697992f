#pragma once
// The fixed-width text line of the instruments' disk files: 14 characters,
// left-aligned and blank-padded, then CR LF.
#include <cstddef>
#include <string>
#include <string_view>

namespace kalivo {

class ManagementLine {
public:
    static constexpr std::size_t kTextSize = 14;
    static constexpr std::size_t kSize = 16;

    // 14 chars, left-aligned, blank-padded (cut at 14), + CR LF = 16 bytes.
    static std::string Make(std::string_view text);
    // The 32-byte line: 30 blanks + CR LF.
    static std::string Blank32();
    // The text without CR/LF and trailing blanks, ending before any NUL.
    static std::string TextOf(std::string_view line);
};

}  // namespace kalivo
