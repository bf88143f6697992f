#pragma once
// Names inside the instruments' files are Windows-1252 bytes; everything the
// program shows or prints is UTF-8. These conversions are the one bridge.
#include <cstddef>
#include <string>
#include <string_view>

namespace kalivo {

class Cp1252 {
public:
    // Instrument text to UTF-8. Every byte has a form, so nothing is lost: the
    // five bytes Windows-1252 leaves undefined become U+0081 etc., as on Windows.
    static std::string ToUtf8(std::string_view text);
    // The same appended to out (a list line after its prefix).
    static void AppendUtf8(std::string& out, std::string_view text);
    // UTF-8 to instrument text. A character without a Windows-1252 form
    // becomes "_". A byte that is not valid UTF-8 is kept as it is, since such
    // a name was most likely written in the single-byte text already.
    static std::string FromUtf8(std::string_view text);
    // The longest prefix of a UTF-8 text that has at most maxBytes bytes and
    // does not end inside a character.
    static std::string Utf8Prefix(std::string_view text, std::size_t maxBytes);
};

}  // namespace kalivo
