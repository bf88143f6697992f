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

std::string_view ManagementLine::TextOf(std::string_view line) {
    std::string_view text = line.substr(0, line.find_first_of(std::string_view("\r\n\0", 3)));
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace kalivo
