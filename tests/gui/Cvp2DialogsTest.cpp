// The CVP2 Series window on the example bank: Copy GP-Block with two groups
// chosen, then View Registration of the result.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "qt/ArchiveListWidget.h"
#include "qt/Cvp2ViewRegistrationDialog.h"
#include "qt/GpBlockCopyDialog.h"
#include "qt/MainWindow.h"
#include "qt/QtUserInterface.h"

namespace kalivo::test {
namespace {

// The real dialogs; the folder browser and the archive list are answered here.
class ExampleUserInterface : public QtUserInterface {
public:
    std::string ChooseFolder(const std::string&) override { return KALIVO_EXAMPLES_DIR "/cvp2"; }
    int SelectArchive(const std::vector<std::string>& names, int) override {
        listed = names;
        return 0;
    }
    void ShowMessage(const std::string& text, const std::string&) override { messages.push_back(text); }
    std::vector<std::string> listed;
    std::vector<std::string> messages;
};

void Click(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2)); }

class Cvp2DialogsTest : public GuiTest {};

TEST_F(Cvp2DialogsTest, CopyGpBlockWithTwoGroupsThenViewTheRegistration) {
    folder_.Write("kalivo.ini", std::string("[Model]\r\nCVP2 Series\r\n"));
    ExampleUserInterface ui;
    MainWindow window(ui);
    ui.SetParentWindow(&window);
    window.Initialize();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    window.Logic().LoadArchiveLeft();
    window.Logic().LoadArchiveRight();
    ASSERT_EQ(ui.listed, std::vector<std::string>{"MY BANK.S917"});
    QListWidget* source = window.ListFor(Pane::Source);
    QListWidget* destination = window.ListFor(Pane::Destination);
    ASSERT_EQ(source->count(), 9);
    EXPECT_EQ(source->item(3)->text(), QStringLiteral("1-3: Swing Night"));
    EXPECT_EQ(window.EditFor(EditField::DestinationArchive)->text(), QStringLiteral("MY BANK.S917"));

    // Swing Night's style and tempo into Piano Ballad.
    window.Logic().SourceSelectionChanged(3);
    window.Logic().DestinationSelectionChanged(5);
    bool layerHidden = false;
    bool tempoIsThreeState = false;
    std::vector<Qt::CheckState> tempoStates;
    Qt::CheckState styleState = Qt::Unchecked;
    QString names;
    AnswerNextModal<GpBlockCopyDialog>([&](GpBlockCopyDialog* dialog) {
        names = dialog->SourceEdit()->text() + "|" + dialog->DestinationEdit()->text();
        layerHidden = dialog->Box(GpBlockCopyChoice::VoiceLayer)->isHidden();
        tempoIsThreeState = dialog->Box(GpBlockCopyChoice::Tempo)->isTristate();
        Click(dialog->Box(GpBlockCopyChoice::Style));
        // Unchecked, checked, grey, unchecked, checked: the first click checks.
        for (int click = 0; click < 4; ++click) {
            Click(dialog->Box(GpBlockCopyChoice::Tempo));
            tempoStates.push_back(dialog->Box(GpBlockCopyChoice::Tempo)->checkState());
        }
        styleState = dialog->Box(GpBlockCopyChoice::Style)->checkState();
        dialog->CopyButton()->click();
    });
    window.Logic().GroupCopy();
    EXPECT_EQ(names, QStringLiteral("Swing Night|Piano Ballad"));
    EXPECT_TRUE(layerHidden);
    EXPECT_TRUE(tempoIsThreeState);
    EXPECT_EQ(tempoStates,
              (std::vector<Qt::CheckState>{Qt::Checked, Qt::PartiallyChecked, Qt::Unchecked, Qt::Checked}));
    EXPECT_EQ(styleState, Qt::Checked);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(window.Logic().Changed());
    EXPECT_EQ(destination->item(5)->text(), QStringLiteral("1-5: Piano Ballad"));

    std::vector<QString> shown;
    AnswerNextModal<Cvp2ViewRegistrationDialog>([&](Cvp2ViewRegistrationDialog* dialog) {
        shown.push_back(dialog->NameEdit()->text());
        for (int pair = 0; pair < Cvp2RegistrationView::kPairs; ++pair) {
            shown.push_back(dialog->CaptionEdit(pair)->text() + dialog->ValueEdit(pair)->text());
        }
        shown.push_back(dialog->SettingEdit(2)->text());
        dialog->accept();
    });
    window.Logic().DestinationSelectionChanged(5);
    window.Logic().DestinationDoubleClicked();
    EXPECT_EQ(shown, (std::vector<QString>{"Piano Ballad", "Style:BigBand", "Main:GrandPno", "Layer:Strings1",
                                           "Left:Jazz Kit", "MultiPad:Chimes", "Tempo:132", "+"}));
}

}  // namespace
}  // namespace kalivo::test
