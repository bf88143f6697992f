#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "GuiTestSupport.h"
#include "TestIcons.h"
#include "qt/EditBankDialog.h"
#include "qt/EditIconDialog.h"
#include "qt/QtUserInterface.h"
#include "qt/SelectIconDialog.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test {
namespace {

using BankIconDialogTest = GuiTest;

EditBankRequest BankRequest() {
    EditBankRequest request;
    request.sequence = "12";
    request.sequenceEnd = 1;
    request.bankName = "Live Set";
    request.usedSlots = "1235";
    return request;
}

TEST_F(BankIconDialogTest, EditBankDropsDigitsOfNoUsedRegistration) {
    EditBankDialog dialog(BankRequest(), nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Sequence:  Live Set"));
    QLineEdit* edit = dialog.SequenceEdit();
    edit->end(false);
    QTest::keyClicks(edit, "93045");
    EXPECT_EQ(edit->text(), QStringLiteral("1235"));
    EXPECT_EQ(edit->cursorPosition(), 4);

    // The bank keeps 34 steps; the edit takes no more.
    QTest::keyClicks(edit, QString(40, QLatin1Char('1')));
    EXPECT_EQ(edit->text().size(), 34);

    // A stored sequence naming a registration emptied since is shown as
    // stored; the first change filters the whole text.
    EditBankRequest stale = BankRequest();
    stale.sequence = "1728";
    EditBankDialog reopened(stale, nullptr);
    reopened.show();
    EXPECT_EQ(reopened.SequenceEdit()->text(), QStringLiteral("1728"));
    reopened.SequenceEdit()->end(false);
    QTest::keyClicks(reopened.SequenceEdit(), "3");
    EXPECT_EQ(reopened.SequenceEdit()->text(), QStringLiteral("123"));
}

TEST_F(BankIconDialogTest, EditBankOkNeedsAtMostOneEndLine) {
    QtUserInterface ui;
    bool stayedOpen = false;
    AnswerNextModal<EditBankDialog>([&](EditBankDialog* dialog) {
        QListWidget* ends = dialog->EndList();
        EXPECT_EQ(ends->count(), 3);
        EXPECT_EQ(ends->item(2)->text(), QStringLiteral("Next Bank"));
        EXPECT_TRUE(ends->item(1)->isSelected());
        ends->item(2)->setSelected(true);
        dialog->OkButton()->click();
        stayedOpen = dialog->isVisible();
        ends->item(1)->setSelected(false);
        dialog->SequenceEdit()->clear();
        dialog->OkButton()->click();
    });
    const auto result = ui.EditBank(BankRequest());
    EXPECT_TRUE(stayedOpen);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->sequence, "");
    EXPECT_EQ(result->sequenceEnd, 2);

    // An end outside the list selects nothing; OK then means Stop.
    EditBankRequest odd = BankRequest();
    odd.sequenceEnd = 7;
    AnswerNextModal<EditBankDialog>([](EditBankDialog* dialog) {
        EXPECT_TRUE(dialog->EndList()->selectedItems().isEmpty());
        dialog->OkButton()->click();
    });
    EXPECT_EQ(ui.EditBank(odd)->sequenceEnd, 0);
}

TEST_F(BankIconDialogTest, EditIconTakesThreeDigitsOnly) {
    EditIconDialog dialog("Ballad", "", nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Icon:  Ballad"));
    QTest::keyClicks(dialog.CodeEdit(), "1a2-34");
    EXPECT_EQ(dialog.CodeEdit()->text(), QStringLiteral("123"));

    dialog.CodeEdit()->setText(QStringLiteral("1 2"));
    dialog.OkButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Result().has_value());
    dialog.CodeEdit()->setText(QStringLiteral("0 42"));
    dialog.OkButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Result(), std::optional<std::string>("042"));
}

