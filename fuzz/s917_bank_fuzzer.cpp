// Reads arbitrary bytes as a CVP2 Series and as a PSR-2000 bank file.
#include "S917FuzzChecks.h"
#include "handlers/cvp2_psr2000/Cvp2BankFile.h"

using namespace kalivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const Cvp2Model* model : {&Cvp2Model::Cvp2(), &Cvp2Model::Psr2000()}) {
        Cvp2Bank bank;
        int damagedSlot = -1;
        if (Cvp2BankFile::Read({data, size}, *model, bank, damagedSlot) != Cvp2BankFile::Verdict::Read) {
            continue;
        }
        const std::vector<std::uint8_t> written = Cvp2BankFile::Write(bank, *model);
        Cvp2Bank again;
        fuzz::RequireS917(Cvp2BankFile::Read(written, *model, again, damagedSlot) == Cvp2BankFile::Verdict::Read);
        fuzz::RequireS917(Cvp2BankFile::Write(again, *model) == written);
        for (const auto& slot : bank.slots) {
            if (slot) {
                fuzz::ExerciseS917(*slot);
            }
        }
    }
    return 0;
}
