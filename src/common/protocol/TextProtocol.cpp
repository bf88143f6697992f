#include "common/protocol/TextProtocol.h"

namespace kalivo {

void TextProtocol::Line(const std::string& text) {
    bytes_ += text;
    bytes_ += "\r\n";
}

void TextProtocol::Fields(const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            bytes_ += '\t';
        }
        bytes_ += Field(fields[i]);
    }
    bytes_ += "\r\n";
}

std::string TextProtocol::Field(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace kalivo
