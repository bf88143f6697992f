#include "common/disk/ManagementLine.h"

namespace kalivo {

void ManagementLine::Append(std::vector<std::uint8_t>& out, std::string_view text) {
    const std::string_view kept = text.substr(0, kTextSize);
    AppendAsIs(out, kept);
    out.insert(out.end(), kTextSize - kept.size(), ' ');
    AppendAsIs(out, "\r\n");
}

void ManagementLine::AppendBlank32(std::vector<std::uint8_t>& out) {
    out.insert(out.end(), 30, ' ');
    AppendAsIs(out, "\r\n");
}

void ManagementLine::AppendAsIs(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

std::string ManagementLine::TextOf(std::string_view line) {
    const std::size_t end = line.find_first_of(std::string_view("\r\n\0", 3));
    std::string text(line.substr(0, end));
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

}  // namespace kalivo
