#include <filesystem>

#include "core/tyros/TyrosHandlerFixture.h"

namespace kalivo {
namespace {

using namespace test::tyros_bytes;

class TyrosStoreArchiveTest : public test::TyrosHandlerFixture {
protected:
    test::TempFolder out;

    std::string OutFolder() const { return out.Path() + "/"; }

    // Loads bank files from dir into the destination.
    void LoadDestination(const std::string& title) { ASSERT_EQ(destination.LoadDestinationArchive(Folder(), title), Status::kDone); }

    // Stores the listed bank at position, as Store Archive does.
    Status Store(int position) {
        StringList banks;
        destination.ListBanks(banks);
        return destination.StoreArchive(banks.at(static_cast<std::size_t>(position)), OutFolder(), position);
    }
    // One Store Archive run over every listed bank.
    std::vector<Status> StoreAll() {
        destination.ClearStoreCancelled();
        StringList banks;
        destination.ListBanks(banks);
        std::vector<Status> results;
        for (std::size_t i = 0; i < banks.size(); ++i) {
            results.push_back(destination.StoreArchive(banks[i], OutFolder(), static_cast<int>(i)));
        }
        return results;
    }
    std::string ReplaceQuestion(const std::string& file) const {
        return "Replace selected banks, beginning with\n" + OutFolder() + file + "?";
    }
};

TEST_F(TyrosStoreArchiveTest, WritesTheBankBackUnderItsNameAndIconCode) {
    WriteBank("Jazz.S123", {"Swing", "Bossa"});
    WriteBank("Plain", {"Solo"});
    LoadDestination("Jazz.S123");
    LoadDestination("Plain");
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kDone, Status::kDone}));
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"Jazz.S123.rgt", "Plain.rgt"}));
    EXPECT_EQ(out.ReadBytes("Jazz.S123.rgt"), dir.ReadBytes("Jazz.S123.rgt"));
    EXPECT_EQ(out.ReadBytes("Plain.rgt"), dir.ReadBytes("Plain.rgt"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TyrosStoreArchiveTest, ABankMadeByCopiesIsANewBankWithIcon917) {
    WriteBank("Src", {"Solo"});
    LoadSource("Src");
    destination.ClearDestination(1);
    ASSERT_EQ(destination.CopyRegistration(0, 0, &source, 0, 0), Status::kDone);
    StoreAll();
    EXPECT_EQ(out.Names(), std::vector<std::string>{"New Bank.S917.rgt"});
}

TEST_F(TyrosStoreArchiveTest, ReplacesOnlyTheSameBanksFiles) {
    WriteBank("Jazz.S917", {"New"});
    LoadDestination("Jazz.S917");
    for (const char* file : {"Jazz.S917.rgt", "Jazz.S001.rgt", "jazz.rgt", "Jazz2.rgt", "Jazz.S12.rgt", "JazzS001.rgt"}) {
        out.Write(file, std::string("old"));
    }
    ui.yesNoCancel = {Answer::Yes};
    EXPECT_EQ(StoreAll(), std::vector<Status>{Status::kDone});
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{ReplaceQuestion("Jazz.S917.rgt")});
    EXPECT_EQ(ui.messages[0].kind, "yesnocancel");
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"Jazz.S12.rgt", "Jazz.S917.rgt", "Jazz2.rgt", "JazzS001.rgt"}));
    EXPECT_EQ(out.ReadBytes("Jazz.S917.rgt"), dir.ReadBytes("Jazz.S917.rgt"));
    EXPECT_EQ(out.Read("Jazz2.rgt"), "old");
}

TEST_F(TyrosStoreArchiveTest, NoQuestionWhenNothingIsReplaced) {
    WriteBank("Jazz", {"New"});
    LoadDestination("Jazz");
    out.Write("Jazz2.rgt", std::string("other bank"));
    EXPECT_EQ(StoreAll(), std::vector<Status>{Status::kDone});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(out.Read("Jazz2.rgt"), "other bank");
}

TEST_F(TyrosStoreArchiveTest, NoKeepsTheOldFilesAndAsksAgainForTheNextBank) {
    WriteBank("A", {"a"});
    WriteBank("B", {"b"});
    LoadDestination("A");
    LoadDestination("B");
    out.Write("A.rgt", std::string("old a"));
    out.Write("B.rgt", std::string("old b"));
    ui.yesNoCancel = {Answer::No, Answer::Yes};
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kReplaceDeclined, Status::kDone}));
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(out.Read("A.rgt"), "old a");
    EXPECT_EQ(out.ReadBytes("B.rgt"), dir.ReadBytes("B.rgt"));
}

