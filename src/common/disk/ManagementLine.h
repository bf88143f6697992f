#pragma once
// The fixed-width text line of the instruments' disk files: 14 characters,
// left-aligned and blank-padded, then CR LF.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalivo {

class ManagementLine {
public:
    static constexpr std::size_t kTextSize = 14;
    static constexpr std::size_t kSize = 16;

    // 14 chars, left-aligned, blank-padded (cut at 14), + CR LF = 16 bytes,
    // appended to out.
    static void Append(std::vector<std::uint8_t>& out, std::string_view text);
    // The 32-byte line: 30 blanks + CR LF.
    static void AppendBlank32(std::vector<std::uint8_t>& out);
    // text's bytes as they are, for the parts of a file laid out otherwise.
    static void AppendAsIs(std::vector<std::uint8_t>& out, std::string_view text);
    // The text without CR/LF and trailing blanks, ending before any NUL (a
    // view into line: lines are compared by the dozen, so nothing is copied).
    static std::string_view TextOf(std::string_view line);
};

}  // namespace kalivo
