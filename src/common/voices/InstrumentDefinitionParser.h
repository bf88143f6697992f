#pragma once
// Instrument definition files (".ins"), the plain text sequencers use to name
// a synthesizer's voices: ".Patch Names" holds [subsections] of "n=Name"
// lines, ".Instrument Definitions" holds one [subsection] per instrument whose
// "Patch[bank]=" lines say which names each bank has. Other sections (notes,
// controllers, RPN, NRPN) are read past.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/voices/VoiceList.h"
#include "common/voices/VoiceListText.h"

namespace kalivo {

class InstrumentDefinitionParser {
public:
    explicit InstrumentDefinitionParser(std::string file) : file_(std::move(file)) {}

    // Whether the first line that is neither blank nor a comment opens a section.
    static bool LooksLikeDefinitions(const std::vector<VoiceListLine>& lines);

    // One list per instrument, in file order; nothing, with error set, when
    // a line is malformed or a reference leads nowhere.
    std::optional<std::vector<std::pair<std::string, VoiceList>>> Parse(const std::vector<VoiceListLine>& lines,
                                                                       std::string& error);

private:
    enum class Section { None, PatchNames, Instruments, Other };

    struct PatchNames {
        std::map<int, std::string> names;  // program -> name
        std::string basedOn;
        int basedOnLine = 0;
    };
    struct PatchRef {
        int bank;  // -1: any bank
        std::string subsection;
        int line;
    };
    struct Instrument {
        std::string name;
        int bankSelMethod = 0;
        std::vector<PatchRef> patches;
    };

    bool ReadLine(const VoiceListLine& line, std::string& error);
    bool ReadPatchName(const VoiceListLine& line, std::string_view key, std::string_view value, std::string& error);
    bool ReadInstrumentLine(const VoiceListLine& line, std::string_view key, std::string_view value,
                            std::string& error);
    bool Resolve(const std::string& subsection, int line, std::map<int, std::string>& names, std::string& error) const;
    bool AddBank(const Instrument& instrument, const PatchRef& patch, VoiceList& list, std::string& error) const;
    std::string Problem(int line, const std::string& what) const { return VoiceListText::Problem(file_, line, what); }

    std::string file_;
    Section section_ = Section::None;
    PatchNames* patchNames_ = nullptr;
    Instrument* instrument_ = nullptr;
    std::map<std::string, PatchNames> patchSections_;
    std::vector<Instrument> instruments_;
};

}  // namespace kalivo
