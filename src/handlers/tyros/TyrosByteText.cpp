#include "handlers/tyros/TyrosByteText.h"

namespace kalivo::tyros {

bool StartsWithId(ByteSpan bytes, std::string_view id) {
    if (bytes.size() < id.size()) {
        return false;
    }
    for (std::size_t i = 0; i < id.size(); ++i) {
        if (bytes[i] != static_cast<std::uint8_t>(id[i])) {
            return false;
        }
    }
    return true;
}

std::string TextFrom(ByteSpan bytes, std::size_t offset, std::string_view stopChars) {
    std::string text;
    for (std::size_t i = offset; i < bytes.size(); ++i) {
        const char c = static_cast<char>(bytes[i]);
        if (c == '\0' || stopChars.find(c) != std::string_view::npos) {
            break;
        }
        text += c;
    }
    return text;
}

ByteSpan AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace kalivo::tyros
