#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "qt/NameChoiceDialog.h"
#include "qt/QtUserInterface.h"
#include "qt/VoiceListDialog.h"

namespace kalivo::test {
namespace {

using VoiceListDialogTest = GuiTest;

TEST_F(VoiceListDialogTest, ShowsTheSourceAndReturnsTheButtonPressed) {
    const VoiceListView builtIn{"PSR-9000", "built-in table, 524 rows", "", false};
    VoiceListDialog plain(builtIn, nullptr);
    EXPECT_FALSE(plain.ClearButton()->isEnabled());
    const QLabel* text = plain.findChild<QLabel*>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("Voice names for the PSR-9000 come from:\nbuilt-in table, 524 rows"));

    const VoiceListView listed{"Tyros", "/l/t.ins, instrument Tyros, 1314 rows", "3 of 4 voice settings", true};
    AnswerNextModal<VoiceListDialog>([](VoiceListDialog* dialog) { dialog->ClearButton()->click(); });
    EXPECT_EQ(VoiceListDialog::Run(listed, nullptr), VoiceListAction::Clear);
    AnswerNextModal<VoiceListDialog>([](VoiceListDialog* dialog) { dialog->BrowseButton()->click(); });
    EXPECT_EQ(VoiceListDialog::Run(listed, nullptr), VoiceListAction::Browse);
    AnswerNextModal<VoiceListDialog>([](VoiceListDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(VoiceListDialog::Run(listed, nullptr), VoiceListAction::Close);
}

TEST_F(VoiceListDialogTest, InstrumentChoiceGivesTheIndex) {
    AnswerNextModal<NameChoiceDialog>([](NameChoiceDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Instrument"));
        dialog->List()->setCurrentRow(1);
        dialog->OkButton()->click();
    });
    QtUserInterface ui;
    EXPECT_EQ(ui.ChooseName("Select Instrument", {"First", "Second"}), 1);
}

}  // namespace
}  // namespace kalivo::test
