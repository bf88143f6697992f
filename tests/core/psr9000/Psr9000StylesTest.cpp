#include <gtest/gtest.h>

#include <filesystem>

#include "core/psr9000/Psr9000Fixture.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr9000/Psr9000StyleTable.h"
#include "handlers/psr9000/Psr9000UserStyles.h"

namespace kalivo::test {
namespace {

namespace stdfs = std::filesystem;
using psr9000_bytes::StyleBackup;

TEST(Psr9000StyleTable, NumbersPresetsThenFlashStylesThenNothing) {
    EXPECT_EQ(Psr9000StyleTable::Name(0), "Heart Beat");
    EXPECT_EQ(Psr9000StyleTable::Name(119), "Metronom6/8");
    EXPECT_EQ(Psr9000StyleTable::Name(124), "B.C.Hold 5");
    EXPECT_EQ(Psr9000StyleTable::Name(125), "Flash 1/1");
    EXPECT_EQ(Psr9000StyleTable::Name(139), "Flash 1/15");
    EXPECT_EQ(Psr9000StyleTable::Name(140), "Flash 2/1");
    EXPECT_EQ(Psr9000StyleTable::Name(244), "Flash 8/15");
    EXPECT_EQ(Psr9000StyleTable::Name(245), "?");
    EXPECT_EQ(Psr9000StyleTable::Name(255), "?");
}

TEST(Psr9000UserStyles, ReadsNamesUntilTheFirstRecordThatIsNotAStyle) {
    Psr9000UserStyles styles;
    auto bytes = StyleBackup({"One", "Two", "No Data", "Four"});
    // The last record ends one byte early: reading stops there.
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 1);
    EXPECT_EQ(styles.ReadBackup(cut), Status::kNotValid);
    EXPECT_EQ(styles.Name(125, false), "One");
    EXPECT_EQ(styles.Name(127, false), "Flash 1/3") << "No Data keeps the default";
    EXPECT_EQ(styles.Name(128, true), "*Four*");

    Psr9000UserStyles stopped;
    std::vector<std::uint8_t> broken(16, 0);
    psr9000_bytes::AppendStyleRecord(broken, "Kept");
    psr9000_bytes::AppendStyleRecord(broken, "Bad", false);
    psr9000_bytes::AppendStyleRecord(broken, "Never");
    EXPECT_EQ(stopped.ReadBackup(broken), Status::kNotValid);
    EXPECT_EQ(stopped.Name(125, false), "Kept");
    EXPECT_EQ(stopped.Name(126, false), "Flash 1/2");
    EXPECT_EQ(stopped.Name(127, false), "Flash 1/3");

