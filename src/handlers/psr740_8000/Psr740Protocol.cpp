#include "handlers/psr740_8000/Psr740Protocol.h"

#include <vector>

#include "common/Format.h"
#include "common/protocol/HtmlProtocolPage.h"
#include "common/protocol/ProtocolFile.h"
#include "common/protocol/ProtocolPath.h"
#include "common/protocol/TextProtocol.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr740_8000/Psr740FamilyHandler.h"

namespace kalivo {

namespace {

enum class Field { Title, Style, MarkedStyle, Bank, Part, Tempo, Left, Right1, Right2, Lead };

struct Columns {
    const char* textHeader;
    std::vector<Field> textFields;
    std::vector<HtmlColumn> html;
    std::vector<Field> htmlFields;
};

struct Layout {
    const char* textTempo;  // printf pattern of the text protocols' tempo
    Columns banks;
    Columns regfiles;
};

HtmlColumn Plain(const char* label, const char* width, std::size_t characters) {
    return HtmlColumn{label, width, width, characters, false, false};
}
HtmlColumn Centred(const char* label, const char* width) { return HtmlColumn{label, width, width, 2, true, false}; }
HtmlColumn Voice(const char* label, const char* width) { return HtmlColumn{label, width, width, 11, false, true}; }
HtmlColumn TitleColumn() { return HtmlColumn{"Title", "18", "18%", 16, false, false}; }

const Layout& Psr740Layout() {
    static const Layout layout{
        "%i",
        {"Songname\tStyle\tBank\tPart\tTempo\tR1\tR2\tL",
         {Field::Title, Field::MarkedStyle, Field::Bank, Field::Part, Field::Tempo, Field::Right1, Field::Right2,
          Field::Left},
         {TitleColumn(), Plain("Style", "16%", 12), Centred("Bank", "8%"), Centred("Part", "8%"),
          Plain("Tempo", "8%", 3), Voice("L", "14%"), Voice("R1", "14%"), Voice("R2", "14%")},
         {Field::Title, Field::Style, Field::Bank, Field::Part, Field::Tempo, Field::Left, Field::Right1,
          Field::Right2}},
        {"Filename\tStyle\tTempo\tL\tR1\tR2",
         {Field::Title, Field::Style, Field::Tempo, Field::Left, Field::Right1, Field::Right2},
         {Plain("Filename", "44%", 50), Plain("Style", "12%", 12), Plain("Tempo", " 8%", 3), Voice("L", "12%"),
          Voice("R1", "12%"), Voice("R2", "12%")},
         {Field::Title, Field::Style, Field::Tempo, Field::Left, Field::Right1, Field::Right2}},
    };
    return layout;
}

const Layout& Psr8000Layout() {
    static const Layout layout{
        "%3.3i",
        {"Songname\tStyle\tBank\tPart\tTempo\tLeft\tRight 1\tRight 2\tLead",
         {Field::Title, Field::MarkedStyle, Field::Bank, Field::Part, Field::Tempo, Field::Left, Field::Right1,
          Field::Right2, Field::Lead},
         {TitleColumn(), Plain("Style", "16%", 12), Centred("Bank", "7%"), Centred("Part", "7%"),
          Voice("Left", "13%"), Voice("Right 1", "13%"), Voice("Right 2", "13%"), Voice("Lead", "13%")},
         {Field::Title, Field::Style, Field::Bank, Field::Part, Field::Left, Field::Right1, Field::Right2,
          Field::Lead}},
        {"Filename\tStyle\tTempo\tLeft\tR1\tR2\tLead",
         {Field::Title, Field::Style, Field::Tempo, Field::Left, Field::Right1, Field::Right2, Field::Lead},
         {Plain("Filename", "44%", 50), Plain("Style", "12%", 12), Voice("Left", "11%"), Voice("R1", "11%"),
          Voice("R2", "11%"), Voice("R3", "11%")},
         {Field::Title, Field::Style, Field::Left, Field::Right1, Field::Right2, Field::Lead}},
    };
    return layout;
}

const Layout& LayoutOf(const Psr740Model& model) {
    return &model == &Psr740Model::Psr740() ? Psr740Layout() : Psr8000Layout();
}

// The fields of one registration: of regfile entry regfile when it is 0 or
// more, else of (bank, slot).
class RowReader {
public:
    RowReader(Psr740FamilyHandler& handler, const Layout& layout, int regfile, int bank, int slot)
        : handler_(handler),
          layout_(layout),
          regfile_(regfile),
          bank_(bank),
          slot_(slot),
          content_(handler.ContentOf(regfile >= 0 ? RegistrationRef::Regfile(regfile)
                                                  : RegistrationRef::Slot(bank, slot))) {}

    std::string Text(Field field) const { return Value(field, false); }
    std::string Html(Field field) const { return Value(field, true); }

private:
    std::string Value(Field field, bool html) const;

