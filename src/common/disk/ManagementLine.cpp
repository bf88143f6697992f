#include "common/disk/ManagementLine.h"

namespace kalivo {

std::string ManagementLine::Make(std::string_view text) {
    std::string line(text.substr(0, kTextSize));
    line.resize(kTextSize, ' ');
    line += "\r\n";
    return line;
}

std::string ManagementLine::Blank32() { return std::string(30, ' ') + "\r\n"; }

std::string ManagementLine::TextOf(std::string_view line) {
    const std::size_t end = line.find_first_of(std::string_view("\r\n\0", 3));
    std::string text(line.substr(0, end));
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

}  // namespace kalivo
