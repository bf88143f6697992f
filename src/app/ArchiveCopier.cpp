#include "app/ArchiveCopier.h"

#include "handlers/StatusCodes.h"

namespace kalivo {

namespace {

// Name, sequence and icon of a bank.
void CopyBankHeader(ModelHandler& destination, int dstBank, ModelHandler& source, int srcBank) {
    std::string name;
    source.GetBankName(srcBank, name);
    destination.SetBankName(dstBank, name);
    destination.CopyBankSequence(dstBank, &source, srcBank);
    destination.SetBankIcon(dstBank, source.GetBankIcon(srcBank));
}

bool InUse(ModelHandler& source, int bank) {
    std::string name;
    return source.GetRegistrationName(bank, 0, name) != Status::kBankNotInUse;
}

}  // namespace

void ArchiveCopier::CopyWholeBank(ModelHandler& destination, int dstBank, ModelHandler& source, int srcBank) {
    for (int slot = 0; slot < source.RegistrationsPerBank(); ++slot) {
        const Status result = destination.CopyRegistration(dstBank, slot, &source, srcBank, slot);
        if (result == Status::kBankNotInUse) {
            break;
        }
        // An empty source slot empties the destination slot, so the bank becomes a copy.
        if (result == Status::kNoRegistration) {
            destination.DeleteRegistration(dstBank, slot);
        }
    }
    CopyBankHeader(destination, dstBank, source, srcBank);
}

void ArchiveCopier::CopyArchive(ModelHandler& destination, ModelHandler& source) {
    destination.ClearDestination(source.SourceBankCount());
    const int banks = source.SourceBankCount();
    for (int bank = 0; bank < banks; ++bank) {
        if (source.HasBankHeaders()) {
            // An unused bank has no registration to copy (asking would bring a
            // "No bank" message for each), but it keeps its name.
            if (InUse(source, bank)) {
                CopyWholeBank(destination, bank, source, bank);
            } else {
                CopyBankHeader(destination, bank, source, bank);
            }
            continue;
        }
        for (int slot = 0; slot < source.RegistrationsPerBank(); ++slot) {
            destination.CopyRegistration(bank, slot, &source, bank, slot);
        }
    }
}

}  // namespace kalivo
