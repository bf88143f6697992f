#include "handlers/psr9000/Psr9000Protocol.h"

#include <array>
#include <vector>

#include "common/Format.h"
#include "common/protocol/HtmlProtocolPage.h"
#include "common/protocol/ProtocolFile.h"
#include "common/protocol/ProtocolPath.h"
#include "common/protocol/TextProtocol.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr9000/Psr9000FamilyHandler.h"

namespace kalivo {

namespace {

constexpr int kBanks = 64;
constexpr int kSlots = 8;

HtmlColumn Column(const char* label, const char* width, std::size_t field, bool centered = false, bool voice = false) {
    return HtmlColumn{label, width, width, field, centered, voice};
}

std::vector<HtmlColumn> VoiceColumns(std::vector<HtmlColumn> columns) {
    for (const char* label : {"Left", "R1", "R2", "R3"}) {
        columns.push_back(Column(label, "11%", 11, false, true));
    }
    return columns;
}

// One registration as the protocols list it.
struct Line {
    std::string name, style, markedStyle, bankName;
    int tempo = 0;
    std::array<std::string, 4> voices;
};

// The registration at (bank, slot); false when there is none.
bool ReadLine(ModelHandler& handler, int bank, int slot, Line& line) {
    std::string name;
    if (handler.GetRegistrationName(bank, slot, name) != Status::kDone) {
        return false;
    }
    const RegistrationContent content = handler.ContentOf(RegistrationRef::Slot(bank, slot));
    line = Line{content.name, content.style, content.markedStyle, std::string(), content.tempo, content.voices};
    handler.GetBankName(bank, line.bankName);
    return true;
}

Line ReadRegfileLine(ModelHandler& handler, int regfile, const std::string& title) {
    const RegistrationContent content = handler.ContentOf(RegistrationRef::Regfile(regfile));
    return Line{title, content.style, content.markedStyle, std::string(), content.tempo, content.voices};
}

std::string TempoText(int tempo) { return FormatNumbers("%3.3i", tempo); }

}  // namespace

bool Psr9000Protocol::AnyBankUsed() {
    std::string name;
    for (int bank = 0; bank < kBanks; ++bank) {
        if (handler_.GetRegistrationName(bank, 0, name) != Status::kBankNotInUse) {
            return true;
        }
    }
    return false;
}

Outcome Psr9000Protocol::WriteBanks(const std::string& path) {
    const ProtocolForm form = ProtocolPath::FormOf(path);
    if (form == ProtocolForm::None) {
        return {Status::kWrongProtocolEnding, ""};
    }
    if (!AnyBankUsed()) {
        return {Status::kNothingToWrite, ""};
    }
    return Write(path, form == ProtocolForm::Text ? BankText() : BankHtml());
}

Outcome Psr9000Protocol::WriteRegfiles(const std::string& path, int count) {
    if (count <= 0) {
        return {Status::kRegfileListEmpty, ""};
    }
    const ProtocolForm form = ProtocolPath::FormOf(path);
    if (form == ProtocolForm::None) {
        return {Status::kWrongProtocolEnding, ""};
    }
    return Write(path, form == ProtocolForm::Text ? RegfileText(count) : RegfileHtml(count));
}

Outcome Psr9000Protocol::Write(const std::string& path, const std::string& bytes) {
    if (!ProtocolFile::Write(path, bytes, handler_.ProtocolEncoding())) {
        return Outcome::Failed(Status::kProtocolNotCreated, InsertText("Error create protocol file %s", path));
    }
    return Outcome::Done();
}

std::string Psr9000Protocol::BankText() {
    TextProtocol text;
    text.Line(std::string(handler_.Model().protocolTitle) + " " + handler_.GetArchiveName());
    text.Line("");
    text.Fields({"Songname", "Style", "Bankname", "Bank", "Part", "Tempo", "Left", "R1", "R2", "R3"});
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int slot = 0; slot < kSlots; ++slot) {
            Line line;
            if (ReadLine(handler_, bank, slot, line)) {
                text.Fields({line.name, line.markedStyle, line.bankName, FormatNumbers("%i", bank + 1),
                             FormatNumbers("%i", slot + 1), TempoText(line.tempo), line.voices[0], line.voices[1],
                             line.voices[2], line.voices[3]});
            }
        }
    }
    return text.Bytes();
}

std::string Psr9000Protocol::BankHtml() {
    const Psr9000Model& model = handler_.Model();
    HtmlColumn title = Column("Title", "16%", 16);
    title.headerWidth = "16";
    HtmlProtocolPage page(
        model.htmlTitleIndent + HtmlProtocolPage::TitleWithName(model.protocolTitle, handler_.GetArchiveName()),
        VoiceColumns({title, Column("Style", "12%", 12), Column("Bankname", "16%", 16), Column("Bank", "6%", 2, true),
                      Column("Part", "6%", 2, true)}));
    std::string name;
    for (int bank = 0; bank < kBanks; ++bank) {
        if (handler_.GetRegistrationName(bank, 0, name) == Status::kBankNotInUse) {
            continue;
        }
        for (int slot = 0; slot < kSlots; ++slot) {
            page.BeforePosition();
            Line line;
            if (ReadLine(handler_, bank, slot, line)) {
                page.AddRow({line.name, line.style, line.bankName, FormatNumbers("%2i", bank + 1),
                             FormatNumbers(" %i", slot + 1), line.voices[0], line.voices[1], line.voices[2],
                             line.voices[3]});
            }
        }
    }
    return page.Finish();
}

std::string Psr9000Protocol::RegfileText(int count) {
    StringList titles;
    handler_.ListRegfiles(titles);
    TextProtocol text;
    text.Line(handler_.Model().protocolTitle);
    text.Line("");
    text.Fields({"Filename", "Style", "Tempo", "Left", "R1", "R2", "R3"});
    for (int regfile = 0; regfile < count && regfile < static_cast<int>(titles.size()); ++regfile) {
        const Line line = ReadRegfileLine(handler_, regfile, titles[static_cast<std::size_t>(regfile)]);
        text.Fields({line.name, line.style, TempoText(line.tempo), line.voices[0], line.voices[1], line.voices[2],
                     line.voices[3]});
    }
    return text.Bytes();
}

std::string Psr9000Protocol::RegfileHtml(int count) {
    StringList titles;
    handler_.ListRegfiles(titles);
    const Psr9000Model& model = handler_.Model();
    HtmlProtocolPage page(model.htmlTitleIndent + std::string(model.protocolTitle),
                          VoiceColumns({Column("Filename", "44%", 50), Column("Style", "12%", 12)}));
    for (int regfile = 0; regfile < count && regfile < static_cast<int>(titles.size()); ++regfile) {
        page.BeforePosition();
        const Line line = ReadRegfileLine(handler_, regfile, titles[static_cast<std::size_t>(regfile)]);
        page.AddRow({line.name, line.style, line.voices[0], line.voices[1], line.voices[2], line.voices[3]});
    }
    return page.Finish();
}

}  // namespace kalivo