    Psr740FamilyHandler& handler_;
    const Layout& layout_;
    int regfile_;
    int bank_;
    int slot_;
    RegistrationContent content_;
};

std::string RowReader::Value(Field field, bool html) const {
    switch (field) {
        case Field::Title: return regfile_ >= 0 ? handler_.Regfiles().Entry(regfile_)->title : content_.name;
        case Field::Style: return content_.style;
        case Field::MarkedStyle: return content_.markedStyle;
        case Field::Bank: return FormatNumbers(html ? "%2i" : "%i", bank_ + 1);
        case Field::Part: return FormatNumbers(html ? " %i" : "%i", slot_ + 1);
        case Field::Tempo:
            return html ? Psr740Protocol::HtmlTempo(content_.tempo) : FormatNumbers(layout_.textTempo, content_.tempo);
        case Field::Left: return content_.voices[0];
        case Field::Right1: return content_.voices[1];
        case Field::Right2: return content_.voices[2];
        case Field::Lead: return content_.voices[3];
    }
    return std::string();
}

// Collects the rows of one protocol in the form its path asks for.
class ProtocolBuilder {
public:
    ProtocolBuilder(ProtocolForm form, const Columns& columns, const std::string& textTitle,
                    const std::string& htmlTitle)
        : form_(form), columns_(columns), page_("   " + htmlTitle, columns.html) {
        text_.Line(textTitle);
        text_.Line("");
        text_.Line(columns.textHeader);
    }

    void BeforePosition() {
        if (form_ == ProtocolForm::Html) {
            page_.BeforePosition();
        }
    }
    void Row(RowReader reader) {
        std::vector<std::string> fields;
        if (form_ == ProtocolForm::Html) {
            for (Field field : columns_.htmlFields) {
                fields.push_back(reader.Html(field));
            }
            page_.AddRow(fields);
            return;
        }
        for (Field field : columns_.textFields) {
            fields.push_back(reader.Text(field));
        }
        text_.Fields(fields);
    }
    std::string Bytes() const { return form_ == ProtocolForm::Html ? page_.Finish() : text_.Bytes(); }

private:
    ProtocolForm form_;
    const Columns& columns_;
    TextProtocol text_;
    HtmlProtocolPage page_;
};

Outcome Write(const std::string& path, const std::string& bytes, TextEncoding encoding) {
    if (!ProtocolFile::Write(path, bytes, encoding)) {
        return Outcome::Failed(Status::kProtocolNotCreated, "Protocol file " + path + " cannot be written.");
    }
    return Outcome::Done();
}

}  // namespace

std::string Psr740Protocol::HtmlTempo(int tempo) {
    std::string text = FormatNumbers("%3.3i", tempo);
    if (text[0] == '0') {
        text[0] = ' ';
    }
    return text;
}

Outcome Psr740Protocol::WriteBanks(Psr740FamilyHandler& handler, const std::string& path) {
    const ProtocolForm form = ProtocolPath::FormOf(path);
    if (form == ProtocolForm::None) {
        return {Status::kWrongProtocolEnding, ""};
    }
    const Psr740Model& model = handler.Model();
    if (!handler.Memory().AnyBankUsed()) {
        return {Status::kNothingToWrite, ""};
    }
    const Layout& layout = LayoutOf(model);
    const std::string archive = handler.GetArchiveName();
    ProtocolBuilder builder(form, layout.banks,
                            std::string(model.protocolModel) + " Registration Archive " + archive,
                            HtmlProtocolPage::TitleWithName(model.htmlTitle, archive));
    for (int bank = 0; bank < model.banks; ++bank) {
        for (int slot = 0; slot < model.slots && handler.Memory().IsUsed(bank); ++slot) {
            builder.BeforePosition();
            if (!handler.Memory().IsEmpty(bank, slot)) {
                builder.Row(RowReader(handler, layout, -1, bank, slot));
            }
        }
    }
    return Write(path, builder.Bytes(), handler.ProtocolEncoding());
}

Outcome Psr740Protocol::WriteRegfiles(Psr740FamilyHandler& handler, const std::string& path) {
    const ProtocolForm form = ProtocolPath::FormOf(path);
    if (form == ProtocolForm::None) {
        return {Status::kWrongProtocolEnding, ""};
    }
    const Psr740Model& model = handler.Model();
    const int count = static_cast<int>(handler.Regfiles().Entries().size());
    if (count == 0) {
        return {Status::kRegfileListEmpty, ""};
    }
    const Layout& layout = LayoutOf(model);
    ProtocolBuilder builder(form, layout.regfiles, std::string(model.protocolModel) + " Registration Archive",
                            model.htmlTitle);
    for (int index = 0; index < count; ++index) {
        builder.BeforePosition();
        builder.Row(RowReader(handler, layout, index, -1, -1));
    }
    return Write(path, builder.Bytes(), handler.ProtocolEncoding());
}

}  // namespace kalivo
