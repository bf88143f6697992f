#include "handlers/cvp2_psr2000/S917Protocol.h"

#include "common/Format.h"
#include "common/protocol/HtmlProtocolPage.h"
#include "common/protocol/TextProtocol.h"
#include "handlers/cvp2_psr2000/S917Handler.h"

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

Row BankRow(S917Handler& handler, int bank, int slot) {
    Row row;
    int tempo = -1;
    handler.GetRegistrationName(bank, slot, row.name);
    handler.GetStyleName(bank, slot, row.style, 0);
    handler.GetMultiPadName(bank, slot, row.multiPad);
    handler.GetTempo(bank, slot, tempo);
    row.tempo = FormatNumbers("%i", tempo);
    handler.GetVoiceName2(bank, slot, row.main);
    handler.GetVoiceName3(bank, slot, row.layer);
    handler.GetVoiceName1(bank, slot, row.left);
    handler.GetSettingsAbbreviation(-1, bank, slot, row.settings);
    return row;
}

Row RegfileRow(S917Handler& handler, int index) {
    Row row;
    int tempo = -1;
    row.name = handler.Entry(index)->name;
    handler.GetRegfileStyleName(index, row.style);
    handler.GetRegfileMultiPadName(index, row.multiPad);
    handler.GetRegfileTempo(index, tempo);
    row.tempo = tempo < 0 ? std::string() : FormatNumbers("%i", tempo);
    handler.GetRegfileVoiceName2(index, row.main);
    handler.GetRegfileVoiceName3(index, row.layer);
    handler.GetRegfileVoiceName1(index, row.left);
    handler.GetSettingsAbbreviation(index, -1, -1, row.settings);
    return row;
}

void Title(TextProtocol& text, const char* title) {
    text.Line(title);
    text.Line(std::string());
}

}  // namespace

std::string S917Protocol::OfBanks(S917Handler& handler, bool html) {
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

std::string S917Protocol::OfRegfiles(S917Handler& handler, bool html) {
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
