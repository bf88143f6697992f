#include <gtest/gtest.h>

#include "core/cvp2_psr2000/Cvp2FamilyHandlerFixture.h"
#include "handlers/StatusCodes.h"

namespace kalivo::test {
namespace {

using namespace s917_bytes;

class Cvp2ProtocolTest : public Cvp2FamilyHandlerFixture {
protected:
    // Loads count registrations spread over banks of eight into the source.
    void LoadRegistrations(int count) {
        for (int bank = 0; count > 0; ++bank) {
            std::array<std::optional<Bytes>, 8> slots;
            for (int slot = 0; slot < 8 && count > 0; ++slot, --count) {
                slots[static_cast<std::size_t>(slot)] = FullBlock("R" + std::to_string(bank * 8 + slot + 1));
            }
            const std::string name = "B" + std::to_string(bank);
            dir.Write(name + ".S917.REG", BankFile(Model(), slots));
            ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed(name)), Status::kDone);
        }
    }
    std::string Protocol(const std::string& name) {
        EXPECT_EQ(source->WriteProtocol(dir.File(name)), Status::kDone);
        return dir.Read(name);
    }
    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++n;
        }
        return n;
    }
};

TEST_P(Cvp2ProtocolTest, TextLinesOfBanks) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[2] = Block({Name("Song"), Path(16, "S/VeryLongStyleName.STY"), Voice(4, 0, 0, 0), Voice(6, 127, 0, 32)});
    dir.Write("Pop.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("Pop")), Status::kDone);
    const std::string title = IsCvp2() ? "CVP-2 Series Registration Archive" : "PSR-2000 Registration Archive";
    EXPECT_EQ(Protocol("p.txt"),
              title + "\r\n\r\n" + "Songname\tStyle\tMultiPad\tBank\tPart\tTempo\tMain\tLayer\tLeft\tSettings\r\n" +
                  "Song\tVeryLongStyleName\tno multipad\tPop\t3\t-1\tGrandPno\tno voice\tJazz Kit\tsty vc\r\n");
}

TEST_P(Cvp2ProtocolTest, TextLinesOfRegfiles) {
    dir.Write("b.p2k", Block({Name("b"), Tempo(88)}));
    dir.Write("b.cvp", Block({Name("b"), Tempo(88)}));
    dir.Write("A.cvp", Block({Name("A")}));
    dir.Write("A.p2k", Block({Name("A")}));
    ASSERT_EQ(source->LoadRegfiles(dir.Path()), Status::kDone);
    const std::string out = dir.File("r.txt");
    ASSERT_EQ(source->WriteRegfileProtocol(out), Status::kDone);
    const std::string title = IsCvp2() ? "CVP-2 Series Registration Archive" : "PSR2000 Registration Archive";
    EXPECT_EQ(dir.Read("r.txt"), title + "\r\n\r\nFilename\tStyle\tMultiPad\tTempo\tMain\tLayer\tLeft\tSettings\r\n" +
                                     "A\tno style\tno multipad\t\tno voice\tno voice\tno voice\t\r\n" +
                                     "b\tno style\tno multipad\t88\tno voice\tno voice\tno voice\ttpo\r\n");
}

TEST_P(Cvp2ProtocolTest, HtmlRowsFollowTheRowTemplate) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = Block({Name("Summertime"), Path(16, "SwingBallad.STY"), Voice(4, 0, 0, 48), Voice(5, 0, 0, 73),
                      Voice(6, 0, 0, 0)});
    dir.Write("NewBank1.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("NewBank1")), Status::kDone);
    const std::string page = Protocol("p.htm");
    const std::string row = page.substr(page.rfind("   <TR>\r\n", page.find("<P>Summertime")));
    const std::string expected =
        "   <TR>\r\n"
        "      <TD WIDTH=\"18%\" VALIGN=\"TOP\"><FONT SIZE=2 FACE=\"COURIER\"><P>Summertime      </FONT></TD>\r\n"
        "      <TD WIDTH=\"16%\" VALIGN=\"TOP\"><FONT SIZE=2 FACE=\"COURIER\"><P>SwingBallad </FONT></TD>\r\n"
        "      <TD WIDTH=\"20%\" VALIGN=\"TOP\" AlIGN=\"CENTER\"><FONT SIZE=2 FACE=\"COURIER\"><P>NewBank1    "
        "</FONT></TD>\r\n"
        "      <TD WIDTH=\"07%\" VALIGN=\"TOP\" AlIGN=\"CENTER\"><FONT SIZE=2 FACE=\"COURIER\"><P> 1</FONT></TD>\r\n";
    ASSERT_GE(row.size(), 685u);
    EXPECT_EQ(row.substr(0, expected.size()), expected);
    EXPECT_EQ(row.find("    </TR>\r\n"), 685u - 11u);
    const std::string title = IsCvp2() ? "CVP2 Series Registration Archive" : "   PSR-2000 Registration Archive";
    const std::string archive = IsCvp2() ? "NewBank1.S917   " : "NewBank1        ";
    EXPECT_NE(page.find("\r\n" + title + " " + archive + "\r\n"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 9), "</html>\r\n");
}

