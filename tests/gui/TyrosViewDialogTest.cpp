#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "GuiTestSupport.h"
#include "TestIcons.h"
#include "qt/CopyRegistrationSettingsDialog.h"
#include "qt/IconLineWidget.h"
#include "qt/IconPictureWidget.h"
#include "qt/QtUserInterface.h"
#include "qt/TyrosViewRegistrationDialog.h"
#include "qt/ViewBankDialog.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test {
namespace {

using TyrosViewDialogTest = GuiTest;
using Line = TyrosViewRegistrationDialog::Line;

QStringList TextsOf(const std::vector<QWidget*>& widgets) {
    QStringList texts;
    for (const QWidget* widget : widgets) {
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            texts << edit->text();
        }
    }
    return texts;
}

bool AllHidden(const std::vector<QWidget*>& widgets) {
    return std::all_of(widgets.begin(), widgets.end(), [](const QWidget* w) { return w->isHidden(); });
}

// Style, Right1, Harmony and Song present; every other group absent.
TyrosRegistrationView SomeGroups() {
    TyrosRegistrationView view;
    view.bankName = "Live Set";
    view.part = 3;
    view.name = "Ballad";
    view.style = "+";
    view.styleName = "Pop Ballad";
    view.voicePresence = {"+", "-", "-", "-"};
    view.voices[0] = {"Grand Piano", "On"};
    view.multiPad = view.tempo = view.tuneTrans = view.scale = view.pedal = "-";
    view.harmony = "+";
    view.harmonyType = "Duet";
    view.harmonyOnOff = "Off";
    view.song = "+";
    view.songName = "MySong";
    view.mic = view.lineOut = "-";
    return view;
}

TEST_F(TyrosViewDialogTest, ViewRegistrationShowsValuesOnlyOfPresentGroups) {
    ScriptedUserInterface ui;
    TyrosRegistrationView view = SomeGroups();
    view.iconCode = "002";
    view.icons = WriteIcons(folder_, 4);
    TyrosViewRegistrationDialog dialog(view, ui, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    EXPECT_EQ(dialog.BankEdit()->text(), QStringLiteral("Live Set"));
    EXPECT_EQ(dialog.PartEdit()->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Ballad"));

    const std::map<Line, QStringList> present{
        {Line::Style, {"Style:", "Pop Ballad"}},
        {Line::Right1, {"Right1:", "Grand Piano", "On"}},
        {Line::Harmony, {"Harmony:", "Duet", "Off"}},
        {Line::Song, {"Song:", "MySong"}},
    };
    for (int i = 0; i < TyrosViewRegistrationDialog::kLines; ++i) {
        const auto line = static_cast<Line>(i);
        SCOPED_TRACE(i);
        const auto& details = dialog.DetailWidgets(line);
        const auto shown = present.find(line);
        EXPECT_EQ(dialog.PresenceEdit(line)->text(), shown != present.end() ? "+" : "-");
        if (shown != present.end()) {
            EXPECT_EQ(TextsOf(details), shown->second);
            EXPECT_TRUE(std::none_of(details.begin(), details.end(), [](QWidget* w) { return w->isHidden(); }));
        } else {
            EXPECT_TRUE(AllHidden(details));
        }
    }
    // The lines that show nothing but their presence have no values at all.
    for (Line line : {Line::TuneTrans, Line::Scale, Line::Pedal, Line::MicSettings, Line::LineOut}) {
        EXPECT_TRUE(dialog.DetailWidgets(line).empty());
    }

    EXPECT_EQ(dialog.IconLine()->CodeEdit()->text(), QStringLiteral("S002"));
    EXPECT_EQ(dialog.IconLine()->FileEdit()->text(), QStringLiteral("Icon002"));
    EXPECT_TRUE(dialog.IconLine()->Picture()->HasPicture());
    const QImage shot = dialog.IconLine()->Picture()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 18), IconColour(2));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TyrosViewDialogTest, ViewRegistrationWithoutIconOrGroups) {
    ScriptedUserInterface ui;
    TyrosRegistrationView view;
    view.style = view.tempo = "-";
    view.voicePresence = {"-", "-", "-", "-"};
    view.icons = WriteIcons(folder_, 2);
    TyrosViewRegistrationDialog dialog(view, ui, nullptr);
    EXPECT_TRUE(dialog.PartEdit()->text().isEmpty());
    EXPECT_TRUE(AllHidden(dialog.DetailWidgets(Line::Tempo)));
    // No code: no "S", no file name, no picture.
    EXPECT_TRUE(dialog.IconLine()->CodeEdit()->text().isEmpty());
    EXPECT_TRUE(dialog.IconLine()->FileEdit()->text().isEmpty());
    EXPECT_FALSE(dialog.IconLine()->Picture()->HasPicture());
}

