#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "qt/ArchiveSelectionDialog.h"
#include "qt/BankSelectionDialog.h"
#include "qt/ChangeArchiveNameDialog.h"
#include "qt/ChangeNameDialog.h"
#include "qt/FileDialogs.h"
#include "qt/OptionsDialog.h"
#include "qt/QtUserInterface.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test {
namespace {

using DialogTest = GuiTest;

TEST_F(DialogTest, ChangeNameDropsTrailingBlanksAndRefusedCharacters) {
    ChangeNameDialog trimmed("Piano Set   ", 16, nullptr);
    EXPECT_EQ(trimmed.Edit()->text(), QStringLiteral("Piano Set"));

    ChangeNameDialog dialog("", 16, nullptr);
    dialog.show();
    QLineEdit* edit = dialog.Edit();
    QTest::keyClicks(edit, "ab/c.");
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(edit->cursorPosition(), 3);

    // A paste is checked whole, not only at its last character.
    edit->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("x.y/z@"));
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("axyz@bc"));
    EXPECT_EQ(edit->cursorPosition(), 5);

    // A paste over a selection of about its length is no typed character either.
    edit->selectAll();
    QTest::keyClicks(edit, "Jazz");
    ASSERT_EQ(edit->text(), QStringLiteral("Jazz"));
    edit->setSelection(1, 2);  // "az"
    QGuiApplication::clipboard()->setText(QStringLiteral("/x"));
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("Jxz"));
}

