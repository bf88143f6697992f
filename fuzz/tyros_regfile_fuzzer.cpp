// Reads arbitrary bytes as a Tyros regfile.
#include "TyrosFuzzChecks.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/tyros/TyrosRegfile.h"

using namespace kalivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::AlternatingUserInterface ui;
    bool carry = false;
    TyrosRegfile::Header header{};
    TyrosRegistration registration;
    if (!TyrosRegfile::Read({data, size}, header, registration, ui, carry).Succeeded()) {
        return 0;
    }
    TyrosRegfile::BankName(header);
    TyrosRegfile::Part(header);
    const std::vector<std::uint8_t> written = TyrosRegfile::Write(header, registration);
    TyrosRegfile::Header headerAgain{};
    TyrosRegistration again;
    fuzz::Require(TyrosRegfile::Read(written, headerAgain, again, ui, carry).Succeeded());
    fuzz::Require(TyrosRegfile::Write(headerAgain, again) == written);
    fuzz::ExerciseRegistration(registration, ui);
    return 0;
}