TEST_F(TyrosStoreArchiveTest, YesReplacesWithoutAskingUntilTheDestinationIsLoadedAgain) {
    WriteBank("A", {"a"});
    WriteBank("B", {"b"});
    LoadDestination("A");
    LoadDestination("B");
    out.Write("A.rgt", std::string("old"));
    out.Write("B.rgt", std::string("old"));
    ui.yesNoCancel = {Answer::Yes};
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kDone, Status::kDone}));
    EXPECT_EQ(ui.messages.size(), 1u);
    // A second store run replaces its own earlier files without a question.
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kDone, Status::kDone}));
    EXPECT_EQ(ui.messages.size(), 1u);
    // Loading into the destination asks again.
    LoadDestination("A");
    ui.yesNoCancel = {Answer::No, Answer::No, Answer::No};
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kReplaceDeclined, Status::kReplaceDeclined, Status::kReplaceDeclined}));
}

TEST_F(TyrosStoreArchiveTest, CancelEndsTheWholeStoreRun) {
    WriteBank("A", {"a"});
    WriteBank("B", {"b"});
    LoadDestination("A");
    LoadDestination("B");
    out.Write("A.rgt", std::string("old a"));
    ui.yesNoCancel = {Answer::Cancel};
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kStoreCancelled, Status::kStoreCancelled}));
    EXPECT_EQ(out.Names(), std::vector<std::string>{"A.rgt"});
    EXPECT_EQ(out.Read("A.rgt"), "old a");
    EXPECT_EQ(ui.messages.size(), 1u);
    // Without clearing the flag every further store is cancelled.
    EXPECT_EQ(Store(1), Status::kStoreCancelled);
    // The next Store Archive starts afresh.
    ui.yesNoCancel = {Answer::Yes};
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kDone, Status::kDone}));
}

TEST_F(TyrosStoreArchiveTest, ASecondBankOfTheSameNameNeverReplacesTheFirst) {
    WriteBank("Src", {"One", "Two"});
    LoadSource("Src");
    destination.ClearDestination(2);
    destination.CopyRegistration(0, 0, &source, 0, 0);
    destination.CopyRegistration(1, 0, &source, 0, 1);
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kDone, Status::kNotValid}));
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"Bank New Bank not stored: a bank of the same name was stored just before"});
    ASSERT_EQ(out.Names(), std::vector<std::string>{"New Bank.S917.rgt"});
    // The file holds the first bank.
    TyrosHandler check(ui);
    check.CreateStore();
    ASSERT_EQ(check.LoadSourceArchive(OutFolder(), "New Bank.S917"), Status::kDone);
    EXPECT_EQ(NameAt(check, 0, 0), "One");
}

TEST_F(TyrosStoreArchiveTest, BanksSharingANameUnderOtherIconCodesAreBothStoredAndKept) {
    WriteBank("Jazz.S849", {"Old849"});
    WriteBank("Jazz.S949", {"Old949"});
    for (const char* title : {"Jazz.S849", "Jazz.S949"}) {
        out.Write(std::string(title) + ".rgt", dir.ReadBytes(std::string(title) + ".rgt"));
        LoadDestination(title);
    }
    ui.yesNoCancel = {Answer::Yes};
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kDone, Status::kDone}));
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"Jazz.S849.rgt", "Jazz.S949.rgt"}));
    EXPECT_EQ(out.ReadBytes("Jazz.S849.rgt"), dir.ReadBytes("Jazz.S849.rgt"));
    EXPECT_EQ(out.ReadBytes("Jazz.S949.rgt"), dir.ReadBytes("Jazz.S949.rgt"));

    // Into an empty folder both are written too.
    test::TempFolder empty;
    destination.ClearStoreCancelled();
    StringList banks;
    destination.ListBanks(banks);
    for (std::size_t i = 0; i < banks.size(); ++i) {
        EXPECT_EQ(destination.StoreArchive(banks[i], empty.Path(), static_cast<int>(i)), Status::kDone);
    }
    EXPECT_EQ(empty.Names(), (std::vector<std::string>{"Jazz.S849.rgt", "Jazz.S949.rgt"}));
}

