// Bank and regfile protocols: text lines, HTML fields and page breaks.
#include <gtest/gtest.h>

#include "core/psr740_8000/Psr740TestSupport.h"

namespace kalivo::test::psr {
namespace {

constexpr const char* kBreak = "page-break-after:always";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// Rows on each page of an HTML protocol.
std::vector<std::size_t> RowsPerPage(const std::string& page) {
    std::vector<std::size_t> rows;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = page.find(kBreak, start);
        // Each row has one "   <TR>" line; the header row is on the first page only.
        rows.push_back(Count(page.substr(start, end == std::string::npos ? std::string::npos : end - start),
                             "\n   <TR>") -
                       (start == 0 ? 1 : 0));
        if (end == std::string::npos) {
            return rows;
        }
        start = end + 1;
    }
}

TEST_F(Psr740Fixture, TextProtocolListsEveryRegistrationWithMarkedCustomStyle) {
    Fill(destination, {{0, 1, {"Tempo", 160, 120, {{0, 0, 0}, {0, 0, 0}, {0, 5, 0}}}}, {2, 0, {"Next", 40, 7}}});
    destination.SetArchiveName("MYSET");
    ASSERT_EQ(destination.WriteProtocol(other.File("p.txt")), Status::kDone);
    EXPECT_EQ(Lines(other.Read("p.txt")),
              (std::vector<std::string>{"PSR-740 Registration Archive MYSET", "",
                                        "Songname\tStyle\tBank\tPart\tTempo\tR1\tR2\tL",
                                        "Tempo\t*Custom Style 1*\t1\t2\t120\tGrandPno\t?\tGrandPno",
                                        "Next\tRock 1\t3\t1\t7\tGrandPno\tGrandPno\tGrandPno"}));
}

TEST_F(Psr8000Fixture, TextProtocolsPadTheTempoAndListRegfilesInOrder) {
    Fill(destination, {{15, 7, {"Late", 214, 66, {{0, 0, 0, 0x8000}, {0, 0, 0, 1}, {0, 0, 0, 2}, {0, 0, 0, 0x4000}}}}});
    destination.SetArchiveName("S");
    ASSERT_EQ(destination.WriteProtocol(other.File("p.txt")), Status::kDone);
    const auto lines = Lines(other.Read("p.txt"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "PSR-8000 Registration Archive S");
    EXPECT_EQ(lines[2], "Songname\tStyle\tBank\tPart\tTempo\tLeft\tRight 1\tRight 2\tLead");
    EXPECT_EQ(lines[3].substr(0, 28), "Late\t*Custom 1*\t16\t8\t066\tCus");
    EXPECT_NE(lines[3].find("\tOrgan Flute"), std::string::npos);

    disk.Write("b.p8k", Record(Model(), {"b", 214, 5}));
    disk.Write("A.p8k", Record(Model(), {"ab", 1, 250}));
    ASSERT_EQ(source.LoadRegfiles(disk.Path()), Status::kDone);
    ASSERT_EQ(source.WriteRegfileProtocol(other.File("r.txt")), Status::kDone);
    const auto regfileLines = Lines(other.Read("r.txt"));
    ASSERT_EQ(regfileLines.size(), 5u);
    EXPECT_EQ(regfileLines[0], "PSR-8000 Registration Archive");
    EXPECT_EQ(regfileLines[2], "Filename\tStyle\tTempo\tLeft\tR1\tR2\tLead");
    EXPECT_EQ(regfileLines[3].substr(0, 18), "A\tCntryRock 4\t250\t");
    EXPECT_EQ(regfileLines[4].substr(0, 15), "b\tCustom 1\t005\t");
}

TEST_F(Psr740Fixture, HtmlRowShowsPlainStyleBlankedTempoAndCentredCells) {
    Fill(destination, {{0, 1, {"Tempo", 160, 120}}, {9, 3, {"<Slow>", 0, 5}}});
    destination.SetArchiveName("MYSET");
    ASSERT_EQ(destination.WriteProtocol(other.File("p.htm")), Status::kDone);
    const std::string page = other.Read("p.htm");
    EXPECT_NE(page.find("   PSR-740  Registration Archive MYSET           \r"), std::string::npos);
    EXPECT_NE(page.find("<P>Custom Style</FONT>"), std::string::npos);  // cut to 12
    EXPECT_NE(page.find("<P>120</FONT>"), std::string::npos);
    EXPECT_NE(page.find("<P> 05</FONT>"), std::string::npos);
    EXPECT_NE(page.find("<P>&lt;Slow&gt;          </FONT>"), std::string::npos);
    EXPECT_NE(page.find("<TD WIDTH=\"8%\"  VALIGN=\"TOP\" AlIGN=\"CENTER\"><FONT SIZE=2 FACE=\"COURIER\"><P>10</FONT>"),
              std::string::npos);
    EXPECT_NE(page.find("AlIGN=\"CENTER\"><FONT SIZE=2 FACE=\"COURIER\"><P> 4</FONT>"), std::string::npos);
    EXPECT_EQ(Count(page, kBreak), 0u);
}

TEST_F(Psr740Fixture, HtmlTempoBlanksOnlyTheFirstZero) {
    EXPECT_EQ(Psr740Protocol::HtmlTempo(90), " 90");
    EXPECT_EQ(Psr740Protocol::HtmlTempo(5), " 05");
    EXPECT_EQ(Psr740Protocol::HtmlTempo(0), " 00");
    EXPECT_EQ(Psr740Protocol::HtmlTempo(280), "280");
}

TEST_F(Psr8000Fixture, PagesHoldTwentyThenTwentyFourRows) {
    std::vector<Placed> placed;
    for (int i = 0; i < 45; ++i) {
        placed.push_back({i / 8, i % 8, {"R" + std::to_string(i)}});
    }
    Fill(destination, std::vector<Placed>(placed.begin(), placed.begin() + 21));
    ASSERT_EQ(destination.WriteProtocol(other.File("21.htm")), Status::kDone);
    EXPECT_EQ(RowsPerPage(other.Read("21.htm")), (std::vector<std::size_t>{20, 1}));
    Fill(destination, std::vector<Placed>(placed.begin() + 21, placed.end()));
    ASSERT_EQ(destination.WriteProtocol(other.File("45.htm")), Status::kDone);
    EXPECT_EQ(RowsPerPage(other.Read("45.htm")), (std::vector<std::size_t>{20, 24, 1}));
    EXPECT_EQ(Count(other.Read("45.htm"), "<TD WIDTH=\"13%\" VALIGN=\"TOP\"><FONT"), 45u * 4u);
}

TEST_F(Psr8000Fixture, BreakComesAtTheNextPositionEvenWithoutAFurtherRow) {
    std::vector<Placed> placed;
    for (int i = 0; i < 20; ++i) {
        placed.push_back({i / 8, i % 8, {"R"}});
    }
    Fill(destination, placed);  // bank 2 holds slots 0..3, then empty positions
    ASSERT_EQ(destination.WriteProtocol(other.File("p.htm")), Status::kDone);
    EXPECT_EQ(RowsPerPage(other.Read("p.htm")), (std::vector<std::size_t>{20, 0}));
}

TEST_F(Psr740Fixture, RegfileHtmlProtocolCutsFileTitlesToFifty) {
    const std::string title(60, 'n');
    other.Write(title + ".p74", Record(Model(), {"x", 1, 33}));
    ASSERT_EQ(source.LoadRegfiles(other.Path()), Status::kDone);
    ASSERT_EQ(source.WriteRegfileProtocol(disk.File("r.htm")), Status::kDone);
    const std::string page = disk.Read("r.htm");
    EXPECT_NE(page.find("   PSR-740  Registration Archive\r"), std::string::npos);
    EXPECT_NE(page.find("<P>" + std::string(50, 'n') + "</FONT>"), std::string::npos);
    EXPECT_NE(page.find("<TD WIDTH=\" 8%\" VALIGN=\"TOP\"><FONT SIZE=2 FACE=\"COURIER\"><P> 33</FONT>"),
              std::string::npos);
}

TEST_F(Psr8000Fixture, RefusalsWriteNothing) {
    EXPECT_EQ(destination.WriteProtocol(other.File("p.htm")), Status::kNothingToWrite);
    EXPECT_EQ(destination.WriteRegfileProtocol(other.File("p.txt")), Status::kRegfileListEmpty);
    Fill(destination, {{0, 0, {"A"}}});
    EXPECT_EQ(destination.WriteProtocol(other.File("p.pdf")), Status::kWrongProtocolEnding);
    EXPECT_TRUE(other.Names().empty());
    EXPECT_EQ(destination.WriteProtocol(other.File("missing/p.txt")), Status::kProtocolNotCreated);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("missing/p.txt"), std::string::npos);
}

}  // namespace
}  // namespace kalivo::test::psr
