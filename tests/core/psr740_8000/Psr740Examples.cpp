#include "core/psr740_8000/Psr740Examples.h"

#include "common/fs/TextFile.h"
#include "core/psr740_8000/Psr740TestSupport.h"

namespace kalivo::test::psr {

namespace {

// Bank select MSB, LSB, program of a few PSR-740 voices.
constexpr Voice kGrandPno{0, 0, 0};
constexpr Voice kEPiano1{0, 0, 4};
constexpr Voice kDrawOrgn{0, 0, 16};
constexpr Voice kJazzGtr{0, 0, 26};
constexpr Voice kAcoBass{0, 0, 32};
constexpr Voice kFngrBass{0, 0, 33};
constexpr Voice kStrings1{0, 0, 48};
constexpr Voice kTrumpet{0, 0, 56};
constexpr Voice kAltoSax{0, 0, 65};

Voice Number(int number) { return Voice{0, 0, 0, number}; }

std::vector<Placed> Psr740Registrations() {
    return {
        {0, 0, {"Evening", 36, 72, {kAcoBass, kGrandPno, kStrings1}}},
        {0, 1, {"Evening", 22, 66, {kFngrBass, kEPiano1, kStrings1}}},
        {0, 3, {"Evening", 160, 84, {kAcoBass, kGrandPno, kAltoSax}}},
        {1, 0, {"Jazz Club", 70, 132, {kAcoBass, kJazzGtr, kTrumpet}}},
        {1, 1, {"Jazz Club", 161, 112, {kAcoBass, kDrawOrgn, kAltoSax}}},
        {2, 0, {"Rock Night", 40, 126, {kFngrBass, kDrawOrgn, kJazzGtr}}},
    };
}

std::vector<Placed> Psr8000Registrations() {
    return {
        {0, 0, {"Grand Intro", 52, 76, {Number(80), Number(0), Number(1), Number(0x4000)}}},
        {0, 1, {"Stage Keys", 17, 104, {Number(81), Number(9), Number(12), Number(0)}}},
        {0, 2, {"My Groove", 214, 98, {Number(82), Number(59), Number(0x8000), Number(61)}}},
        {3, 0, {"Bebop Set", 132, 168, {Number(80), Number(61), Number(14), Number(0)}}},
        {3, 4, {"Bossa Night", 150, 124, {Number(80), Number(65), Number(2), Number(0x8001)}}},
    };
}

// A style archive as Options' "Ask for custom-style-archive" picks it: a user
// file whose style section names set 001, beside the STY.MNG holding that set's names.
bool WriteStyleArchive(const std::string& folder, const std::string& modelLine,
                       const std::vector<std::string>& styles) {
    const std::vector<std::string> userFile = {"STYLES  USR   ", "DISKFFF       ", "M_NUM00000    ", "C_NUM00000    ",
                                               modelLine + std::string(14 - modelLine.size(), ' '),
                                               "STY           ", "S__00101STY   ", "S__00102STY   "};
    return FileSystem::CreateDirectory(folder) &&
           TextFile::WriteLines(FileSystem::WithSeparator(folder) + "STYLES.USR", userFile) &&
           TextFile::WriteLines(FileSystem::WithSeparator(folder) + "STY.MNG", styles);
}

}  // namespace

bool WriteExample(const std::string& model, const std::string& folder) {
    ScriptedUserInterface ui;
    const bool is740 = model == "psr740";
    std::unique_ptr<Psr740FamilyHandler> handler;
    if (is740) {
        handler = std::make_unique<Psr740Handler>(ui);
    } else {
        handler = std::make_unique<Psr8000Handler>(ui);
    }
    handler->CreateStore();
    Fill(*handler, is740 ? Psr740Registrations() : Psr8000Registrations());
    if (is740) {
        handler->RenameRegistration(2, 0, "Rock Night");
    }
    const std::vector<std::string> styles =
        is740 ? std::vector<std::string>{"S__00101", "Late Ballad", "S__00102", "Club Swing"}
              : std::vector<std::string>{"S__00101", "Funky Groove", "S__00102", "Latin Mix"};
    return handler->StoreArchive("DEMO", FileSystem::WithSeparator(folder), 0) == Status::kDone &&
           TextFile::WriteLines(FileSystem::WithSeparator(folder) + "STY.MNG", styles) &&
           WriteStyleArchive(FileSystem::WithSeparator(folder) + "styles", is740 ? "PSR-740" : "PSR-8000", styles);
}

}  // namespace kalivo::test::psr
