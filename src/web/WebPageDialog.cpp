#include "web/WebPageDialog.h"

#include <emscripten.h>

#include <cstdlib>

namespace kalivo {

namespace {

// Resolves when the person closes the page's dialog: the answer as a new
// UTF-8 string (the caller frees it), or 0 when cancelled.
EM_ASYNC_JS(char*, PageDialog, (const char* name, const char* request), {
    const answer = await Module.page.dialog(UTF8ToString(name), JSON.parse(UTF8ToString(request)));
    return answer === null || answer === undefined ? 0 : allocateUTF8(String(answer));
});

}  // namespace

std::optional<std::string> WebPageDialog::Ask(const char* name, const std::string& request) {
    char* answer = PageDialog(name, request.c_str());
    if (answer == nullptr) {
        return std::nullopt;
    }
    std::string text(answer);
    std::free(answer);
    return text;
}

}  // namespace kalivo
