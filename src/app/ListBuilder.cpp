#include "app/ListBuilder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "common/text/Cp1252.h"

namespace kalivo {

namespace {

// "b-s: " or, for the Tyros, "  s: ", then text. Put together by hand, not
// printf-formatted: lists are built by the thousand.
std::string Line(int bank, int slot, bool tyrosPrefix, const std::string& text) {
    std::array<char, 32> buffer{};
    char* at = buffer.data();
    char* const end = buffer.data() + buffer.size();
    if (tyrosPrefix) {
        at = std::fill_n(at, 2, ' ');
    } else {
        at = std::to_chars(at, end - 1, bank + 1).ptr;  // room for the '-'
        *at++ = '-';
    }
    at = std::to_chars(at, end, slot + 1).ptr;
    std::string line;
    line.reserve(static_cast<std::size_t>(at - buffer.data()) + 2 + text.size());
    line.append(buffer.data(), at).append(": ").append(text);
    return line;
}

}  // namespace

std::vector<std::string> ListBuilder::Build(ModelHandler& handler, Side side, bool tyrosPrefix) {
    std::vector<std::string> lines;
    std::vector<ListEntry> entries = Entries(handler, side, tyrosPrefix);
    lines.reserve(entries.size());
    for (ListEntry& entry : entries) {
        lines.push_back(std::move(entry.text));
    }
    return lines;
}

std::vector<ListEntry> ListBuilder::Entries(ModelHandler& handler, Side side, bool tyrosPrefix) {
    std::vector<ListEntry> entries;
    int banks = side == Side::Source ? handler.SourceBankCount() : handler.DestinationBankCount();
    if (banks == 0) {
        banks = 1;
    }
    const int perBank = handler.RegistrationsPerBank();
    const bool headers = handler.HasBankHeaders();
    entries.reserve(static_cast<std::size_t>(std::max(0, banks * (perBank + (headers ? 1 : 0)))));
    const std::string noRegistration = NoRegistrationText();
    for (int bank = 0; bank < banks; ++bank) {
        if (headers) {
            std::string name;
            handler.GetBankName(bank, name);
            const std::string shown = Cp1252::ToUtf8(name);
            entries.push_back(ListEntry{shown, shown, true, false});
        }
        for (int slot = 0; slot < perBank; ++slot) {
            ListEntry entry;
            std::string name;
            entry.empty = handler.GetRegistrationName(bank, slot, name) != 0;
            entry.name = entry.empty ? std::string() : Cp1252::ToUtf8(name);
            entry.text = Line(bank, slot, tyrosPrefix, entry.empty ? noRegistration : entry.name);
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

ListPosition ListBuilder::Decode(ModelHandler& handler, int line) {
    const int perBank = handler.RegistrationsPerBank();
    if (line < 0 || perBank <= 0) {
        return {};
    }
    if (handler.HasBankHeaders()) {
        const int slot = line % (perBank + 1) - 1;
        return {line / (perBank + 1), slot == -1 ? kWholeBank : slot};
    }
    return {line / perBank, line % perBank};
}

}  // namespace kalivo
