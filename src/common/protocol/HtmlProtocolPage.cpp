#include "common/protocol/HtmlProtocolPage.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace kalivo {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kTableOpen =
    "<TABLE BORDER CELLSPACING=0 BORDERCOLOR=\"#FF0000\" CELLPADDING=4 ALIGN=CENTER WIDTH=940>";
constexpr const char* kBodyDiv =
    "<div style=\"color:rgb(0,0,0);font-size:15px;font-family:Arial,Helvetica;width:100%;\">";

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c; break;
        }
    }
}

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
    AppendEscaped(escaped, text);
    return escaped;
}

std::string HtmlProtocolPage::TitleWithName(const std::string& title, const std::string& name, std::size_t width) {
    return title + " " + EscapeHtml(Field(name, width));
}

void HtmlProtocolPage::AppendLine(std::string_view line) {
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
    // Written straight into the page: a protocol has thousands of cells.
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const HtmlColumn& column = columns_[i];
        const std::string_view value = i < fields.size() ? std::string_view(fields[i]) : std::string_view();
        text_.append("      <TD WIDTH=\"").append(column.rowWidth).append("\"");
        if (column.centered) {
            text_.append(column.centeredGap, ' ').append("VALIGN=\"TOP\" AlIGN=\"CENTER\">");
        } else {
            text_.append(" VALIGN=\"TOP\">");
        }
        text_.append("<FONT SIZE=2 FACE=\"COURIER\"><P>");
        // Names are single-byte Windows-1252, so a byte cut never splits a character.
        const std::string_view kept = column.fieldWidth == 0 ? value : value.substr(0, column.fieldWidth);
        AppendEscaped(text_, kept);
        text_.append(column.fieldWidth - std::min(column.fieldWidth, kept.size()), ' ');
        text_.append("</FONT></TD>").append(kLineEnd);
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
