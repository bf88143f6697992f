#include "app/ListBuilder.h"

#include "common/Format.h"
#include "common/text/Cp1252.h"

namespace kalivo {

std::vector<std::string> ListBuilder::Build(ModelHandler& handler, Side side, bool tyrosPrefix) {
    std::vector<std::string> lines;
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
            lines.push_back(Cp1252::ToUtf8(name));
        }
        for (int slot = 0; slot < perBank; ++slot) {
            std::string line = tyrosPrefix ? FormatNumbers("  %i: ", slot + 1)
                                           : FormatNumbers("%i-%i: ", bank + 1, slot + 1);
            std::string name;
            line += handler.GetRegistrationName(bank, slot, name) == 0 ? Cp1252::ToUtf8(name) : NoRegistrationText();
            lines.push_back(line);
        }
    }
    return lines;
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