TEST_F(TyrosViewDialogTest, UnloadableIconPictureIsReportedAndLeftOut) {
    ScriptedUserInterface ui;
    ViewBankRequest request;
    request.sequence = "1234";
    request.sequenceEnd = 2;
    request.bankIconCode = "001";
    request.icons = WriteIcons(folder_, 2);
    folder_.Write("Icon001.bmp", "not a bitmap");
    ViewBankDialog bank(request, ui, nullptr);
    EXPECT_EQ(bank.SequenceEdit()->text(), QStringLiteral("1234"));
    EXPECT_EQ(bank.EndEdit()->text(), QStringLiteral("NextBank"));
    EXPECT_EQ(bank.IconLine()->CodeEdit()->text(), QStringLiteral("001"));
    EXPECT_EQ(bank.IconLine()->FileEdit()->text(), QStringLiteral("Icon001"));
    EXPECT_FALSE(bank.IconLine()->Picture()->HasPicture());
    const std::string path = request.icons.folder + "Icon001.bmp";
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Error LoadBitmapFromFile " + path});

    // The same for a registration whose icon file has gone.
    TyrosRegistrationView view = SomeGroups();
    view.iconCode = "000";
    view.icons = request.icons;
    std::remove(folder_.File("Icon000.bmp").c_str());
    TyrosViewRegistrationDialog registration(view, ui, nullptr);
    EXPECT_FALSE(registration.IconLine()->Picture()->HasPicture());
    EXPECT_EQ(ui.MessageTexts().back(), "Error LoadBitmapFromFile " + request.icons.folder + "Icon000.bmp");
}

TEST_F(TyrosViewDialogTest, ViewDialogsCloseWithTheirButton) {
    QtUserInterface ui;
    AnswerNextModal<TyrosViewRegistrationDialog>([](TyrosViewRegistrationDialog* dialog) {
        auto* exit = dialog->findChild<QPushButton*>();
        ASSERT_NE(exit, nullptr);
        EXPECT_EQ(exit->text(), QStringLiteral("Exit"));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("View Registration"));
        exit->click();
    });
    ui.ViewTyrosRegistration(SomeGroups());

    AnswerNextModal<ViewBankDialog>([](ViewBankDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("View Bank"));
        dialog->findChild<QPushButton*>()->click();
    });
    ui.ViewBank(ViewBankRequest{});
}

CopySettingsRequest CopyRequest() {
    CopySettingsRequest request;
    request.sourceName = "Ballad";
    request.destinationName = "Empty";
    // Style, Right1, Right2, Right3, Left, Tune Trans, Scale, Harmony, Tempo, Pedal, Multipad, Song, Mic, Line Out.
    request.presence = {"+", "+", "-", "-", "+", "-", "-", "+", "+", "-", "-", "-", "-", "+"};
    return request;
}

TEST_F(TyrosViewDialogTest, CopySettingsOffersOnlyGroupsOfTheSource) {
    CopyRegistrationSettingsDialog dialog(CopyRequest(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Copy Registration Settings"));
    EXPECT_EQ(dialog.SourceEdit()->text(), QStringLiteral("Ballad"));
    EXPECT_EQ(dialog.DestinationEdit()->text(), QStringLiteral("Empty"));
    const std::set<int> offered{CopySettingsChoice::Style, CopySettingsChoice::StylePath, CopySettingsChoice::Right1,
                                CopySettingsChoice::Left,  CopySettingsChoice::Tempo,     CopySettingsChoice::Harmony,
                                CopySettingsChoice::LineOut};
    for (int choice = 0; choice < CopySettingsChoice::kChoices; ++choice) {
        SCOPED_TRACE(choice);
        const bool shown = offered.count(choice) != 0;
        EXPECT_EQ(dialog.Box(choice)->isHidden(), !shown);
        EXPECT_EQ(dialog.PresenceEdit(choice)->text(), shown ? "+" : "-");
    }
    EXPECT_EQ(dialog.Box(CopySettingsChoice::Mic)->text(), QStringLiteral("Copy Mic Setting?"));
    EXPECT_EQ(dialog.Box(CopySettingsChoice::StylePath)->text(), QStringLiteral("Copy Style-Path?"));
    // Nothing checked: all flags false, the caller says so.
    EXPECT_EQ(dialog.Flags(), std::vector<bool>(CopySettingsChoice::kChoices, false));
}

TEST_F(TyrosViewDialogTest, CopySettingsKeepsStyleAndStylePathApart) {
    QtUserInterface ui;
    AnswerNextModal<CopyRegistrationSettingsDialog>([](CopyRegistrationSettingsDialog* dialog) {
        QCheckBox* style = dialog->Box(CopySettingsChoice::Style);
        QCheckBox* stylePath = dialog->Box(CopySettingsChoice::StylePath);
        style->click();
        stylePath->click();
        EXPECT_FALSE(style->isChecked());
        EXPECT_TRUE(stylePath->isChecked());
        style->click();
        EXPECT_FALSE(stylePath->isChecked());
        dialog->Box(CopySettingsChoice::Tempo)->click();
        dialog->OkButton()->click();
    });
    std::vector<bool> expected(CopySettingsChoice::kChoices, false);
    expected[CopySettingsChoice::Style] = expected[CopySettingsChoice::Tempo] = true;
    EXPECT_EQ(ui.CopyRegistrationSettings(CopyRequest()), expected);

    AnswerNextModal<CopyRegistrationSettingsDialog>([](CopyRegistrationSettingsDialog* dialog) {
        dialog->Box(CopySettingsChoice::Style)->click();
        dialog->reject();
    });
    EXPECT_EQ(ui.CopyRegistrationSettings(CopyRequest()), std::nullopt);
}

}  // namespace
}  // namespace kalivo::test