QPoint CellCentre(int cell) {
    const auto picture = SelectIconPage::Picture(cell);
    return {(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2};
}

TEST_F(BankIconDialogTest, SelectIconDrawsThePageAndReturnsTheClickedCode) {
    ScriptedUserInterface ui;
    SelectIconRequest request;
    request.currentCode = "040";
    request.icons = WriteIcons(folder_, 140);
    SelectIconDialog dialog(request, ui, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    // Icon 40 is in view (column 1 first) and framed in cell 35.
    EXPECT_EQ(dialog.ScrollBar()->maximum(), 28);
    EXPECT_EQ(dialog.ScrollBar()->value(), 1);
    EXPECT_EQ(dialog.Page().SelectedCell(), 35);
    EXPECT_EQ(dialog.FileEdit()->text(), QStringLiteral("Icon040"));
    EXPECT_EQ(dialog.LoadedBitmaps(), 70);
    QImage shot = dialog.grab().toImage();
    const auto selected = SelectIconPage::Picture(35);
    EXPECT_EQ(shot.pixelColor(CellCentre(35)), IconColour(40));
    EXPECT_EQ(shot.pixelColor(CellCentre(0)), IconColour(5));
    EXPECT_EQ(shot.pixelColor(CellCentre(69)), IconColour(74));
    EXPECT_EQ(shot.pixelColor(selected.left - 2, selected.top - 2), QColor(255, 0, 0));
    const auto other = SelectIconPage::Picture(36);
    EXPECT_EQ(shot.pixelColor(other.left - 2, other.top - 2), QColor(Qt::white));

    // A step right drops the selection and frees the column that left.
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dialog.ScrollBar()->value(), 2);
    EXPECT_EQ(dialog.Page().SelectedCell(), -1);
    EXPECT_TRUE(dialog.FileEdit()->text().isEmpty());
    EXPECT_EQ(dialog.LoadedBitmaps(), 70);
    shot = dialog.grab().toImage();
    EXPECT_EQ(shot.pixelColor(CellCentre(0)), IconColour(10));

    // Codes the page does not know leave the position alone.
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(dialog.ScrollBar()->value(), 2);
    // A dragged thumb counts where it is let go.
    dialog.ScrollBar()->setSliderDown(true);
    dialog.ScrollBar()->setSliderPosition(20);
    EXPECT_EQ(dialog.Page().Position(), 2);
    dialog.ScrollBar()->setSliderDown(false);
    EXPECT_EQ(dialog.Page().Position(), 20);
    EXPECT_EQ(dialog.ScrollBar()->value(), 20);
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(dialog.ScrollBar()->value(), 19);
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(dialog.ScrollBar()->value(), 18);
    EXPECT_EQ(dialog.LoadedBitmaps(), 140 - 5 * 18);

    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(7));
    EXPECT_EQ(dialog.FileEdit()->text(), QStringLiteral("Icon097"));
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.Page().ResultCode(), std::optional<std::string>("097"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BankIconDialogTest, SelectIconThroughTheUserInterface) {
    QtUserInterface ui;
    SelectIconRequest request;
    request.icons = WriteIcons(folder_, 12);
    AnswerNextModal<SelectIconDialog>([](SelectIconDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Icon"));
        EXPECT_FALSE(dialog->ScrollBar()->isEnabled());
        QTest::mouseClick(dialog, Qt::LeftButton, {}, CellCentre(11));
        dialog->OkButton()->click();
    });
    EXPECT_EQ(ui.SelectIcon(request), std::optional<std::string>("011"));

    // OK without a chosen icon is no choice; a click on an empty cell chooses nothing.
    AnswerNextModal<SelectIconDialog>([](SelectIconDialog* dialog) {
        QTest::mouseClick(dialog, Qt::LeftButton, {}, CellCentre(12));
        dialog->OkButton()->click();
    });
    EXPECT_EQ(ui.SelectIcon(request), std::nullopt);
}

TEST_F(BankIconDialogTest, SelectIconEndsTheListAtABrokenBitmap) {
    ScriptedUserInterface ui;
    SelectIconRequest request;
    request.currentCode = "005";
    request.icons = WriteIcons(folder_, 8);
    folder_.Write("Icon003.bmp", std::string(10, 'x'));
    SelectIconDialog dialog(request, ui, nullptr);
    EXPECT_EQ(dialog.Page().Count(), 3);
    EXPECT_EQ(dialog.LoadedBitmaps(), 3);
    // The current icon was behind the break, so nothing is chosen.
    EXPECT_EQ(dialog.Page().SelectedCell(), -1);
    EXPECT_TRUE(dialog.FileEdit()->text().isEmpty());
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"Error LoadBitmapFromFile " + request.icons.folder + "Icon003.bmp"});
    const QImage shot = dialog.grab().toImage();
    EXPECT_EQ(shot.pixelColor(CellCentre(2)), IconColour(2));
    EXPECT_EQ(shot.pixelColor(CellCentre(4)), QColor(Qt::white));
}

}  // namespace
}  // namespace kalivo::test