    std::vector<std::uint8_t> headerOnly(15, 0);
    EXPECT_EQ(stopped.ReadBackup(headerOnly), Status::kNotValid);
    EXPECT_EQ(Psr9000UserStyles().ReadBackup(bytes), Status::kDone);
}

TEST(Psr9000UserStyles, ANameFillingItsFieldHasNoEnd) {
    Psr9000UserStyles styles;
    ASSERT_EQ(styles.ReadBackup(StyleBackup({"Sixteen chars 16"})), Status::kDone);
    EXPECT_EQ(styles.Name(125, false), "Sixteen chars 16");
    EXPECT_EQ(styles.Name(20, true), "16 Beat 1") << "presets are never marked";
}

class Psr9000Styles : public Psr9000Fixture {
protected:
    void SetUp() override {
        Psr9000Fixture::SetUp();
        WriteSampleBackup("SET.BUF");
    }
    void WriteStyles(const std::string& folder, const std::string& file, const std::vector<std::string>& names) {
        stdfs::create_directories(dir.File(folder));
        dir.Write(folder + "/" + file, StyleBackup(names));
    }
    static std::vector<std::string> SixNames(const std::string& sixth) { return {"1", "2", "3", "4", "5", sixth}; }
};
KALIVO_BOTH_PSR9000_MODELS(Psr9000Styles);

TEST_P(Psr9000Styles, AUserStyleShowsItsFlashNameUntilAStyleArchiveIsLoaded) {
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    EXPECT_EQ(StyleAt(*source, 0, 2), "Flash 1/6");
    WriteStyles("SET.BUF", Model().styleBackupFile, SixNames("Swingtime"));
    ASSERT_EQ(source->LoadStyleArchive(Folder(), "SET"), Status::kDone);
    EXPECT_EQ(StyleAt(*source, 0, 2), "Swingtime");
    EXPECT_EQ(StyleAt(*source, 0, 2, 1), "*Swingtime*");
    EXPECT_EQ(StyleAt(*source, 0, 0, 1), "PianoBallad");

    source->ClearSource();
    EXPECT_EQ(source->LoadStyleArchive(Folder(), "NONE"), Status::kNotValid);
}

TEST_P(Psr9000Styles, PrefersTheInstrumentsB01StyleBackup) {
    WriteStyles("SET.BUF", Model().styleBackupFile, SixNames("From BUF"));
    WriteStyles("Set.B01", "sty.b01", SixNames("From B01"));
    WriteStyles("OTHER.BUF", &Model() == &Psr9000Model::Pro() ? "STY.BUP" : "STY_PRO.BUP", SixNames("Wrong model"));
    source->SetStyleArchiveOptions(false, false, std::string(), true);
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    EXPECT_EQ(StyleAt(*source, 0, 2), "From B01");
    EXPECT_EQ(source->LoadStyleArchive(Folder(), "OTHER"), Status::kNotValid)
        << "a .BUF folder holds the style backup of its own model only";
}

TEST_P(Psr9000Styles, TheImplicitSearchStartsFromTheDefaultNames) {
    WriteStyles("OLD.BUF", Model().styleBackupFile, SixNames("Old name"));
    ASSERT_EQ(source->LoadStyleArchive(Folder(), "OLD"), Status::kDone);
    source->SetStyleArchiveOptions(false, false, std::string(), true);
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    EXPECT_EQ(StyleAt(*source, 0, 2), "Flash 1/6");
}

TEST_P(Psr9000Styles, TheDefaultFolderIsSearchedForAStyleBackup) {
    TempFolder styles;
    EXPECT_FALSE(source->SetStyleArchiveOptions(false, true, styles.Path(), false));
    stdfs::create_directories(styles.File("Empty.B01"));
    stdfs::create_directories(styles.File("Mine.BUF"));
    styles.Write(std::string("Mine.BUF/") + Model().styleBackupFile, StyleBackup(SixNames("Default")));
    EXPECT_TRUE(source->SetStyleArchiveOptions(false, true, styles.Path(), false));
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    EXPECT_EQ(StyleAt(*source, 0, 2), "Default");
    EXPECT_TRUE(source->SetStyleArchiveOptions(false, false, "/no/such/folder", false));
}

TEST_P(Psr9000Styles, AStoreOfOneBackupsRegistrationsCarriesItsStyleBackup) {
    // The instrument's own kind of backup: its style backup has another name.
    stdfs::create_directories(dir.File("LIVE.B01"));
    dir.Write(std::string("LIVE.B01/") + Model().registrationFile, Psr9000BackupFile::Write(SampleTable(Model())));
    WriteStyles("LIVE.B01", "STY.B01", SixNames("Swingtime"));
    const auto styles = dir.ReadBytes("LIVE.B01/STY.B01");
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "LIVE"), Status::kDone);
    ASSERT_EQ(destination->CopyRegistration(9, 1, source.get(), 0, 2), Status::kDone);
    ASSERT_EQ(destination->CopyRegistration(9, 2, source.get(), 4, 1), Status::kDone);

    TempFolder out;
    ASSERT_EQ(destination->StoreArchive("Kept", out.Path() + "/", 0), Status::kDone);
    EXPECT_EQ(destination->LastStoreNote(), "");
    EXPECT_EQ(out.ReadBytes(std::string("KEPT.BUF/") + Model().styleBackupFile), styles);
    source->SetStyleArchiveOptions(false, false, std::string(), true);
    ASSERT_EQ(source->LoadSourceArchive(out.Path() + "/", "KEPT"), Status::kDone);
    EXPECT_EQ(StyleAt(*source, 9, 1), "Swingtime");

    // One registration of another backup, and the style backup fits no longer.
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    ASSERT_EQ(destination->CopyRegistration(9, 3, source.get(), 0, 0), Status::kDone);
    ASSERT_EQ(destination->StoreArchive("Mixed", out.Path() + "/", 0), Status::kDone);
    EXPECT_EQ(destination->LastStoreNote(), "; the new backup holds no style backup");
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"KEPT.BUF", "MIXED.BUF"}));
    EXPECT_FALSE(stdfs::exists(out.File(std::string("MIXED.BUF/") + Model().styleBackupFile)));
}

