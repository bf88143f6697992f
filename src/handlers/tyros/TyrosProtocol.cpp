#include "handlers/tyros/TyrosProtocol.h"

#include <array>
#include <string_view>

#include "common/protocol/TextProtocol.h"
#include "handlers/tyros/TyrosHandler.h"
#include "handlers/tyros/TyrosRegfile.h"

namespace kalivo {

using namespace tyros;

namespace {

constexpr const char* kTitle = "Tyros Registration Archive\n\n";
constexpr const char* kColumnsAfterFirst =
    "\tStyle\tMultiPad\tBank\tPart\tTempo\tRight1\tRight2\tRight3\tLeft\tSong\tSettings\n";

// The columns after the first; bank, part and song differ between the forms.
void AppendRow(std::string& out, const std::string& first, const TyrosRegistration& registration,
               const std::string& bankName, const std::string& part, const std::string& song) {
    const int tempo = registration.Tempo();
    const std::array<std::string, 12> fields{
        first,
        registration.StyleName(),
        registration.MultipadName(),
        bankName,
        part,
        tempo < 0 ? std::string("no tempo") : std::to_string(tempo),
        registration.VoiceName(VoicePart::Right1),
        registration.VoiceName(VoicePart::Right2),
        registration.VoiceName(VoicePart::Right3),
        registration.VoiceName(VoicePart::Left),
        song,
        TyrosProtocol::SettingsText(registration),
    };
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += TextProtocol::Field(fields[i]);
        out += i + 1 < fields.size() ? '\t' : '\n';
    }
}

}  // namespace

std::string TyrosProtocol::SettingsText(const TyrosRegistration& registration) {
    struct Token {
        const char* text;
        int firstGroup;
        int lastGroup;
    };
    static constexpr std::array<Token, 11> kTokens{{
        {"sty", group::kStyle, group::kStyle},
        {"vc", group::kRight1, group::kLeft},
        {"tt", group::kTuneTrans, group::kTuneTrans},
        {"scl", group::kScale, group::kScale},
        {"hrm", group::kHarmony, group::kHarmony},
        {"tpo", group::kTempo, group::kTempo},
        {"ped", group::kPedal, group::kPedal},
        {"mpd", group::kMultipad, group::kMultipad},
        {"sng", group::kSong, group::kSong},
        {"mic", group::kMic, group::kMic},
        {"lno", group::kLineOut, group::kLineOut},
    }};
    const std::uint32_t mask = registration.GroupMask();
    std::string text;
    for (const Token& token : kTokens) {
        bool present = false;
        for (int group = token.firstGroup; group <= token.lastGroup; ++group) {
            present |= ((mask >> group) & 1u) != 0;
        }
        if (present) {
            text += text.empty() ? "" : " ";
            text += token.text;
        }
    }
    return text;
}

std::string TyrosProtocol::OfBanks(const TyrosHandler& handler) {
    std::string out = std::string(kTitle) + "Registration" + kColumnsAfterFirst;
    for (int bankIndex = 0; bankIndex < kMaxBanks; ++bankIndex) {
        const TyrosBank* bank = handler.Bank(bankIndex);
        if (bank == nullptr) {
            continue;
        }
        for (int part = 0; part < kPartsPerBank; ++part) {
            const TyrosRegistration& registration = bank->registrations[static_cast<std::size_t>(part)];
            if (!registration.IsEmpty()) {
                AppendRow(out, registration.Name(), registration, bank->name, std::to_string(part + 1),
                          registration.SongName());
            }
        }
    }
    return out;
}

std::string TyrosProtocol::OfRegfiles(const TyrosHandler& handler) {
    std::string out = std::string(kTitle) + "File" + kColumnsAfterFirst;
    for (int index = 0; index < handler.EntryCount(); ++index) {
        const TyrosRegfileEntry& entry = *handler.Entry(index);
        const int part = TyrosRegfile::Part(entry.header);
        const std::string song = entry.registration.SongName();
        AppendRow(out, entry.title, entry.registration, TyrosRegfile::BankName(entry.header),
                  part < 0 ? std::string() : std::to_string(part + 1), song.empty() ? "no song" : song);
    }
    return out;
}

}  // namespace kalivo
