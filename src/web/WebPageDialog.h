#pragma once
// One dialog of the page, opened and waited for: the core stands still
// (Asyncify) until the person answers.
#include <optional>
#include <string>

namespace kalivo {

class WebPageDialog {
public:
    // Opens the page's dialog `name` with the request (JSON); the answer, or
    // nothing when the dialog was cancelled or closed.
    static std::optional<std::string> Ask(const char* name, const std::string& request);
};

}  // namespace kalivo
