// Reads arbitrary bytes as a Tyros bank file.
#include "TyrosFuzzChecks.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/tyros/TyrosBankFile.h"

using namespace kalivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::AlternatingUserInterface ui;
    bool carry = false;
    TyrosBank bank;
    bank.Reset();
    if (!TyrosBankFile::Read({data, size}, bank, ui, carry).Succeeded()) {
        return 0;
    }
    const std::vector<std::uint8_t> written = TyrosBankFile::Write(bank);
    TyrosBank again;
    fuzz::Require(TyrosBankFile::Read(written, again, ui, carry).Succeeded());
    fuzz::Require(TyrosBankFile::Write(again) == written);
    for (const TyrosRegistration& registration : bank.registrations) {
        fuzz::ExerciseRegistration(registration, ui);
    }
    std::string digits;
    int end = 0;
    bank.Sequence(digits, end);
    return 0;
}
