#include "handlers/cvp2_psr2000/Cvp2Protocol.h"

#include "common/Format.h"
#include "common/protocol/HtmlProtocolPage.h"
#include "common/protocol/TextProtocol.h"
#include "handlers/cvp2_psr2000/Cvp2FamilyHandler.h"

namespace kalivo {

using namespace s917;

namespace {

constexpr const char* kRowEnd = "    </TR>";

HtmlColumn Column(const char* label, const char* width, std::size_t field, bool centered = false,
                  bool voice = false) {
    HtmlColumn column;
    column.label = label;
    column.headerWidth = width;
    column.rowWidth = width;
    column.fieldWidth = field;
    column.centered = centered;
    column.voiceLabel = voice;
    column.centeredGap = 1;
    return column;
}

std::vector<HtmlColumn> BankColumns() {
    HtmlColumn part = Column("Part", "7%", 2, true);
    part.rowWidth = "07%";
    return {
        Column("Title", "18%", 16),      Column("Style", "16%", 12),
        Column("Bank", "20%", 12, true), part,
        Column("Main", "13%", 11, false, true),
        Column("Layer", "13%", 11, false, true),
        Column("Left", "13%", 11, false, true),
    };
}

std::vector<HtmlColumn> RegfileColumns() {
    return {
        Column("Filename", "43%", 50),
        Column("Style", "12%", 12),
        Column("Main", "15%", 11, false, true),
        Column("Layer", "15%", 11, false, true),
        Column("Left", "15%", 11, false, true),
    };
}

// What one row of either protocol shows.
struct Row {
    std::string name, style, multiPad, tempo, main, layer, left, settings;
};

// The model's voices in ContentOf's order: left, main, layer.
Row RowOf(const RegistrationContent& content) {
    Row row;
    row.name = content.name;
    row.style = content.style;
    row.multiPad = content.multiPad;
    row.main = content.voices[1];
    row.layer = content.voices[2];
    row.left = content.voices[0];
    return row;
}

Row BankRow(Cvp2FamilyHandler& handler, int bank, int slot) {
    const RegistrationContent content = handler.ContentOf(RegistrationRef::Slot(bank, slot));
    Row row = RowOf(content);
    row.tempo = FormatNumbers("%i", content.tempo);
    handler.GetSettingsAbbreviation(-1, bank, slot, row.settings);
    return row;
}

Row RegfileRow(Cvp2FamilyHandler& handler, int index) {
    const RegistrationContent content = handler.ContentOf(RegistrationRef::Regfile(index));
    Row row = RowOf(content);
    row.name = handler.Entry(index)->name;
    row.tempo = content.tempo < 0 ? std::string() : FormatNumbers("%i", content.tempo);
    handler.GetSettingsAbbreviation(index, -1, -1, row.settings);
    return row;
}

void Title(TextProtocol& text, const char* title) {
    text.Line(title);
    text.Line(std::string());
}

}  // namespace

std::string Cvp2Protocol::OfBanks(Cvp2FamilyHandler& handler, bool html) {
    TextProtocol text;
    HtmlProtocolPage page(HtmlProtocolPage::TitleWithName(handler.Model().htmlTitle, handler.GetArchiveName()),
                          BankColumns());
    page.SetRowEndLine(kRowEnd);
    Title(text, handler.Model().textTitleBanks);
    text.Line("Songname\tStyle\tMultiPad\tBank\tPart\tTempo\tMain\tLayer\tLeft\tSettings");
    for (int bank = 0; bank < kMaxBanks; ++bank) {
        if (handler.Bank(bank) == nullptr) {
            continue;
        }
        std::string bankName;
        handler.GetBankName(bank, bankName);
        for (int slot = 0; slot < kSlotsPerBank; ++slot) {
            page.BeforePosition();
            if (handler.Registration(bank, slot) == nullptr) {
                continue;
            }
            const Row row = BankRow(handler, bank, slot);
            const std::string part = FormatNumbers("%i", slot + 1);
            text.Fields({row.name, row.style, row.multiPad, bankName, part, row.tempo, row.main, row.layer, row.left,
                         row.settings});
            page.AddRow({row.name, row.style, bankName, " " + part, row.main, row.layer, row.left});
        }
    }
    return html ? page.Finish() : text.Bytes();
}

std::string Cvp2Protocol::OfRegfiles(Cvp2FamilyHandler& handler, bool html) {
    TextProtocol text;
    HtmlProtocolPage page(handler.Model().htmlTitle, RegfileColumns());
    page.SetRowEndLine(kRowEnd);
    Title(text, handler.Model().textTitleRegfiles);
    text.Line("Filename\tStyle\tMultiPad\tTempo\tMain\tLayer\tLeft\tSettings");
    for (int index = 0; index < handler.EntryCount(); ++index) {
        page.BeforePosition();
        const Row row = RegfileRow(handler, index);
        text.Fields({row.name, row.style, row.multiPad, row.tempo, row.main, row.layer, row.left, row.settings});
        page.AddRow({row.name, row.style, row.main, row.layer, row.left});
    }
    return html ? page.Finish() : text.Bytes();
}

}  // namespace kalivo
