#include "web/JsonText.h"

#include <cstdio>

namespace kalivo {

std::string JsonText::Quote(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonText::Strings(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out += (i == 0 ? "" : ",") + Quote(texts[i]);
    }
    return out + "]";
}

std::string JsonText::Bools(const std::vector<bool>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += i == 0 ? "" : ",";
        out += values[i] ? "true" : "false";
    }
    return out + "]";
}

void JsonText::Key(const char* key) {
    if (!members_.empty()) {
        members_ += ',';
    }
    members_ += Quote(key) + ':';
}

JsonText& JsonText::Add(const char* key, const std::string& text) { return AddRaw(key, Quote(text)); }

JsonText& JsonText::Add(const char* key, int number) { return AddRaw(key, std::to_string(number)); }

JsonText& JsonText::Add(const char* key, bool value) { return AddRaw(key, value ? "true" : "false"); }

JsonText& JsonText::AddRaw(const char* key, const std::string& json) {
    Key(key);
    members_ += json;
    return *this;
}

}  // namespace kalivo
