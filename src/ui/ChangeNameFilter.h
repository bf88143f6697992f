#pragma once
// The character rules of the Change Name dialog, kept free of any toolkit.
#include <string>

namespace kalivo {

class ChangeNameFilter {
public:
    using Allowed = bool (*)(char);
    // Letters, digits, space and @ # $ % & ' ( ) - ^ _ { }.
    static bool IsAllowed(char c);
    // A name (UTF-8) may have as many characters as the model allows, or be the
    // name it already was: a longer name read from a file can be kept with OK.
    static bool FitsOrUnchanged(const std::string& text, const std::string& initial, int maxLength);
    static std::string TrimTrailingSpaces(const std::string& text);

    // After typing: checks only the character just before the caret; a refused
    // character is removed and the caret goes back to where it was before it.
    // Returns true when the text was changed.
    static bool FilterTyped(std::string& text, int& caret, Allowed allowed = IsAllowed);
    // After a paste: every character of the text is checked with the same set.
    static bool FilterPasted(std::string& text, int& caret, Allowed allowed = IsAllowed);
    // After any change from before to text: one character typed at the caret
    // is checked alone (FilterTyped); any other change, such as a paste over a
    // selection of about the same length, is checked whole (FilterPasted).
    static bool FilterEdit(const std::string& before, std::string& text, int& caret, Allowed allowed = IsAllowed);
};

}  // namespace kalivo
