#include "cli/ConsoleUserInterface.h"

#include <array>
#include <ostream>
#include <utility>

namespace kalivo {

ConsoleUserInterface::ConsoleUserInterface(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

std::string ConsoleUserInterface::OneLine(std::string text) {
    // Line breaks, and any other control character a damaged name may hold,
    // would split or garble the line a script reads.
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            c = ' ';
        }
    }
    return text;
}

void ConsoleUserInterface::Say(const std::string& text) { err_ << "kalivo-cli: " << OneLine(text) << '\n'; }

void ConsoleUserInterface::ShowMessage(const std::string& text, const std::string&) { Say(text); }

bool ConsoleUserInterface::AskYesNo(const std::string& text, const std::string&) {
    Say(text + (answerYes_ ? " -> yes" : " -> no"));
    return answerYes_;
}

Answer ConsoleUserInterface::AskYesNoCancel(const std::string& text, const std::string&) {
    Say(text + (answerYes_ ? " -> yes" : " -> no"));
    return answerYes_ ? Answer::Yes : Answer::No;
}

std::string ConsoleUserInterface::ChooseFolder(const std::string&) { return std::string(); }

std::optional<SaveAsChoice> ConsoleUserInterface::ChooseSaveFile(const SaveAsRequest&) { return std::nullopt; }

int ConsoleUserInterface::SelectArchive(const std::vector<std::string>&) { return -1; }

std::optional<std::vector<int>> ConsoleUserInterface::SelectBanks(const std::vector<std::string>&) {
    return std::nullopt;
}

std::string ConsoleUserInterface::ChangeArchiveName(const ArchiveNameRequest&) { return std::string(); }

std::string ConsoleUserInterface::ChangeName(const std::string&, int) { return std::string(); }

int ConsoleUserInterface::SelectModel(const std::vector<std::string>&) { return -1; }

bool ConsoleUserInterface::EditOptions(const std::string&, StyleArchiveOptions&) { return false; }

bool ConsoleUserInterface::AskFlashStyles() { return false; }

void ConsoleUserInterface::ShowAbout() { Say("KALIVO  Version 1.24"); }

std::optional<EditBankResult> ConsoleUserInterface::EditBank(const EditBankRequest&) { return std::nullopt; }

std::optional<std::string> ConsoleUserInterface::EditIcon(const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<std::string> ConsoleUserInterface::SelectIcon(const SelectIconRequest&) { return std::nullopt; }

void ConsoleUserInterface::ViewBank(const ViewBankRequest&) {}

void ConsoleUserInterface::ViewTyrosRegistration(const TyrosRegistrationView&) {}

std::optional<std::vector<bool>> ConsoleUserInterface::CopyRegistrationSettings(const CopySettingsRequest&) {
    return std::nullopt;
}

std::optional<GpBlockBoxStates> ConsoleUserInterface::CopyGpBlocks(const GpBlockCopyRequest&) { return std::nullopt; }

void ConsoleUserInterface::ViewCvp2Registration(const Cvp2RegistrationView& view) {
    static constexpr std::array<const char*, kGpBlockSettings> kSettings{
        "Style", "Main", "Layer", "Left", "Tune Trans", "Scale", "Harmony", "Tempo", "Pedal", "Multi Pad", "Song/Mic",
    };
    Say("Registration: " + view.name);
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        Say(std::string(kSettings[i]) + ": " + view.settings[i]);
    }
    for (std::size_t i = 0; i < view.captions.size(); ++i) {
        if (!view.captions[i].empty()) {
            Say(view.captions[i] + " " + view.values[i]);
        }
    }
}

void ConsoleUserInterface::ViewRegistration(const RegistrationView& view) {
    const std::pair<const char*, const std::string*> lines[] = {
        {"Title:", &view.title},        {"Style:", &view.style},          {"Tempo:", &view.tempo},
        {"L/Left:", &view.voices[0]},   {"R1/Layer:", &view.voices[1]},   {"R2/Main:", &view.voices[2]},
        {"R3/Lead:", &view.voices[3]},
    };
    for (const auto& [label, value] : lines) {
        Say(std::string(label) + " " + *value);
    }
}

}  // namespace kalivo
