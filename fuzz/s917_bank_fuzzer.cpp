// Reads arbitrary bytes as a CVP2 Series and as a PSR-2000 bank file.
#include "S917FuzzChecks.h"
#include "handlers/cvp2_psr2000/S917BankFile.h"

using namespace kalivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const S917Model* model : {&S917Model::Cvp2(), &S917Model::Psr2000()}) {
        S917Bank bank;
        int damagedSlot = -1;
        if (S917BankFile::Read({data, size}, *model, bank, damagedSlot) != S917BankFile::Verdict::Read) {
            continue;
        }
        const std::vector<std::uint8_t> written = S917BankFile::Write(bank, *model);
        S917Bank again;
        fuzz::RequireS917(S917BankFile::Read(written, *model, again, damagedSlot) == S917BankFile::Verdict::Read);
        fuzz::RequireS917(S917BankFile::Write(again, *model) == written);
        for (const auto& slot : bank.slots) {
            if (slot) {
                fuzz::ExerciseS917(*slot);
            }
        }
    }
    return 0;
}
