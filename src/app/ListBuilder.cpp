#include "app/ListBuilder.h"

#include <utility>

#include "common/Format.h"
#include "common/text/Cp1252.h"

namespace kalivo {

std::vector<std::string> ListBuilder::Build(ModelHandler& handler, Side side, bool tyrosPrefix) {
    std::vector<std::string> lines;
    for (ListEntry& entry : Entries(handler, side, tyrosPrefix)) {
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
    for (int bank = 0; bank < banks; ++bank) {
        if (headers) {
            std::string name;
            handler.GetBankName(bank, name);
            const std::string shown = Cp1252::ToUtf8(name);
            entries.push_back(ListEntry{shown, shown, true, false});
        }
        for (int slot = 0; slot < perBank; ++slot) {
            ListEntry entry;
            entry.text = tyrosPrefix ? FormatNumbers("  %i: ", slot + 1) : FormatNumbers("%i-%i: ", bank + 1, slot + 1);
            std::string name;
            entry.empty = handler.GetRegistrationName(bank, slot, name) != 0;
            entry.name = entry.empty ? std::string() : Cp1252::ToUtf8(name);
            entry.text += entry.empty ? NoRegistrationText() : entry.name;
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
