#include "common/protocol/HtmlProtocolPage.h"

#include <utility>

namespace kalivo {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kTableOpen =
    "<TABLE BORDER CELLSPACING=0 BORDERCOLOR=\"#FF0000\" CELLPADDING=4 ALIGN=CENTER WIDTH=940>";
constexpr const char* kBodyDiv =
    "<div style=\"color:rgb(0,0,0);font-size:15px;font-family:Arial,Helvetica;width:100%;\">";

}  // namespace

HtmlProtocolPage::HtmlProtocolPage(std::string titleLine, std::vector<HtmlColumn> columns)
    : columns_(std::move(columns)) {
    AppendHead(titleLine);
}

std::string HtmlProtocolPage::Field(const std::string& value, std::size_t width) {
    if (width == 0) {
        return value;
    }
    // Names are single-byte Windows-1252, so a byte cut never splits a character.
    std::string field = value.substr(0, width);
    field.resize(width, ' ');
    return field;
}

std::string HtmlProtocolPage::EscapeHtml(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default: escaped += c; break;
        }
    }
    return escaped;
}

std::string HtmlProtocolPage::TitleWithName(const std::string& title, const std::string& name, std::size_t width) {
    return title + " " + EscapeHtml(Field(name, width));
}

void HtmlProtocolPage::AppendLine(const std::string& line) {
    text_ += line;
    text_ += kLineEnd;
}

void HtmlProtocolPage::AppendHead(const std::string& titleLine) {
    AppendLine("<HTML>");
    AppendLine("   <HEAD>");
    // Without it today's browsers guess, and "Für Elise" shows as garbage.
    AppendLine("      <META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">");
    AppendLine("      <TITLE>Registration Archive</TITLE>");
    AppendLine("      <style type=\"text/css\">");
    AppendLine("\t     @page { size:29.7cm 21.0cm landscape; }");
    AppendLine("      </style>");
    AppendLine("   </HEAD>");
    AppendLine("<BODY BGCOLOR=rgb(255,255,255) LINK=\"#0000EE\" VLINK=\"#551A8B\" ALINK=\"#FF0000\">");
    AppendLine("<div style=\"color:rgb(40,40,40);font-size:25px;text-align:center;\">");
    AppendLine(titleLine);
    AppendLine("</div>");
    AppendLine("<br><br><br>");
    AppendLine(kBodyDiv);
    AppendLine(kTableOpen);
    AppendLine("   <TR>");
    for (const HtmlColumn& column : columns_) {
        AppendLine("      <TD WIDTH=\"" + column.headerWidth +
                   "\" VALIGN=\"TOP\" ALIGN=\"CENTER\" BGCOLOR=\"#0000ff\">");
        AppendLine(std::string(column.voiceLabel ? "\t     " : "         ") +
                   "<B><FONT SIZE=3 FACE=\"COURIER\" COLOR=\"#ffffff\"><P>" + column.label + "</B></FONT>");
        AppendLine("      </TD>");
    }
    AppendLine("   </TR>");
    AppendLine("</TABLE>");
    AppendLine(kTableOpen);
}

void HtmlProtocolPage::BeforePosition() {
    if (rowsOnPage_ < pageLimit_) {
        return;
    }
    AppendLine(" </TABLE>");
    AppendLine(" </div>");
    AppendLine(" <p style=\"page-break-after:always\"></p>");
    AppendLine(std::string(" ") + kBodyDiv);
    AppendLine(std::string(" ") + kTableOpen);
    rowsOnPage_ = 0;
    pageLimit_ = kLaterPageRows;
    ++pages_;
}

void HtmlProtocolPage::AddRow(const std::vector<std::string>& fields) {
    AppendLine("   <TR>");
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const HtmlColumn& column = columns_[i];
        const std::string value = i < fields.size() ? fields[i] : std::string();
        std::string cell = "      <TD WIDTH=\"" + column.rowWidth + "\"";
        cell += column.centered ? std::string(column.centeredGap, ' ') + "VALIGN=\"TOP\" AlIGN=\"CENTER\">"
                                : std::string(" VALIGN=\"TOP\">");
        cell += "<FONT SIZE=2 FACE=\"COURIER\"><P>" + EscapeHtml(Field(value, column.fieldWidth)) + "</FONT></TD>";
        AppendLine(cell);
    }
    AppendLine(rowEndLine_);
    ++rowsOnPage_;
}

std::string HtmlProtocolPage::Finish() const {
    std::string page = text_;
    for (const char* line : {"</TABLE>", "<br><br><br>", "</div>", "</body>", "</html>"}) {
        page += line;
        page += kLineEnd;
    }
    return page;
}

}  // namespace kalivo
