// Writes the seed corpus of the Tyros fuzz targets with the program's own
// writers: bank files into the first folder, regfiles into the second.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/tyros/AlternatingUserInterface.h"
#include "SeedFiles.h"
#include "core/tyros/TyrosTestBytes.h"
#include "handlers/tyros/TyrosBankFile.h"
#include "handlers/tyros/TyrosRegfile.h"

using namespace kalivo;
namespace bytes = kalivo::test::tyros_bytes;

namespace {

TyrosRegistration Parsed(const bytes::Bytes& block, UserInterface& ui) {
    TyrosRegistration registration;
    registration.Parse(block, true, false, ui);
    return registration;
}

// Registrations of several shapes: realistic ones, a bare name, one with
// unknown voices and file paths, one with setting types of a later model.
std::vector<bytes::Bytes> Samples() {
    using namespace bytes;
    return {
        RealisticRegistration(1),
        RealisticRegistration(42),
        Registration({Name("Bare")}),
        Registration({Name("Odd", "12x"), Voice(11, 0, 5, 3), Voice(19, 104, 1, 2), Number(7, 0xFFFF),
                      TextSetting(9, "Folder/My.sty"), Number(36, 0xFFFF), TextSetting(37, "A/B/Pad.pad")}),
        Registration({Name("Later"), Tempo(90), Opaque(55, 12), Opaque(71, 3)}),
        EmptyRegistration(),
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s BANK_FOLDER REGFILE_FOLDER\n", argv[0]);
        return 2;
    }
    test::AlternatingUserInterface ui;
    const std::string bankFolder = std::string(argv[1]) + "/";
    const std::string regfileFolder = std::string(argv[2]) + "/";
    const auto samples = Samples();

    TyrosBank full;
    full.Reset();
    for (std::size_t part = 0; part < full.registrations.size(); ++part) {
        full.registrations[part] = Parsed(samples[part % samples.size()], ui);
    }
    full.SetSequence("12345678", 1);
    fuzz::SaveSeed(bankFolder + "full.rgt", TyrosBankFile::Write(full));

    TyrosBank sparse;
    sparse.Reset();
    sparse.registrations[2] = Parsed(samples[3], ui);
    fuzz::SaveSeed(bankFolder + "sparse.rgt", TyrosBankFile::Write(sparse));

    TyrosBank empty;
    empty.Reset();
    fuzz::SaveSeed(bankFolder + "empty.rgt", TyrosBankFile::Write(empty));

    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto header = TyrosRegfile::MakeHeader("Seed Bank", static_cast<int>(i));
        fuzz::SaveSeed(regfileFolder + "seed" + std::to_string(i) + ".tyr",
             TyrosRegfile::Write(header, Parsed(samples[i], ui)));
    }
    return 0;
}
