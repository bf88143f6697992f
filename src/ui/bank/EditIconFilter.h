#pragma once
// The rules of the Edit Icon dialog, where an icon code is typed as three
// digits when the icon pictures are not available. Free of any toolkit.
#include <cstddef>
#include <optional>
#include <string>

namespace kalivo {

class EditIconFilter {
public:
    static constexpr std::size_t kCodeLength = 3;

    static std::string Caption(const std::string& title);

    // After every change: the character before the caret stays only when the
    // caret is at 1..3 and the character is a digit; otherwise it is removed
    // and the caret steps back over it. True when the text was changed.
    static bool FilterTyped(std::string& text, int& caret);

    // OK: spaces dropped, at most the first three characters taken; a code
    // only when that gives exactly three (otherwise the dialog stays open).
    static std::optional<std::string> Accept(const std::string& text);
};

}  // namespace kalivo
