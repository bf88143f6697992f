#include "app/ListBuilder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "common/text/Cp1252.h"

namespace kalivo {

namespace {

// "b-s: " or, for the Tyros, "  s: ", put together by hand, not
// printf-formatted: lists are built by the thousand.
struct Prefix {
    std::array<char, 32> chars{};
    std::size_t size = 0;

    Prefix(int bank, int slot, bool tyrosPrefix) {
        char* at = chars.data();
        char* const end = chars.data() + chars.size() - 2;  // room for ": "
        if (tyrosPrefix) {
            at = std::fill_n(at, 2, ' ');
        } else {
            at = std::to_chars(at, end - 1, bank + 1).ptr;  // room for the '-'
            *at++ = '-';
        }
        at = std::to_chars(at, end, slot + 1).ptr;
        *at++ = ':';
        *at++ = ' ';
        size = static_cast<std::size_t>(at - chars.data());
    }
};

// A side without banks still shows one.
int BankCount(ModelHandler& handler, ListBuilder::Side side) {
    const int banks =
        side == ListBuilder::Side::Source ? handler.SourceBankCount() : handler.DestinationBankCount();
    return banks == 0 ? 1 : banks;
}

// Calls line(bank, slot, name, empty) for every line in list order, slot
// kWholeBank for a bank's header line. name is instrument text, one string
// reused for every line: a list asks the handler for each of its names.
template <class Line>
void Walk(ModelHandler& handler, ListBuilder::Side side, Line line) {
    const int banks = BankCount(handler, side);
    const int perBank = handler.RegistrationsPerBank();
    const bool headers = handler.HasBankHeaders();
    std::string name;
    for (int bank = 0; bank < banks; ++bank) {
        if (headers) {
            name.clear();
            handler.GetBankName(bank, name);
            line(bank, kWholeBank, name, false);
        }
        for (int slot = 0; slot < perBank; ++slot) {
            name.clear();
            const bool empty = handler.GetRegistrationName(bank, slot, name) != Status::kDone;
            line(bank, slot, name, empty);
        }
    }
}

std::size_t LineCount(ModelHandler& handler, ListBuilder::Side side) {
    const int perBank = handler.RegistrationsPerBank() + (handler.HasBankHeaders() ? 1 : 0);
    return static_cast<std::size_t>(std::max(0, BankCount(handler, side) * perBank));
}

}  // namespace

std::vector<std::string> ListBuilder::Build(ModelHandler& handler, Side side, bool tyrosPrefix) {
    std::vector<std::string> lines;
    lines.reserve(LineCount(handler, side));
    const std::string noRegistration = NoRegistrationText();
    Walk(handler, side, [&](int bank, int slot, const std::string& name, bool empty) {
        if (slot == kWholeBank) {
            lines.push_back(Cp1252::ToUtf8(name));
            return;
        }
        // Prefix and name go straight into the line in its place, without a
        // UTF-8 copy of the name in between.
        const Prefix prefix(bank, slot, tyrosPrefix);
        std::string& text = lines.emplace_back();
        text.reserve(prefix.size + (empty ? noRegistration.size() : name.size()));
        text.append(prefix.chars.data(), prefix.size);
        if (empty) {
            text.append(noRegistration);
        } else {
            Cp1252::AppendUtf8(text, name);
        }
    });
    return lines;
}

std::vector<ListEntry> ListBuilder::Entries(ModelHandler& handler, Side side, bool tyrosPrefix) {
    std::vector<ListEntry> entries;
    entries.reserve(LineCount(handler, side));
    const std::string noRegistration = NoRegistrationText();
    Walk(handler, side, [&](int bank, int slot, const std::string& name, bool empty) {
        ListEntry& entry = entries.emplace_back();
        entry.header = slot == kWholeBank;
        entry.empty = empty;
        if (!empty) {
            entry.name = Cp1252::ToUtf8(name);
        }
        if (entry.header) {
            entry.text = entry.name;
            return;
        }
        const Prefix prefix(bank, slot, tyrosPrefix);
        const std::string& shown = empty ? noRegistration : entry.name;
        entry.text.reserve(prefix.size + shown.size());
        entry.text.append(prefix.chars.data(), prefix.size).append(shown);
    });
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
