#include <gtest/gtest.h>

#include "app/SettingsFile.h"
#include "support/TempFolder.h"

namespace kalivo::test {
namespace {

const std::string kSection =
    "[PSR-740    ]\r\nCustomStyleDlg=0\r\nImpliciteSearchForStyles=1\r\nDefaultCustomArchive=1\r\nCustomArchivePath=/st\r\n";

class SettingsFileTest : public ::testing::Test {
protected:
    TempFolder dir;
    SettingsFile file{dir.File("kalivo.ini")};
};

TEST_F(SettingsFileTest, OptionLinesAreReadByPositionAndKey) {
    dir.Write("kalivo.ini", "[Model]\r\nPSR-740    \r\n" + kSection);
    StyleArchiveOptions options;
    EXPECT_EQ(file.ReadStartup(options), Model::Psr740);
    EXPECT_FALSE(options.askForStyleArchive);
    EXPECT_TRUE(options.implicitSearch);
    EXPECT_TRUE(options.useDefaultArchive);
    EXPECT_EQ(options.defaultArchiveFolder, "/st");
}

TEST_F(SettingsFileTest, AWrongFirstLineStillLeavesTheNextLinesInPlace) {
    dir.Write("kalivo.ini",
              "[Model]\r\nPSR-740    \r\n[PSR-740    ]\r\nAsk=1\r\nImpliciteSearchForStyles=1\r\nDefaultCustomArchive=0\r\n"
              "CustomArchivePath=/st\r\n");
    StyleArchiveOptions options;
    file.ReadStartup(options);
    EXPECT_FALSE(options.askForStyleArchive);
    EXPECT_TRUE(options.implicitSearch);
    // The folder is read only after "DefaultCustomArchive=1".
    EXPECT_EQ(options.defaultArchiveFolder, "");
}

TEST_F(SettingsFileTest, FlagsNeedTheCharacterOneRightAfterTheKey) {
    dir.Write("kalivo.ini", "[Tyros      ]\r\nCustomStyleDlg=yes\r\nImpliciteSearchForStyles= 1\r\nDefaultCustomArchive=1x\r\n");
    StyleArchiveOptions options;
    file.ReadOptions("Tyros      ", options);
    EXPECT_FALSE(options.askForStyleArchive);
    EXPECT_FALSE(options.implicitSearch);
    EXPECT_TRUE(options.useDefaultArchive);
    EXPECT_EQ(options.defaultArchiveFolder, "");  // no path line at all
}

TEST_F(SettingsFileTest, WritingKeepsOtherSectionsAndReplacesTheActiveOne) {
    dir.Write("kalivo.ini", "[Model]\r\nPSR-740    \r\n" + kSection + "[Tyros      ]\r\nCustomStyleDlg=1\r\n"
                            "ImpliciteSearchForStyles=0\r\nDefaultCustomArchive=0\r\nCustomArchivePath=\r\n");
    StyleArchiveOptions options;
    options.askForStyleArchive = true;
    ASSERT_TRUE(file.Write("Tyros      ", options));
    EXPECT_EQ(dir.Read("kalivo.ini"), "[Model]\r\nTyros      \r\n" + kSection +
                                          "[Tyros      ]\r\nCustomStyleDlg=1\r\nImpliciteSearchForStyles=0\r\n"
                                          "DefaultCustomArchive=0\r\nCustomArchivePath=\r\n");
}

TEST_F(SettingsFileTest, ANewModelsSectionIsAppended) {
    dir.Write("kalivo.ini", "[Model]\r\nPSR-740    \r\n" + kSection);
    StyleArchiveOptions options;
    options.useDefaultArchive = true;
    options.defaultArchiveFolder = "C:\\styles";
    ASSERT_TRUE(file.Write("9000Pro    ", options));
    EXPECT_EQ(dir.Read("kalivo.ini"), "[Model]\r\n9000Pro    \r\n" + kSection +
                                          "[9000Pro    ]\r\nCustomStyleDlg=0\r\nImpliciteSearchForStyles=0\r\n"
                                          "DefaultCustomArchive=1\r\nCustomArchivePath=C:\\styles\r\n");
}

TEST_F(SettingsFileTest, AShortSectionGetsItsMissingLinesWithoutOverwritingTheNext) {
    dir.Write("kalivo.ini", "[Model]\r\nTyros      \r\n[Tyros      ]\r\nCustomStyleDlg=1\r\n" + kSection);
    ASSERT_TRUE(file.Write("Tyros      ", StyleArchiveOptions{}));
    EXPECT_EQ(dir.Read("kalivo.ini"), "[Model]\r\nTyros      \r\n[Tyros      ]\r\nCustomStyleDlg=0\r\n"
                                      "ImpliciteSearchForStyles=0\r\nDefaultCustomArchive=0\r\nCustomArchivePath=\r\n" +
                                          kSection);
    // At the end of the file likewise.
    dir.Write("kalivo.ini", "[Model]\r\nTyros      \r\n[Tyros      ]\r\n");
    ASSERT_TRUE(file.Write("Tyros      ", StyleArchiveOptions{}));
    EXPECT_EQ(dir.Read("kalivo.ini"), "[Model]\r\nTyros      \r\n[Tyros      ]\r\nCustomStyleDlg=0\r\n"
                                      "ImpliciteSearchForStyles=0\r\nDefaultCustomArchive=0\r\nCustomArchivePath=\r\n");
}

TEST_F(SettingsFileTest, WritingWithoutAFileStartsFromTheModelLines) {
    ASSERT_TRUE(file.Write("PSR-2000   ", StyleArchiveOptions{}));
    EXPECT_EQ(dir.Read("kalivo.ini"), "[Model]\r\nPSR-2000   \r\n[PSR-2000   ]\r\nCustomStyleDlg=0\r\n"
                                      "ImpliciteSearchForStyles=0\r\nDefaultCustomArchive=0\r\nCustomArchivePath=\r\n");
}

TEST_F(SettingsFileTest, ModelLineWithoutPaddingOrMissingIsNoModel) {
    StyleArchiveOptions options;
    EXPECT_FALSE(file.ReadStartup(options).has_value());  // no file
    dir.Write("kalivo.ini", "[Model]\r\n");
    EXPECT_FALSE(file.ReadStartup(options).has_value());
    dir.Write("kalivo.ini", "[Model]\r\nTyros\r\n");
    EXPECT_FALSE(file.ReadStartup(options).has_value());
    dir.Write("kalivo.ini", "junk\r\n[Model]\r\nCVP2 Series\r\n");
    EXPECT_EQ(file.ReadStartup(options), Model::Cvp2);
}

TEST_F(SettingsFileTest, VoiceListLineFollowsTheOptionLinesAndSurvivesRewrites) {
    const std::string tyros = "[Tyros      ]\r\nCustomStyleDlg=0\r\nImpliciteSearchForStyles=0\r\n"
                              "DefaultCustomArchive=0\r\nCustomArchivePath=\r\n";
    dir.Write("kalivo.ini", "[Model]\r\nPSR-740    \r\n" + kSection + tyros);
    EXPECT_EQ(file.ReadVoiceList("PSR-740    ").file, "");  // files written before read as before
    ASSERT_TRUE(file.WriteVoiceList("PSR-740    ", {"/lists/my psr.ins", "PSR-740"}));
    EXPECT_FALSE(file.WriteVoiceList("CVP2 Series", {"/x.ins", ""}));  // no section to hold it
    StyleArchiveOptions options;
    ASSERT_TRUE(file.Write("PSR-740    ", options));  // the option lines are rewritten, the line stays
    EXPECT_EQ(dir.Read("kalivo.ini"),
              "[Model]\r\nPSR-740    \r\n[PSR-740    ]\r\nCustomStyleDlg=0\r\nImpliciteSearchForStyles=0\r\n"
              "DefaultCustomArchive=0\r\nCustomArchivePath=\r\nVoiceList=/lists/my psr.ins\tPSR-740\r\n" +
                  tyros);
    EXPECT_EQ(file.ReadStartup(options), Model::Psr740);
    const VoiceListChoice choice = file.ReadVoiceList("PSR-740    ");
    EXPECT_EQ(choice.file, "/lists/my psr.ins");
    EXPECT_EQ(choice.instrument, "PSR-740");
    EXPECT_EQ(file.ReadVoiceList("Tyros      ").file, "");
    ASSERT_TRUE(file.WriteVoiceList("PSR-740    ", {}));
    EXPECT_EQ(dir.Read("kalivo.ini").find("VoiceList="), std::string::npos);
}

}  // namespace
}  // namespace kalivo::test
