#pragma once
// The "Registration Archive" HTML page every model's protocol uses: head with
// a centred title, a blue header table, one fixed-width row per registration,
// page breaks after 20 rows and then every 24, closing. Text is Windows-1252.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalivo {

struct HtmlColumn {
    std::string label;         // header cell text
    std::string headerWidth;   // header cell width attribute as written, e.g. "18" or "16%"
    std::string rowWidth;      // row cell width attribute as written, e.g. "18%" or "07%"
    std::size_t fieldWidth = 0;  // characters of the row field; 0 = the value as it is
    bool centered = false;     // row cell carries the centring attribute
    bool voiceLabel = false;   // header label line starts with TAB + 5 blanks
    // Blanks between the width attribute and VALIGN in a centred row cell.
    std::size_t centeredGap = 2;
};

class HtmlProtocolPage {
public:
    static constexpr int kFirstPageRows = 20;
    static constexpr int kLaterPageRows = 24;

    // titleLine is written as given inside the centred title block.
    HtmlProtocolPage(std::string titleLine, std::vector<HtmlColumn> columns);

    // title, one blank, and name cut to width and padded to it with blanks,
    // HTML-escaped after the cut: the bank-protocol title with the archive name.
    static std::string TitleWithName(const std::string& title, const std::string& name, std::size_t width = 16);
    // The value cut to width, padded with blanks to width (width 0: unchanged).
    static std::string Field(const std::string& value, std::size_t width);
    // &, <, > and " as entities; every other byte unchanged.
    static std::string EscapeHtml(const std::string& text);

    // The page-break test: call before every examined position, listed or not.
    void BeforePosition();
    // One row: each field cut to its column's width, padded with blanks, then
    // HTML-escaped. Missing fields are blank; extra ones are ignored.
    void AddRow(const std::vector<std::string>& fields);
    // The line that closes a row ("   </TR>" unless a model's template differs).
    void SetRowEndLine(std::string line) { rowEndLine_ = std::move(line); }
    std::string Finish() const;  // head + rows + closing

    int PageCount() const { return pages_; }

private:
    void AppendHead(const std::string& titleLine);
    void AppendLine(std::string_view line);

    std::vector<HtmlColumn> columns_;
    std::string text_;
    std::string rowEndLine_ = "   </TR>";
    int rowsOnPage_ = 0;
    int pageLimit_ = kFirstPageRows;
    int pages_ = 1;
};

}  // namespace kalivo