TEST_P(Psr9000Styles, AStyleBackupThatCannotBeUsedIsNamedOnce) {
    auto notValid = StyleBackup(SixNames("Sixth"));
    notValid[16 + 2 * 512 + 6] = 23;  // the third record is no style
    const std::vector<std::vector<std::uint8_t>> damaged{
        notValid,
        std::vector<std::uint8_t>(notValid.begin(), notValid.begin() + 16 + 512),
        {},
    };
    source->SetStyleArchiveOptions(false, false, std::string(), true);
    for (const auto& bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        ui.messages.clear();
        dir.Write(std::string("SET.BUF/") + Model().styleBackupFile, bytes);
        ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].text.find(dir.File(std::string("SET.BUF/") + Model().styleBackupFile)),
                  std::string::npos);
        EXPECT_NE(ui.messages[0].text.find("not valid"), std::string::npos);
        EXPECT_EQ(StyleAt(*source, 0, 2), "Flash 1/6");
    }
}

TEST_P(Psr9000Styles, TheViewMarksUserStylesAndShowsNothingForAnEmptySlot) {
    WriteStyles("SET.BUF", Model().styleBackupFile, SixNames("Swingtime"));
    source->SetStyleArchiveOptions(false, false, std::string(), true);
    ASSERT_EQ(source->LoadSourceArchive(Folder(), "SET"), Status::kDone);
    source->ShowRegistration(-1, 0, 1);
    source->ShowRegistration(-1, 9, 0);
    EXPECT_TRUE(ui.simpleRegistrationViews.empty());

    source->ShowRegistration(-1, 0, 2);
    ASSERT_EQ(ui.simpleRegistrationViews.size(), 1u);
    const RegistrationView& view = ui.simpleRegistrationViews.back();
    EXPECT_EQ(view.title, "Flash Song");
    EXPECT_EQ(view.style, "*Swingtime*");
    EXPECT_EQ(view.tempo, "90");
    std::string r3;
    source->GetVoiceName4(0, 2, r3);
    EXPECT_EQ(view.voices[3], r3);

    TempFolder in;
    const auto record = psr9000_bytes::Registration("Alone", 130, 100);
    in.Write(std::string("alone") + Model().regfileExtension, std::vector<std::uint8_t>(record.begin(), record.end()));
    ASSERT_EQ(source->LoadRegfiles(in.Path()), Status::kDone);
    source->ShowRegistration(0, -1, -1);
    ASSERT_EQ(ui.simpleRegistrationViews.size(), 2u);
    EXPECT_EQ(ui.simpleRegistrationViews.back().title, "Alone");
    EXPECT_EQ(ui.simpleRegistrationViews.back().style, "Flash 1/6") << "a regfile has no style archive";
}

}  // namespace
}  // namespace kalivo::test
