#include <gtest/gtest.h>

#include <filesystem>

#include "core/psr9000/Psr9000Fixture.h"
#include "handlers/StatusCodes.h"

namespace kalivo::test {
namespace {

namespace stdfs = std::filesystem;
using psr9000_bytes::Registration;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class Psr9000Protocols : public Psr9000Fixture {
protected:
    void SetUp() override {
        Psr9000Fixture::SetUp();
        WriteSampleBackup("SET.BUF");
        stdfs::create_directories(dir.File("SET.BUF"));
        dir.Write(std::string("SET.BUF/") + Model().styleBackupFile,
                  psr9000_bytes::StyleBackup({"1", "2", "3", "4", "5", "Swing & Co"}));
        source->SetStyleArchiveOptions(false, false, std::string(), true);
        ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    }
    std::string Voice(int part, int bank, int slot) {
        std::string name;
        switch (part) {
            case 0:
                source->GetVoiceName1(bank, slot, name);
                break;
            case 1:
                source->GetVoiceName2(bank, slot, name);
                break;
            case 2:
                source->GetVoiceName3(bank, slot, name);
                break;
            default:
                source->GetVoiceName4(bank, slot, name);
                break;
        }
        return name;
    }
    std::string Voices(int bank, int slot) {
        return Voice(0, bank, slot) + "\t" + Voice(1, bank, slot) + "\t" + Voice(2, bank, slot) + "\t" +
               Voice(3, bank, slot);
    }
};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Protocols);

TEST_P(Psr9000Protocols, TheTextProtocolListsEveryRegistrationWithMarkedUserStyles) {
    ASSERT_EQ(source->WriteProtocol(dir.File("list.txt")), Status::kDone);
    const std::string expected = std::string(Model().protocolTitle) + " SET\r\n\r\n" +
                                 "Songname\tStyle\tBankname\tBank\tPart\tTempo\tLeft\tR1\tR2\tR3\r\n" +
                                 "Ballad\tPianoBallad\tEvening\t1\t1\t072\t" + Voices(0, 0) + "\r\n" +
                                 "Flash Song\t*Swing & Co*\tEvening\t1\t3\t090\t" + Voices(0, 2) + "\r\n" +
                                 "My Song\t16 Beat 1\tBANK 05\t5\t2\t120\t" + Voices(4, 1) + "\r\n";
    EXPECT_EQ(dir.Read("list.txt"), expected);
    EXPECT_NE(Voice(1, 0, 0), "?") << "the R1 voice of the first registration is in the voice table";
}

TEST_P(Psr9000Protocols, TheHtmlPageCutsAndEscapesTheArchiveNameAndDoesNotMarkStyles) {
    source->SetArchiveName("Rock & Roll Night Long");
    ASSERT_EQ(source->WriteProtocol(dir.File("list.htm")), Status::kDone);
    const std::string page = dir.Read("list.htm");
    EXPECT_NE(page.find(std::string(Model().htmlTitleIndent) + Model().protocolTitle + " Rock &amp; Roll Nigh"),
              std::string::npos);
    EXPECT_EQ(page.find("Night Long"), std::string::npos);
    EXPECT_NE(page.find("Swing &amp; Co"), std::string::npos);
    EXPECT_EQ(page.find("*Swing"), std::string::npos);
    EXPECT_EQ(Count(page, "page-break-after"), 0u);
}

TEST_P(Psr9000Protocols, PagesHoldTwentyRowsThenTwentyFour) {
    Psr9000BankTable table;
    table.Reset(Model().DefaultHeader());
    for (int i = 0; i < 45; ++i) {
        psr9000_bytes::Put(table, i / 8, i % 8, Registration("R" + std::to_string(i), 1, 100));
    }
    WriteBackup("MANY.BUF", Psr9000BackupFile::Write(table));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "MANY"), Status::kDone);
    ASSERT_EQ(source->WriteProtocol(dir.File("many.htm")), Status::kDone);
    const std::string page = dir.Read("many.htm");
    EXPECT_EQ(Count(page, "page-break-after"), 2u);
    const std::size_t firstBreak = page.find("page-break-after");
    EXPECT_NE(page.rfind("R19 ", firstBreak), std::string::npos);
    EXPECT_EQ(page.rfind("R20 ", firstBreak), std::string::npos);
}

TEST_P(Psr9000Protocols, RefusesWhatItCannotWrite) {
    EXPECT_EQ(source->WriteProtocol(dir.File("list.doc")), Status::kWrongProtocolEnding);
    EXPECT_FALSE(stdfs::exists(dir.File("list.doc")));
    EXPECT_EQ(source->WriteProtocol(dir.File("no/such/folder/list.txt")), Status::kProtocolNotCreated);
    EXPECT_TRUE(AnyMessageContains("Error create protocol file"));
    EXPECT_EQ(destination->WriteProtocol(dir.File("empty.txt")), Status::kNothingToWrite);
    EXPECT_EQ(source->WriteRegfileProtocol(dir.File("regfiles.txt")), Status::kRegfileListEmpty);
    EXPECT_FALSE(stdfs::exists(dir.File("empty.txt")));
}

TEST_P(Psr9000Protocols, TheRegfileProtocolShowsUserStylesByTheirFlashNames) {
    TempFolder in;
    const auto record = Registration("Solo", 130, 90);
    in.Write(std::string("Solo file") + Model().regfileExtension,
             std::vector<std::uint8_t>(record.begin(), record.end()));
    ASSERT_EQ(source->LoadRegfiles(in.Path()), Status::kDone);
    ASSERT_EQ(source->WriteRegfileProtocol(dir.File("regfiles.txt")), Status::kDone);
    std::string left;
    source->GetRegfileVoiceName1(0, left);
    EXPECT_EQ(dir.Read("regfiles.txt"),
              std::string(Model().protocolTitle) + "\r\n\r\n" + "Filename\tStyle\tTempo\tLeft\tR1\tR2\tR3\r\n" +
                  "Solo file\tFlash 1/6\t090\t" + left + "\t" + left + "\t" + left + "\t" + left + "\r\n");
    ASSERT_EQ(source->WriteRegfileProtocol(dir.File("regfiles.htm")), Status::kDone);
    const std::string page = dir.Read("regfiles.htm");
    EXPECT_NE(page.find("Flash 1/6"), std::string::npos);
    EXPECT_NE(page.find("Solo file"), std::string::npos);
}

}  // namespace
}  // namespace kalivo::test
