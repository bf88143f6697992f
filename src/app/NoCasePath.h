#pragma once
// Follows a relative path from a folder, finding every component whatever
// its case: the icon program was written for Windows, whose names ignore case,
// and its files may sit on a case-sensitive disk here.
#include <optional>
#include <string>

namespace kalivo {

class NoCasePath {
public:
    // The full path of base + relative ("/" and "\" both separate components;
    // empty and "." components are skipped). Nothing when a component is
    // missing or is "..", so the result never leaves base.
    static std::optional<std::string> Resolve(const std::string& base, const std::string& relative);
};

}  // namespace kalivo
