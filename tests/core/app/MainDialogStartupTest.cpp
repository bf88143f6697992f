#include <fstream>

#include "core/app/MainDialogFixture.h"
#include "common/fs/FileSystem.h"

namespace kalivo::test {
namespace {

using StartupTest = MainDialogFixture;

TEST_F(StartupTest, ValidModelLineActivatesThatModelAndBuildsBothLists) {
    StartWith(Model::Tyros);
    EXPECT_TRUE(dialog->HasActiveModel());
    EXPECT_EQ(dialog->ModelName(), "Tyros      ");
    EXPECT_TRUE(Destination(Model::Tyros).Called("CreateStore"));
    EXPECT_TRUE(Source(Model::Tyros).Called("SetStyleArchiveOptions"));
    // An empty Tyros store still shows one bank.
    ASSERT_EQ(view.sourceLines.size(), 9u);
    EXPECT_EQ(view.sourceLines[1], "  1: --- no reg ---");
    EXPECT_EQ(view.edits[EditField::SourceArchive], "Source");
    EXPECT_EQ(view.edits[EditField::DestinationArchive], "Destination");
    EXPECT_EQ(view.edits[EditField::SourceCaption], "");
    EXPECT_TRUE(view.visible[ModelButton::DefaultRevoice]);
    EXPECT_FALSE(view.visible[ModelButton::Options]);
    EXPECT_FALSE(view.visible[ModelButton::Archivename]);
}

TEST_F(StartupTest, UnpaddedModelNameIsNotRecognisedAndTheFileIsDeleted) {
    dir.Write("kalivo.ini", "[Model]\r\nTyros\r\n");
    Create();
    dialog->Initialize();
    EXPECT_FALSE(dialog->HasActiveModel());
    EXPECT_FALSE(FileSystem::Exists(SettingsPath()));
}

TEST_F(StartupTest, MissingOrModellessFileStartsWithoutModel) {
    Create();
    dialog->Initialize();
    EXPECT_FALSE(dialog->HasActiveModel());
    dir.Write("kalivo.ini", "[Other]\r\nPSR-740    \r\n");
    Create();
    dialog->Initialize();
    EXPECT_FALSE(dialog->HasActiveModel());
    EXPECT_FALSE(FileSystem::Exists(SettingsPath()));
}

TEST_F(StartupTest, SettingsWithLfOnlyLinesStillWork) {
    dir.Write("kalivo.ini", "[Model]\nPSR-740    \n");
    Create();
    dialog->Initialize();
    EXPECT_EQ(dialog->ModelName(), "PSR-740    ");
    EXPECT_EQ(view.sourceLines.size(), 32u * 4u);
    EXPECT_EQ(view.sourceLines[5], "2-2: --- no reg ---");
    EXPECT_EQ(view.edits[EditField::SourceCaption], "Source Archive:");
    EXPECT_EQ(view.edits[EditField::DestinationCaption], "Dest. Archive:");
}

TEST_F(StartupTest, AskForStyleArchiveRunsTheQuestionAtStart) {
    dir.Write("kalivo.ini",
              "[Model]\r\nPSR-8000   \r\n[PSR-8000   ]\r\nCustomStyleDlg=1\r\nImpliciteSearchForStyles=0\r\n"
              "DefaultCustomArchive=0\r\nCustomArchivePath=\r\n");
    Create();
    ui.flashStyles = {true, false};
    ui.folders = {"/styles"};  // no archive there: asked again, then No
    dialog->Initialize();
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No Archive found"});
    EXPECT_EQ(ui.folderTitles, std::vector<std::string>{"Select the path for style archive"});
}

TEST_F(StartupTest, InvalidDefaultStylePathIsRepairedAndWritten) {
    dir.Write("kalivo.ini",
              "[Model]\r\nPSR-9000   \r\n[PSR-9000   ]\r\nCustomStyleDlg=0\r\nImpliciteSearchForStyles=0\r\n"
              "DefaultCustomArchive=1\r\nCustomArchivePath=/gone\r\n");
    Create();
    // The handlers are made at construction; their options are checked at start.
    Source(Model::Psr9000).optionsValid = false;
    dialog->Initialize();
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Default style path not valid"});
    EXPECT_FALSE(dialog->StyleOptions().useDefaultArchive);
    EXPECT_EQ(dialog->StyleOptions().defaultArchiveFolder, "");
    EXPECT_NE(dir.Read("kalivo.ini").find("DefaultCustomArchive=0\r\nCustomArchivePath=\r\n"), std::string::npos);
}

TEST_F(StartupTest, ARefusalWithoutADefaultPathIsNoError) {
    Create();
    Source(Model::Cvp2).optionsValid = false;
    Destination(Model::Cvp2).optionsValid = false;
    dir.Write("kalivo.ini", "[Model]\r\nCVP2 Series\r\n");
    dialog->Initialize();
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartupTest, ModelCommandSwitchesAndWritesTheSettings) {
    StartWith(Model::Psr740);
    ui.modelChoices = {6};  // the seventh line of the model list is Tyros
    dialog->ModelCommand();
    ASSERT_EQ(ui.modelLists.size(), 1u);
    EXPECT_EQ(ui.modelLists[0], (std::vector<std::string>{"PSR-740    ", "PSR-2000   ", "PSR-8000   ", "PSR-9000   ",
                                                          "9000Pro    ", "CVP2 Series", "Tyros      "}));
    EXPECT_EQ(dialog->ModelName(), "Tyros      ");
    EXPECT_TRUE(Source(Model::Psr740).Called("ReleaseStore"));
    EXPECT_NE(dir.Read("kalivo.ini").find("[Model]\r\nTyros      \r\n"), std::string::npos);
    EXPECT_NE(dir.Read("kalivo.ini").find("[PSR-740    ]\r\n"), std::string::npos);
}

// A first start says what to do first; the model list then opens on the
// model in use (none the first time).
TEST_F(StartupTest, FirstStartHintsAtModelAndTheListOpensOnTheCurrentModel) {
    Create();
    dialog->Initialize();
    EXPECT_EQ(view.LastStatus(), "Choose your keyboard with Model");
    ui.modelChoices = {2, 6};
    dialog->ModelCommand();
    dialog->ModelCommand();
    EXPECT_EQ(ui.modelPreselections, (std::vector<int>{-1, 2}));

    StartWith(Model::Tyros);
    EXPECT_NE(view.LastStatus(), "Choose your keyboard with Model");
}

// The new model's lists start unfiltered and at the top: an old find text
// would show them empty.
TEST_F(StartupTest, AModelSwitchClearsBothFindFieldsAndStartsBothListsAtTheTop) {
    StartWith(Model::Psr740);
    dialog->SetFilter(Pane::Source, "zz");
    dialog->SetFilter(Pane::Destination, "zz");
    ASSERT_TRUE(view.destinationLines.empty());
    ui.modelChoices = {2};
    dialog->ModelCommand();
    for (Pane pane : {Pane::Source, Pane::Destination}) {
        EXPECT_EQ(dialog->Filter(pane), "");
        EXPECT_EQ(view.findCleared[pane], 1);
        EXPECT_EQ(view.scrolledToTop[pane], 1);
    }
    EXPECT_EQ(view.destinationLines.size(), 32u * 4u);
}

TEST_F(StartupTest, ModelDialogClosedWithoutChoiceSwitchesNothing) {
    StartWith(Model::Psr740);
    ui.modelChoices = {-1};
    dialog->ModelCommand();
    EXPECT_EQ(dialog->ModelName(), "PSR-740    ");
    EXPECT_FALSE(Source(Model::Psr740).Called("ReleaseStore"));
}

TEST_F(StartupTest, LoadWithoutModelAsksForTheModelFirstAndGoesOn) {
    Create();
    dialog->Initialize();
    ui.modelChoices = {1};  // PSR-2000
    ui.folders = {"/disk"};
    dialog->LoadArchiveLeft();
    EXPECT_EQ(dialog->ModelName(), "PSR-2000   ");
    EXPECT_TRUE(Source(Model::Psr2000).Called("ListArchives(/disk/)"));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No Archive found"});
}

TEST_F(StartupTest, LoadWithoutModelEndsWhenNoModelIsChosen) {
    Create();
    dialog->Initialize();
    dialog->LoadRegfiles();
    EXPECT_FALSE(dialog->HasActiveModel());
    EXPECT_TRUE(ui.folderTitles.empty());
}

TEST_F(StartupTest, ExitWithoutModelWritesAnEmptySection) {
    Create();
    dialog->Initialize();
    EXPECT_TRUE(dialog->Exit());
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(dir.Read("kalivo.ini"),
              "[Model]\r\n\r\n[]\r\nCustomStyleDlg=0\r\nImpliciteSearchForStyles=0\r\nDefaultCustomArchive=0\r\n"
              "CustomArchivePath=\r\n");
    // The next start finds no valid model and deletes the file.
    Create();
    dialog->Initialize();
    EXPECT_FALSE(dialog->HasActiveModel());
    EXPECT_FALSE(FileSystem::Exists(SettingsPath()));
}

}  // namespace
}  // namespace kalivo::test