TEST_F(DialogTest, NameDialogsKeepToTheirLength) {
    ChangeNameDialog name("", 5, nullptr);
    name.show();
    QTest::keyClicks(name.Edit(), "abcdefg");
    EXPECT_EQ(name.Edit()->text(), QStringLiteral("abcde"));

    // An archive name already too long is shown whole and can be kept as it
    // is, but not changed into another name that is too long.
    ChangeArchiveNameDialog archive({"ABCDEFGHIJKLMNOPQRS", 16, 0}, nullptr);
    archive.show();
    EXPECT_EQ(archive.Edit()->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRS"));
    archive.OkButton()->click();
    EXPECT_FALSE(archive.isVisible());
    archive.show();
    archive.Edit()->setText(QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    QString told;
    AnswerNextModal<QMessageBox>([&](QMessageBox* box) {
        told = box->text();
        box->accept();
    });
    archive.OkButton()->click();
    EXPECT_EQ(told, QStringLiteral("Please enter no more than 16 characters."));
    EXPECT_TRUE(archive.isVisible());
}

TEST_F(DialogTest, ShortDiskNamesRefuseWhatTheDiskCannotHoldAndShowTheStoredName) {
    ChangeArchiveNameDialog archive({"", 16, 8}, nullptr);
    archive.show();
    ASSERT_NE(archive.StoredAs(), nullptr);
    // Typed key by key; QTest's own keyClicks takes ASCII only.
    for (const QChar c : QString::fromUtf8("Müller Set 1.2/X")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(archive.Edit(), &press);
    }
    EXPECT_EQ(archive.Edit()->text(), QString::fromUtf8("Müller Set 12X"));
    EXPECT_EQ(archive.StoredAs()->text(), QStringLiteral("Stored as: MULLER S"));
}

TEST_F(DialogTest, SelectBanksReportsAscendingIndicesEmptyOrCancel) {
    QtUserInterface ui;
    const std::vector<std::string> banks{"Bank1", "Bank2", "Bank3", "Bank4", "Bank5"};

    AnswerNextModal<BankSelectionDialog>([](BankSelectionDialog* dialog) {
        for (int row : {3, 0, 2}) {
            dialog->List()->item(row)->setSelected(true);
        }
        dialog->OkButton()->click();
    });
    EXPECT_EQ(ui.SelectBanks(banks), std::optional<std::vector<int>>(std::vector<int>{0, 2, 3}));

    AnswerNextModal<BankSelectionDialog>([](BankSelectionDialog* dialog) { dialog->OkButton()->click(); });
    EXPECT_EQ(ui.SelectBanks(banks), std::optional<std::vector<int>>(std::vector<int>{}));

    AnswerNextModal<BankSelectionDialog>([](BankSelectionDialog* dialog) { dialog->CancelButton()->click(); });
    EXPECT_EQ(ui.SelectBanks(banks), std::nullopt);
}

TEST_F(DialogTest, ArchiveSelectionStaysOpenUntilALineIsChosen) {
    QtUserInterface ui;
    bool stayedOpen = false;
    AnswerNextModal<ArchiveSelectionDialog>([&](ArchiveSelectionDialog* dialog) {
        dialog->OkButton()->click();
        stayedOpen = dialog->isVisible();
        dialog->List()->setCurrentRow(1);
        dialog->OkButton()->click();
    });
    EXPECT_EQ(ui.SelectArchive({"ONE", "TWO", "THREE"}), 1);
    EXPECT_TRUE(stayedOpen);

    AnswerNextModal<ArchiveSelectionDialog>([](ArchiveSelectionDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(ui.SelectArchive({"ONE"}), -1);
}

TEST_F(DialogTest, OptionsBoxesFollowTheExclusionRules) {
    ScriptedUserInterface ui;
    StyleArchiveOptions options;
    options.askForStyleArchive = true;
    OptionsDialog dialog("PSR-740    ", options, ui, nullptr);

    ui.folders.push_back("/styles");
    dialog.DefaultArchiveBox()->click();
    EXPECT_EQ(ui.folderTitles, std::vector<std::string>{"Select the style-archive directory"});
    EXPECT_FALSE(dialog.AskBox()->isChecked());
    EXPECT_TRUE(dialog.DefaultArchiveBox()->isChecked());
    EXPECT_EQ(dialog.FolderEdit()->text(), QStringLiteral("/styles"));

    dialog.ImplicitSearchBox()->click();
    EXPECT_FALSE(dialog.DefaultArchiveBox()->isChecked());
    EXPECT_TRUE(dialog.FolderEdit()->text().isEmpty());

    dialog.DefaultArchiveBox()->click();  // no folder chosen
    EXPECT_FALSE(dialog.DefaultArchiveBox()->isChecked());
    EXPECT_TRUE(dialog.ImplicitSearchBox()->isChecked());
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No valid style-archive"});
}

TEST_F(DialogTest, FolderAndSaveDialogs) {
    QtUserInterface ui;
    for (const QString& chosen : {QStringLiteral("/"), QString::fromStdString(folder_.Path())}) {
        AnswerNextModal<QFileDialog>([chosen](QFileDialog* dialog) {
            dialog->setDirectory(chosen);
            static_cast<QDialog*>(dialog)->accept();
        });
        EXPECT_EQ(ui.ChooseFolder("Select the path for registration archive"), chosen.toStdString());
    }

    SaveAsRequest request;
    request.filter = "Text Files (*.txt)|*.txt|htm Files (*.htm)|*.htm||";
    QStringList shownFilters;
    AnswerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        shownFilters = dialog->nameFilters();
        dialog->setDirectory(QString::fromStdString(folder_.Path()));
        static_cast<QDialog*>(dialog)->accept();
    });
    // Under the first filter a bare name gets that filter's ending.
    EXPECT_EQ(ui.ChooseSaveFile(request), (SaveAsChoice{folder_.File("untitled.txt"), 0}));
    EXPECT_EQ(shownFilters, (QStringList{"Text Files (*.txt)", "htm Files (*.htm)"}));
    // Choosing the other filter switches the ending added; a typed ending stays as typed.
    AnswerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setDirectory(QString::fromStdString(folder_.Path()));
        dialog->selectNameFilter(QStringLiteral("htm Files (*.htm)"));
        emit dialog->filterSelected(QStringLiteral("htm Files (*.htm)"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(ui.ChooseSaveFile(request), (SaveAsChoice{folder_.File("untitled.htm"), 1}));
    request.fileName = "LIST.TXT";
    AnswerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setDirectory(QString::fromStdString(folder_.Path()));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(ui.ChooseSaveFile(request), (SaveAsChoice{folder_.File("LIST.TXT"), 0}));
    EXPECT_EQ(FileDialogs::SuffixOfFilter(QStringLiteral("Text Files (*.txt)")), QStringLiteral("txt"));
    EXPECT_EQ(FileDialogs::SuffixOfFilter(QStringLiteral("Banks (*.rgt *.RGT)")), QStringLiteral("rgt"));
    EXPECT_EQ(FileDialogs::NameFilters("Banks|*.rgt;*.RGT||"), QStringList{"Banks (*.rgt *.RGT)"});
}

}  // namespace
}  // namespace kalivo::test
