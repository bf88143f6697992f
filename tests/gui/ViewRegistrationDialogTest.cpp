#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/QtUserInterface.h"
#include "qt/ViewRegistrationDialog.h"
#include "support/ScriptedUserInterface.h"
#include "GuiTestSupport.h"

namespace kalivo::test {
namespace {

using ViewRegistrationDialogTest = GuiTest;

RegistrationView SomeView() {
    return {"Caf\xc3\xa9 Song", "*MyBossa*", "120", {"Strings", "Flute", "Grand Piano", "***********"}};
}

TEST_F(ViewRegistrationDialogTest, ShowsTheSevenTextsReadOnlyBesideTheirLabels) {
    ViewRegistrationDialog dialog(SomeView(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("View Registration"));
    EXPECT_EQ(dialog.TitleEdit()->text(), QString::fromUtf8("Caf\xc3\xa9 Song"));
    EXPECT_EQ(dialog.StyleEdit()->text(), QStringLiteral("*MyBossa*"));
    EXPECT_EQ(dialog.TempoEdit()->text(), QStringLiteral("120"));
    const char* const voices[] = {"Strings", "Flute", "Grand Piano", "***********"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dialog.VoiceEdit(i)->text(), QString::fromLatin1(voices[i]));
        EXPECT_TRUE(dialog.VoiceEdit(i)->isReadOnly());
    }
    EXPECT_TRUE(dialog.TitleEdit()->isReadOnly());

    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* expected : {"Title:", "Style:", "Tempo:", "L/Left:", "R1/Layer:", "R2/Main:", "R3/Lead:"}) {
        EXPECT_TRUE(labels.contains(QString::fromLatin1(expected))) << expected;
    }
    // The four voices sit in the "Voices" group, the other fields outside it.
    auto* group = dialog.findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Voices"));
    EXPECT_TRUE(group->isAncestorOf(dialog.VoiceEdit(3)));
    EXPECT_FALSE(group->isAncestorOf(dialog.TitleEdit()));
}

TEST_F(ViewRegistrationDialogTest, OpensModallyThroughThePortAndClosesWithOk) {
    QtUserInterface ui;
    bool seen = false;
    AnswerNextModal<ViewRegistrationDialog>([&seen](ViewRegistrationDialog* dialog) {
        seen = true;
        EXPECT_EQ(dialog->StyleEdit()->text(), QStringLiteral("*MyBossa*"));
        auto* ok = dialog->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        ok->click();
    });
    ui.ViewRegistration(SomeView());
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace kalivo::test
