#include "core/tyros/TyrosExamples.h"

#include "common/fs/FileSystem.h"
#include "core/tyros/TyrosTestBytes.h"
#include "handlers/tyros/TyrosBankFile.h"
#include "handlers/tyros/TyrosFileNames.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test::tyros {

namespace {

using namespace tyros_bytes;

// Bank select and program of voices the built-in table names.
struct VoiceId {
    int msb, lsb, program;
};
constexpr VoiceId kGrandPiano{0, 0, 0};
constexpr VoiceId kPianoKsp{0, 1, 0};
constexpr VoiceId kBluesOrgan{0, 126, 16};
constexpr VoiceId kSteelGuitar{8, 0, 1};

struct ExampleRegistration {
    std::string name;  // Windows-1252, as inside the file
    std::string icon;
    int style;  // index in the style table
    int tempo;
    VoiceId right1;
};

struct ExampleBank {
    std::string name;  // Windows-1252
    std::string icon;
    std::string sequence;
    std::vector<ExampleRegistration> registrations;
};

Bytes Block(const ExampleRegistration& r) {
    const VoiceId v = r.right1;
    return Registration({Name(r.name, r.icon), Number(7, static_cast<std::uint32_t>(2 * r.style)),
                         Voice(11, v.msb, v.lsb, v.program), Voice(15, 0, 126, 16), Voice(19, 8, 0, 1, false),
                         Voice(23, 0, 1, 0), Harmony(true, 3), Tempo(static_cast<std::uint32_t>(r.tempo))});
}

const std::vector<ExampleBank>& Banks() {
    static const std::vector<ExampleBank> banks = {
        {"F\xFCr Elise", "005", "", {{"F\xFCr Elise", "101", 46, 72, kGrandPiano},
                                      {"M\xFCller Walzer", "102", 55, 96, kPianoKsp}}},
        {"Jazz Vol.2", "017", "1213", {{"Swing 1.5", "110", 109, 132, kBluesOrgan},
                                       {"Latin Club", "111", 84, 124, kSteelGuitar},
                                       {"Ballad", "112", 46, 68, kGrandPiano}}},
        {"Party Mix", "042", "", {{"Disco", "120", 68, 120, kBluesOrgan}}},
    };
    return banks;
}

bool WriteBank(const ExampleBank& example, const std::string& folder) {
    std::vector<Bytes> blocks;
    for (const ExampleRegistration& r : example.registrations) {
        blocks.push_back(Block(r));
    }
    const Bytes made = BankFile(blocks);
    ScriptedUserInterface ui;
    TyrosBank bank;
    bool warningCarry = false;
    if (!TyrosBankFile::Read(made, bank, ui, warningCarry).Succeeded()) {
        return false;
    }
    bank.inUse = true;
    bank.name = example.name;
    bank.iconCode = example.icon;
    if (!example.sequence.empty()) {
        bank.SetSequence(example.sequence, 1);
    }
    const std::string file =
        TyrosFileNames::BankFileName(TyrosFileNames::BankFileBase(example.name), example.icon);
    return FileSystem::WriteBytesSafely(FileSystem::WithSeparator(folder) + file, TyrosBankFile::Write(bank));
}

}  // namespace

bool WriteExample(const std::string& folder) {
    for (const ExampleBank& bank : Banks()) {
        if (!WriteBank(bank, folder)) {
            return false;
        }
    }
    return true;
}

}  // namespace kalivo::test::tyros
