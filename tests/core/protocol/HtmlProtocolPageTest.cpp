#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/protocol/HtmlProtocolPage.h"

namespace kalivo {
namespace {

std::vector<HtmlColumn> TwoColumns() {
    HtmlColumn title{"Title", "18", "18%", 16};
    HtmlColumn part{"Part", "8%", "8%", 2};
    part.centered = true;
    return {title, part};
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) {
        ++count;
    }
    return count;
}

// Rows per page: the page text split at the breaks, rows counted in each piece.
std::vector<std::size_t> RowsPerPage(const std::string& page) {
    std::vector<std::size_t> rows;
    std::size_t start = 0;
    const std::string breakLine = " <p style=\"page-break-after:always\"></p>";
    while (true) {
        const std::size_t next = page.find(breakLine, start);
        rows.push_back(Count(page.substr(start, next == std::string::npos ? std::string::npos : next - start),
                             "   <TR>\r\n      <TD WIDTH=\"18%\""));
        if (next == std::string::npos) {
            return rows;
        }
        start = next + breakLine.size();
    }
}

std::string PageWithRows(int rows, int emptyPositionsAfter = 0) {
    HtmlProtocolPage page("   PSR-740  Registration Archive", TwoColumns());
    for (int i = 0; i < rows; ++i) {
        page.BeforePosition();
        page.AddRow({"Song", " 1"});
    }
    for (int i = 0; i < emptyPositionsAfter; ++i) {
        page.BeforePosition();
    }
    return page.Finish();
}

TEST(HtmlProtocolPageTest, TwentyRowsThenTwentyFourAPage) {
    EXPECT_EQ(RowsPerPage(PageWithRows(20)), (std::vector<std::size_t>{20}));
    EXPECT_EQ(RowsPerPage(PageWithRows(21)), (std::vector<std::size_t>{20, 1}));
    EXPECT_EQ(RowsPerPage(PageWithRows(44)), (std::vector<std::size_t>{20, 24}));
    EXPECT_EQ(RowsPerPage(PageWithRows(45)), (std::vector<std::size_t>{20, 24, 1}));
    EXPECT_EQ(RowsPerPage(PageWithRows(0)), (std::vector<std::size_t>{0}));
}

TEST(HtmlProtocolPageTest, BreakComesAtTheNextExaminedPositionEvenWithoutARow) {
    // 20 rows and then empty positions: the break is written once, at the 21st position.
    EXPECT_EQ(RowsPerPage(PageWithRows(20, 3)), (std::vector<std::size_t>{20, 0}));
    HtmlProtocolPage page("t", TwoColumns());
    for (int i = 0; i < 20; ++i) {
        page.BeforePosition();
        page.AddRow({"x", "y"});
    }
    EXPECT_EQ(page.PageCount(), 1);
    page.BeforePosition();
    EXPECT_EQ(page.PageCount(), 2);
    page.BeforePosition();
    EXPECT_EQ(page.PageCount(), 2);
}

TEST(HtmlProtocolPageTest, HeadHeaderCellsBreakAndClosingTexts) {
    HtmlColumn voice{"L", "14%", "14%", 11};
    voice.voiceLabel = true;
    HtmlProtocolPage page("   PSR-8000 Registration Archive", {HtmlColumn{"Title", "16", "16%", 16}, voice});
    for (int i = 0; i < 21; ++i) {
        page.BeforePosition();
        page.AddRow({"a", "b"});
    }
    const std::string text = page.Finish();
    const std::string table = "<TABLE BORDER CELLSPACING=0 BORDERCOLOR=\"#FF0000\" CELLPADDING=4 ALIGN=CENTER WIDTH=940>";
    const std::string body = "<div style=\"color:rgb(0,0,0);font-size:15px;font-family:Arial,Helvetica;width:100%;\">";
    const std::string head =
        "<HTML>\r\n   <HEAD>\r\n"
        "      <META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\r\n"
        "      <TITLE>Registration Archive</TITLE>\r\n      <style type=\"text/css\">\r\n"
        "\t     @page { size:29.7cm 21.0cm landscape; }\r\n      </style>\r\n   </HEAD>\r\n"
        "<BODY BGCOLOR=rgb(255,255,255) LINK=\"#0000EE\" VLINK=\"#551A8B\" ALINK=\"#FF0000\">\r\n"
        "<div style=\"color:rgb(40,40,40);font-size:25px;text-align:center;\">\r\n"
        "   PSR-8000 Registration Archive\r\n</div>\r\n<br><br><br>\r\n" +
        body + "\r\n" + table + "\r\n   <TR>\r\n" +
        "      <TD WIDTH=\"16\" VALIGN=\"TOP\" ALIGN=\"CENTER\" BGCOLOR=\"#0000ff\">\r\n"
        "         <B><FONT SIZE=3 FACE=\"COURIER\" COLOR=\"#ffffff\"><P>Title</B></FONT>\r\n      </TD>\r\n"
        "      <TD WIDTH=\"14%\" VALIGN=\"TOP\" ALIGN=\"CENTER\" BGCOLOR=\"#0000ff\">\r\n"
        "\t     <B><FONT SIZE=3 FACE=\"COURIER\" COLOR=\"#ffffff\"><P>L</B></FONT>\r\n      </TD>\r\n"
        "   </TR>\r\n</TABLE>\r\n" +
        table + "\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    const std::string pageBreak = " </TABLE>\r\n </div>\r\n <p style=\"page-break-after:always\"></p>\r\n " + body +
                                  "\r\n " + table + "\r\n";
    EXPECT_EQ(Count(text, pageBreak), 1u);
    const std::string closing = "</TABLE>\r\n<br><br><br>\r\n</div>\r\n</body>\r\n</html>\r\n";
    ASSERT_GE(text.size(), closing.size());
    EXPECT_EQ(text.substr(text.size() - closing.size()), closing);
}

TEST(HtmlProtocolPageTest, RowCellsPlainAndCentred) {
    std::vector<HtmlColumn> columns = TwoColumns();
    HtmlProtocolPage page("t", columns);
    page.AddRow({"Summertime", " 1"});
    const std::string text = page.Finish();
    EXPECT_NE(text.find("   <TR>\r\n      <TD WIDTH=\"18%\" VALIGN=\"TOP\"><FONT SIZE=2 FACE=\"COURIER\"><P>"
                        "Summertime      </FONT></TD>\r\n"
                        "      <TD WIDTH=\"8%\"  VALIGN=\"TOP\" AlIGN=\"CENTER\"><FONT SIZE=2 FACE=\"COURIER\"><P>"
                        " 1</FONT></TD>\r\n   </TR>\r\n"),
              std::string::npos);

    // A model whose row template has one blank before VALIGN and its own row end.
    columns[1].rowWidth = "07%";
    columns[1].centeredGap = 1;
    HtmlProtocolPage other("t", columns);
    other.SetRowEndLine("    </TR>");
    other.AddRow({"x", " 8"});
    const std::string otherText = other.Finish();
    EXPECT_NE(otherText.find("<TD WIDTH=\"07%\" VALIGN=\"TOP\" AlIGN=\"CENTER\"><FONT SIZE=2 FACE=\"COURIER\"><P> 8"
                             "</FONT></TD>\r\n    </TR>\r\n"),
              std::string::npos);
}

TEST(HtmlProtocolPageTest, FieldsAreCutThenPaddedThenEscaped) {
    EXPECT_EQ(HtmlProtocolPage::Field("abc", 5), "abc  ");
    EXPECT_EQ(HtmlProtocolPage::Field("abcdefgh", 5), "abcde");
    EXPECT_EQ(HtmlProtocolPage::Field("abcde", 5), "abcde");
    EXPECT_EQ(HtmlProtocolPage::Field("", 2), "  ");
    EXPECT_EQ(HtmlProtocolPage::Field("as is", 0), "as is");

    HtmlProtocolPage page("t", {HtmlColumn{"Style", "12%", "12%", 4}});
    // The cut falls right after '&': the escape is whole and the field keeps four characters.
    page.AddRow({"R&B Pop"});
    page.AddRow({"<a>\"x"});
    page.AddRow({std::string("60\x91s")});
    const std::string text = page.Finish();
    EXPECT_NE(text.find("<P>R&amp;B </FONT>"), std::string::npos);
    EXPECT_NE(text.find("<P>&lt;a&gt;&quot;</FONT>"), std::string::npos);
    EXPECT_NE(text.find(std::string("<P>60\x91s</FONT>")), std::string::npos);
}

TEST(HtmlProtocolPageTest, MissingFieldsAreBlank) {
    HtmlProtocolPage page("t", TwoColumns());
    page.AddRow({"only"});
    EXPECT_NE(page.Finish().find("<P>  </FONT>"), std::string::npos);
}

TEST(HtmlProtocolPageTest, TitleWithNameCutsPadsAndEscapes) {
    EXPECT_EQ(HtmlProtocolPage::TitleWithName("   PSR-9000 Registration Archive", "LIVE"),
              "   PSR-9000 Registration Archive LIVE            ");
    EXPECT_EQ(HtmlProtocolPage::TitleWithName("T", "ABCDEFGHIJKLMNOPQRS"), "T ABCDEFGHIJKLMNOP");
    EXPECT_EQ(HtmlProtocolPage::TitleWithName("T", "Rock&Roll", 4), "T Rock");
    EXPECT_EQ(HtmlProtocolPage::TitleWithName("T", "A&B", 3), "T A&amp;B");
    EXPECT_EQ(HtmlProtocolPage::TitleWithName("T", "", 2), "T   ");
}

}  // namespace
}  // namespace kalivo
