#pragma once
// What one registration shows, read with one call for an archive slot and a
// loaded regfile alike: the viewers and protocols of every model take it from
// here instead of asking field by field.
#include <array>
#include <string>

#include "handlers/StatusCodes.h"

namespace kalivo {

// Which registration: a slot of a bank, or a loaded regfile.
struct RegistrationRef {
    int regfile = -1;
    int bank = -1;
    int slot = -1;

    static RegistrationRef Regfile(int index) { return {index, -1, -1}; }
    static RegistrationRef Slot(int bank, int slot) { return {-1, bank, slot}; }
    bool IsRegfile() const { return regfile >= 0; }
};

// In the instrument's text. A field the model does not have stays empty.
struct RegistrationContent {
    Status status = Status::kDone;  // of the first field that could not be read
    std::string name;
    std::string style;
    std::string markedStyle;  // the style with the mark of a user style
    int tempo = 0;
    std::array<std::string, 4> voices;  // in the model's own order of voice parts
    std::string multiPad;
};

// Fills a RegistrationContent from a family's own field readers; a family
// without multi pads or a fourth voice simply has no reader for them.
template <class Family>
RegistrationContent ReadRegistrationContent(Family& family, const RegistrationRef& at) {
    RegistrationContent content;
    auto take = [&content](Status status) {
        if (content.status == Status::kDone) {
            content.status = status;
        }
    };
    if (at.IsRegfile()) {
        const int r = at.regfile;
        take(family.GetRegfileName(r, content.name));
        take(family.GetRegfileStyleName(r, content.style));
        content.markedStyle = content.style;
        take(family.GetRegfileTempo(r, content.tempo));
        take(family.GetRegfileVoiceName1(r, content.voices[0]));
        take(family.GetRegfileVoiceName2(r, content.voices[1]));
        take(family.GetRegfileVoiceName3(r, content.voices[2]));
        if constexpr (requires { family.GetRegfileVoiceName4(r, content.voices[3]); }) {
            take(family.GetRegfileVoiceName4(r, content.voices[3]));
        }
        if constexpr (requires { family.GetRegfileMultiPadName(r, content.multiPad); }) {
            take(family.GetRegfileMultiPadName(r, content.multiPad));
        }
        return content;
    }
    const int b = at.bank;
    const int s = at.slot;
    constexpr int kPlain = 0;
    constexpr int kMarked = 1;
    take(family.GetRegistrationName(b, s, content.name));
    take(family.GetStyleName(b, s, content.style, kPlain));
    take(family.GetStyleName(b, s, content.markedStyle, kMarked));
    take(family.GetTempo(b, s, content.tempo));
    take(family.GetVoiceName1(b, s, content.voices[0]));
    take(family.GetVoiceName2(b, s, content.voices[1]));
    take(family.GetVoiceName3(b, s, content.voices[2]));
    if constexpr (requires { family.GetVoiceName4(b, s, content.voices[3]); }) {
        take(family.GetVoiceName4(b, s, content.voices[3]));
    }
    if constexpr (requires { family.GetMultiPadName(b, s, content.multiPad); }) {
        take(family.GetMultiPadName(b, s, content.multiPad));
    }
    return content;
}

}  // namespace kalivo