TEST_F(TyrosStoreArchiveTest, AnOldFileUnderAnotherIconGoesOnlyWhenNoListedBankOwnsIt) {
    WriteBank("Jazz.S849", {"New"});
    LoadDestination("Jazz.S849");
    out.Write("Jazz.S949.rgt", std::string("old icon"));
    ui.yesNoCancel = {Answer::Yes};
    EXPECT_EQ(StoreAll(), std::vector<Status>{Status::kDone});
    EXPECT_EQ(out.Names(), std::vector<std::string>{"Jazz.S849.rgt"});
}

TEST_F(TyrosStoreArchiveTest, AnUpperCaseFileIsReplacedUnderItsOwnSpelling) {
    WriteBank("Jazz.S917", {"New"});
    LoadDestination("Jazz.S917");
    out.Write("JAZZ.S917.RGT", std::string("old"));
    ui.yesNoCancel = {Answer::Yes};
    EXPECT_EQ(StoreAll(), std::vector<Status>{Status::kDone});
    EXPECT_EQ(out.Names(), std::vector<std::string>{"JAZZ.S917.RGT"});
    EXPECT_EQ(out.ReadBytes("JAZZ.S917.RGT"), dir.ReadBytes("Jazz.S917.rgt"));
}

TEST_F(TyrosStoreArchiveTest, NamesWithDotsComeBackUnderTheirOwnName) {
    WriteBank("Vol. 2.S917", {"One"});
    WriteBank("Vol..S123", {"Two"});
    LoadDestination("Vol. 2.S917");
    LoadDestination("Vol..S123");
    EXPECT_EQ(BankName(destination, 0), "Vol. 2");
    EXPECT_EQ(BankName(destination, 1), "Vol.");
    EXPECT_EQ(StoreAll(), (std::vector<Status>{Status::kDone, Status::kDone}));
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"Vol. 2.S917.rgt", "Vol..S123.rgt"}));
    EXPECT_EQ(out.ReadBytes("Vol. 2.S917.rgt"), dir.ReadBytes("Vol. 2.S917.rgt"));
}

TEST_F(TyrosStoreArchiveTest, AFailedWriteDeletesNothing) {
    WriteBank("Jazz.S917", {"New"});
    LoadDestination("Jazz.S917");
    out.Write("Jazz.rgt", std::string("old"));
    std::filesystem::create_directory(out.File("Jazz.S917.rgt"));  // cannot be replaced by a file
    ui.yesNoCancel = {Answer::Yes};
    EXPECT_EQ(StoreAll(), std::vector<Status>{Status::kNotValid});
    EXPECT_EQ(out.Read("Jazz.rgt"), "old");
    EXPECT_EQ(ui.messages.back().text, "File " + OutFolder() + "Jazz.S917.rgt cannot be written");
}

TEST_F(TyrosStoreArchiveTest, BankNamesStayInsideTheFolder) {
    WriteBank("Src", {"One"});
    LoadSource("Src");
    destination.ClearDestination(1);
    destination.CopyRegistration(0, 0, &source, 0, 0);
    destination.SetBankName(0, "a/b\\c");
    EXPECT_EQ(StoreAll(), std::vector<Status>{Status::kDone});
    EXPECT_EQ(out.Names(), std::vector<std::string>{"a_b_c.S917.rgt"});
}

TEST_F(TyrosStoreArchiveTest, StoredBanksKeepTheirHeaderAndSequence) {
    Bytes header = BankHeaderTemplate();
    header[5] = 0x33;  // bytes that differ between instrument generations
    header[13] = 0x44;
    dir.Write("Seq.rgt", BankFile({Registration({Name("A")}), Registration({Name("B")})}, header));
    LoadDestination("Seq");
    destination.SetBankSequence(0, "2112", 2);
    destination.ResetBankSequence(0);
    destination.SetBankSequence(0, "21", 1);
    StoreAll();
    const Bytes stored = out.ReadBytes("Seq.rgt");
    ASSERT_GE(stored.size(), 64u);
    EXPECT_EQ(stored[5], 0x33);
    EXPECT_EQ(stored[13], 0x44);
    EXPECT_EQ((Bytes(stored.begin() + 28, stored.begin() + 31)), (Bytes{1, 0, 0xFF}));
    EXPECT_EQ(stored[63], 1);
}

}  // namespace
}  // namespace kalivo