TEST_P(Cvp2ProtocolTest, HtmlCutsNamesToTheirFieldsBeforeEscaping) {
    std::array<std::optional<Bytes>, 8> slots;
    slots[0] = Block({Name("Rock & Roll <1>"), Path(16, "A&B&C&D&E&F&G&H.STY")});
    dir.Write("X.S917.REG", BankFile(Model(), slots));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("X")), Status::kDone);
    const std::string page = Protocol("p.htm");
    EXPECT_NE(page.find("<P>Rock &amp; Roll &lt;1&gt; </FONT>"), std::string::npos);
    EXPECT_NE(page.find("<P>A&amp;B&amp;C&amp;D&amp;E&amp;F&amp;</FONT>"), std::string::npos);
}

TEST_P(Cvp2ProtocolTest, PageBreaksAfterTwentyRowsThenEveryTwentyFour) {
    LoadRegistrations(45);
    const std::string page = Protocol("p.htm");
    EXPECT_EQ(Count(page, "page-break-after"), 2);
    EXPECT_EQ(Count(page, "    </TR>"), 45);
    // Rows 21 and 45 each open a new page.
    EXPECT_LT(page.find("page-break-after"), page.find("<P>R21 "));
    EXPECT_GT(page.find("page-break-after"), page.find("<P>R20 "));
    EXPECT_LT(page.rfind("page-break-after"), page.find("<P>R45 "));
    EXPECT_GT(page.rfind("page-break-after"), page.find("<P>R44 "));
}

// The test runs before every position of a used bank, so empty positions after
// the twentieth row break the page even with no row to follow.
TEST_P(Cvp2ProtocolTest, TwentyRowsAndEmptyPositionsAfterThemGiveOneBreak) {
    LoadRegistrations(20);
    const std::string page = Protocol("p.htm");
    EXPECT_EQ(Count(page, "page-break-after"), 1);
    EXPECT_GT(page.find("page-break-after"), page.find("<P>R20 "));
}

TEST_P(Cvp2ProtocolTest, ResultCodes) {
    const std::string path = dir.File("p.txt");
    EXPECT_EQ(source->WriteProtocol(path), Status::kNothingToWrite);
    EXPECT_EQ(source->WriteProtocol(dir.File("p.doc")), Status::kWrongProtocolEnding);
    EXPECT_EQ(source->WriteRegfileProtocol(dir.File("p.doc")), Status::kRegfileListEmpty);
    dir.Write("keep.doc", std::string("old"));
    LoadRegistrations(1);
    EXPECT_EQ(source->WriteProtocol(dir.File("keep.doc")), Status::kWrongProtocolEnding);
    EXPECT_EQ(dir.Read("keep.doc"), "old");
    // Bank 0 decides, not the banks after it.
    EXPECT_EQ(source->WriteProtocol(path), Status::kDone);
    // A file dialog on a FAT disk may hand back the ending in capitals.
    EXPECT_EQ(source->WriteProtocol(dir.File("Q.TXT")), Status::kDone);
    EXPECT_EQ(dir.Read("Q.TXT"), dir.Read("p.txt"));
    EXPECT_EQ(source->WriteProtocol(dir.Path() + "/missing/p.txt"), Status::kProtocolNotCreated);
}

INSTANTIATE_TEST_SUITE_P(BothModels, Cvp2ProtocolTest, ::testing::Values(Cvp2Kind::Cvp2, Cvp2Kind::Psr2000),
                         KindName);

}  // namespace
}  // namespace kalivo::test
