#include "common/voices/InstrumentDefinitionParser.h"

#include <set>

#include "common/text/Cp1252.h"

namespace kalivo {
namespace {

constexpr int kMaxBank = 16383;
constexpr int kMaxProgram = 127;

bool IsComment(std::string_view text) { return text.empty() || text.front() == ';'; }

// Names in messages are shown, so they go out as UTF-8.
std::string Quoted(std::string_view name) { return "[" + Cp1252::ToUtf8(name) + "]"; }

}  // namespace

bool InstrumentDefinitionParser::LooksLikeDefinitions(const std::vector<VoiceListLine>& lines) {
    for (const VoiceListLine& line : lines) {
        const std::string_view text = VoiceListText::Trim(line.text);
        if (!IsComment(text)) {
            return text.front() == '.';
        }
    }
    return false;
}

std::optional<std::vector<std::pair<std::string, VoiceList>>> InstrumentDefinitionParser::Parse(
    const std::vector<VoiceListLine>& lines, std::string& error) {
    for (const VoiceListLine& line : lines) {
        if (!ReadLine(line, error)) {
            return std::nullopt;
        }
    }
    if (instruments_.empty()) {
        error = Problem(0, "no instrument in its .Instrument Definitions section");
        return std::nullopt;
    }
    std::vector<std::pair<std::string, VoiceList>> lists;
    for (const Instrument& instrument : instruments_) {
        VoiceList list;
        for (const PatchRef& patch : instrument.patches) {
            if (!AddBank(instrument, patch, list, error)) {
                return std::nullopt;
            }
        }
        lists.emplace_back(instrument.name, std::move(list));
    }
    return lists;
}

bool InstrumentDefinitionParser::ReadLine(const VoiceListLine& line, std::string& error) {
    const std::string_view text = VoiceListText::Trim(line.text);
    if (IsComment(text)) {
        return true;
    }
    if (text.front() == '.') {
        const std::string_view name = VoiceListText::Trim(text.substr(1));
        section_ = VoiceListText::EqualsNoCase(name, "Patch Names")              ? Section::PatchNames
                   : VoiceListText::EqualsNoCase(name, "Instrument Definitions") ? Section::Instruments
                                                                                 : Section::Other;
        patchNames_ = nullptr;
        instrument_ = nullptr;
        return true;
    }
    if (section_ == Section::Other || section_ == Section::None) {
        return true;  // note, controller and parameter names say nothing about voices
    }
    if (text.front() == '[') {
        if (text.back() != ']') {
            error = Problem(line.number, "a subsection name without its closing ]");
            return false;
        }
        const std::string name(VoiceListText::Trim(text.substr(1, text.size() - 2)));
        if (name.empty()) {
            // Nothing could refer to it, and an unnamed instrument could not be chosen.
            error = Problem(line.number, "a subsection without a name");
            return false;
        }
        if (section_ == Section::PatchNames) {
            patchNames_ = &patchSections_[name];  // a repeated subsection adds to the first
        } else {
            instruments_.push_back({name, 0, {}});
            instrument_ = &instruments_.back();
        }
        return true;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        error = Problem(line.number, "neither a [subsection] nor a key=value line");
        return false;
    }
    const std::string_view key = VoiceListText::Trim(text.substr(0, equals));
    const std::string_view value = VoiceListText::Trim(text.substr(equals + 1));
    if (section_ == Section::PatchNames) {
        return patchNames_ == nullptr || ReadPatchName(line, key, value, error);
    }
    return instrument_ == nullptr || ReadInstrumentLine(line, key, value, error);
}

bool InstrumentDefinitionParser::ReadPatchName(const VoiceListLine& line, std::string_view key, std::string_view value,
                                               std::string& error) {
    if (VoiceListText::EqualsNoCase(key, "BasedOn")) {
        patchNames_->basedOn = value;
        patchNames_->basedOnLine = line.number;
        return true;
    }
    const auto program = VoiceListText::Number(key);
    if (!program) {
        return true;  // other keys of the format name nothing we show
    }
    if (*program < 0 || *program > kMaxProgram) {
        error = Problem(line.number, "program " + std::string(key) + " is outside 0..127");
        return false;
    }
    if (!value.empty()) {
        patchNames_->names.try_emplace(*program, value);
    }
    return true;
}

bool InstrumentDefinitionParser::ReadInstrumentLine(const VoiceListLine& line, std::string_view key,
                                                    std::string_view value, std::string& error) {
    if (VoiceListText::EqualsNoCase(key, "BankSelMethod")) {
        const auto method = VoiceListText::Number(value);
        if (!method || *method < 0 || *method > 3) {
            error = Problem(line.number, "BankSelMethod " + std::string(value) + " is not one of 0..3");
            return false;
        }
        instrument_->bankSelMethod = *method;
        return true;
    }
    if (key.size() < 7 || !VoiceListText::EqualsNoCase(key.substr(0, 6), "Patch[") || key.back() != ']') {
        return true;  // drum flags, key names, controller sets: not voices
    }
    const std::string_view bankText = VoiceListText::Trim(key.substr(6, key.size() - 7));
    int bank = -1;
    if (bankText != "*") {
        const auto number = VoiceListText::Number(bankText);
        if (!number || *number < 0 || *number > kMaxBank) {
            error = Problem(line.number, "bank " + std::string(bankText) + " is outside 0..16383");
            return false;
        }
        bank = *number;
    }
    instrument_->patches.push_back({bank, std::string(value), line.number});
    return true;
}

// The names of a subsection, with the ones it inherits through BasedOn=
// where it gives none of its own.
bool InstrumentDefinitionParser::Resolve(const std::string& subsection, int line, std::map<int, std::string>& names,
                                         std::string& error) const {
    std::set<std::string> seen;
    std::string current = subsection;
    int referredAt = line;
    while (true) {
        const auto it = patchSections_.find(current);
        if (it == patchSections_.end()) {
            error = Problem(referredAt, Quoted(current) + " is not in the .Patch Names section");
            return false;
        }
        if (!seen.insert(current).second) {
            error = Problem(referredAt, "BasedOn=" + Cp1252::ToUtf8(current) + " leads back to itself");
            return false;
        }
        names.insert(it->second.names.begin(), it->second.names.end());  // the nearer name stays
        if (it->second.basedOn.empty()) {
            return true;
        }
        referredAt = it->second.basedOnLine;
        current = it->second.basedOn;
    }
}

bool InstrumentDefinitionParser::AddBank(const Instrument& instrument, const PatchRef& patch, VoiceList& list,
                                         std::string& error) const {
    std::map<int, std::string> names;
    if (!Resolve(patch.subsection, patch.line, names, error)) {
        return false;
    }
    int msb = VoiceList::kAny;
    int lsb = VoiceList::kAny;
    if (patch.bank >= 0) {
        switch (instrument.bankSelMethod) {
            case 0: msb = patch.bank >> 7; lsb = patch.bank & 0x7F; break;
            case 1: msb = patch.bank; break;  // the bank number is the MSB alone
            case 2: lsb = patch.bank; break;  // the bank number is the LSB alone
            default: break;                   // program changes only: any bank
        }
        if ((instrument.bankSelMethod == 1 || instrument.bankSelMethod == 2) && patch.bank > 127) {
            error = Problem(patch.line, "bank " + std::to_string(patch.bank) +
                                            " is outside 0..127, which BankSelMethod=" +
                                            std::to_string(instrument.bankSelMethod) + " allows");
            return false;
        }
    }
    for (auto& [program, name] : names) {
        list.Add(msb, lsb, program, std::move(name));
    }
    return true;
}

}  // namespace kalivo
