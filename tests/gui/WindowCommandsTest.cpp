// The main window as a desktop program: keys, menus, greyed commands, find
// fields, drag and drop, bold bank headers and the smallest size it keeps.
#include <gtest/gtest.h>

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QUrl>
#include <set>

#include "GuiTestSupport.h"
#include "qt/ArchiveListWidget.h"
#include "qt/LineDragData.h"
#include "qt/MainWindow.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test {
namespace {

const std::string kExample = std::string(KALIVO_EXAMPLES_DIR) + "/psr9000";

class WindowCommandsTest : public GuiTest {
protected:
    // A started, shown and active window for the model.
    std::unique_ptr<MainWindow> Start(const std::string& model) {
        folder_.Write("kalivo.ini", "[Model]\r\n" + model + "\r\n");
        auto window = std::make_unique<MainWindow>(ui_);
        window->Initialize();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
    // The PSR-9000 example backup into one side.
    void LoadExample(MainWindow& window, Command load) {
        ui_.folders.push_back(kExample);
        ui_.archiveChoices.push_back(0);
        window.ButtonFor(load)->click();
    }
    static QString Line(MainWindow& window, Pane pane, int line) {
        return window.ListFor(pane)->item(line)->text();
    }
    static QPoint PointOf(ArchiveListWidget& list, int line) {
        list.scrollToItem(list.item(line));
        return list.visualItemRect(list.item(line)).center();
    }
    static void ClickLine(MainWindow& window, Pane pane, int line) {
        ArchiveListWidget* list = window.ListFor(pane);
        const QPoint point = list->viewport()->mapTo(&window, PointOf(*list, line));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point);
    }
    static void Press(MainWindow& window, const QKeySequence& keys) {
        QTest::keySequence(window.ListFor(Pane::Destination), keys);
    }

    ScriptedUserInterface ui_;
};

// The destination edited with the keys alone: F2 renames, Delete deletes,
// undo and redo take the steps back and forth, and the changed flag follows.
TEST_F(WindowCommandsTest, KeysRenameDeleteUndoAndRedo) {
    auto window = Start("PSR-9000   ");
    EXPECT_FALSE(window->ActionFor(Command::Undo)->isEnabled());
    LoadExample(*window, Command::LoadArchiveRight);
    ASSERT_EQ(Line(*window, Pane::Destination, 1), QStringLiteral("1-1: Piano Ballad"));

    ClickLine(*window, Pane::Destination, 1);
    ui_.names.push_back("Night Song");
    Press(*window, QKeySequence(Qt::Key_F2));
    ASSERT_EQ(ui_.nameRequests.size(), 1u);
    EXPECT_EQ(Line(*window, Pane::Destination, 1), QStringLiteral("1-1: Night Song"));
    EXPECT_TRUE(window->Logic().Changed());

    // Renaming took the selection away: Delete now says why it cannot act.
    Press(*window, QKeySequence::Delete);
    EXPECT_EQ(Line(*window, Pane::Destination, 1), QStringLiteral("1-1: Night Song"));
    EXPECT_TRUE(window->StatusLine().startsWith(QStringLiteral("Select a registration on the right")))
        << window->StatusLine().toStdString();

    ClickLine(*window, Pane::Destination, 1);
    EXPECT_TRUE(window->ActionFor(Command::Delete)->isEnabled());
    EXPECT_TRUE(window->ButtonFor(Command::Delete)->isEnabled());
    Press(*window, QKeySequence::Delete);
    EXPECT_EQ(Line(*window, Pane::Destination, 1), QStringLiteral("1-1: --- no reg ---"));

    Press(*window, QKeySequence::Undo);
    EXPECT_EQ(Line(*window, Pane::Destination, 1), QStringLiteral("1-1: Night Song"));
    Press(*window, QKeySequence::Undo);
    EXPECT_EQ(Line(*window, Pane::Destination, 1), QStringLiteral("1-1: Piano Ballad"));
    EXPECT_FALSE(window->Logic().Changed());  // back where it was loaded
    EXPECT_TRUE(window->ActionFor(Command::Redo)->isEnabled());
    Press(*window, QKeySequence::Redo);
    EXPECT_EQ(Line(*window, Pane::Destination, 1), QStringLiteral("1-1: Night Song"));
    EXPECT_TRUE(window->Logic().Changed());
}

// Greyed exactly when the command cannot act; a click on a greyed button
// says why instead of doing nothing.
TEST_F(WindowCommandsTest, GreyedCommandsSayWhy) {
    auto window = Start("PSR-9000   ");
    for (Command command : {Command::Copy, Command::Delete, Command::Rename, Command::StoreArchive}) {
        EXPECT_EQ(window->ActionFor(command)->isEnabled(), window->ButtonFor(command)->isEnabled());
    }
    EXPECT_FALSE(window->ButtonFor(Command::Copy)->isEnabled());
    EXPECT_TRUE(window->ButtonFor(Command::LoadArchiveLeft)->isEnabled());
    EXPECT_FALSE(window->ButtonFor(Command::CreateRegfilesRight)->isEnabled());

    QPushButton* copy = window->ButtonFor(Command::Copy);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, copy->mapTo(window.get(), copy->rect().center()));
    EXPECT_EQ(window->StatusLine(),
              QStringLiteral("Select a registration on both sides, or a bank header on both sides"));
    EXPECT_EQ(copy->toolTip(), window->StatusLine());
    EXPECT_EQ(window->ActionFor(Command::Copy)->statusTip(), window->StatusLine());
    // Resting on a menu item shows its hint over the line, and gives the line back after.
    auto* bar = window->findChild<QStatusBar*>();
    QStatusTipEvent hint(QStringLiteral("Nothing to undo"));
    QApplication::sendEvent(window.get(), &hint);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Nothing to undo"));
    QStatusTipEvent gone{QString()};
    QApplication::sendEvent(window.get(), &gone);
    EXPECT_TRUE(bar->currentMessage().isEmpty());
    EXPECT_EQ(copy->toolTip(), window->StatusLine());

    LoadExample(*window, Command::LoadArchiveLeft);
    LoadExample(*window, Command::LoadArchiveRight);
    EXPECT_TRUE(window->ButtonFor(Command::CreateRegfilesRight)->isEnabled());
    ClickLine(*window, Pane::Source, 0);
    ClickLine(*window, Pane::Destination, 9);  // bank header on both sides
    EXPECT_TRUE(window->ButtonFor(Command::Copy)->isEnabled());
    EXPECT_TRUE(window->ActionFor(Command::Copy)->isEnabled());
    ClickLine(*window, Pane::Destination, 10);  // header and registration do not go together
    EXPECT_FALSE(window->ButtonFor(Command::Copy)->isEnabled());
}

// The Tyros-only and style commands are in the menus exactly where the model
// has their buttons; the other commands are always there.
TEST_F(WindowCommandsTest, MenusHoldTheModelsCommands) {
    struct Case {
        std::string model;
        bool tyros;
        bool options;
    };
    for (const Case& c : {Case{"Tyros      ", true, false}, Case{"PSR-9000   ", false, true},
                          Case{"CVP2 Series", false, false}}) {
        SCOPED_TRACE(c.model);
        auto window = Start(c.model);
        for (Command command : {Command::EditSequence, Command::EditIcon, Command::DefaultRevoice}) {
            EXPECT_EQ(window->ActionFor(command)->isVisible(), c.tyros);
        }
        EXPECT_EQ(window->ActionFor(Command::Options)->isVisible(), c.options);
        EXPECT_EQ(window->ActionFor(Command::Archivename)->isVisible(), !c.tyros);
        EXPECT_EQ(window->ActionFor(Command::GroupCopy)->isVisible(), !c.options);

        // Every command is in one of the menus.
        std::set<QAction*> inMenus;
        for (QAction* menu : window->findChild<QMenuBar*>()->actions()) {
            for (QAction* item : menu->menu()->actions()) {
                inMenus.insert(item);
            }
        }
        for (std::size_t i = 0; i < CommandActions::kCount; ++i) {
            EXPECT_EQ(inMenus.count(window->ActionFor(static_cast<Command>(i))), 1u) << i;
        }
    }
}

// Alt and a letter must reach one button: no two buttons shown together, and
// no button and a menu title, share their letter.
TEST_F(WindowCommandsTest, MnemonicsAreUniqueForEveryModel) {
    for (const char* model : {"Tyros      ", "PSR-740    ", "PSR-2000   "}) {
        SCOPED_TRACE(model);
        auto window = Start(model);
        std::set<QChar> letters;
        auto take = [&letters](const QString& text) {
            const int at = text.indexOf(QLatin1Char('&'));
            if (at >= 0) {
                EXPECT_TRUE(letters.insert(text.at(at + 1).toLower()).second) << text.toStdString();
            }
        };
        for (QAction* menu : window->findChild<QMenuBar*>()->actions()) {
            take(menu->text());
        }
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!button->isHidden()) {
                take(button->text());
            }
        }
        EXPECT_GE(letters.size(), 19u);
    }
}

// After ">>" clicked with the mouse the keys go to the destination list, not
// to the next button (where Enter would start New); the list stays where it
// was scrolled, and no line keeps a focus frame.
TEST_F(WindowCommandsTest, AfterCopyTheDestinationListHasTheFocusAndStaysPut) {
    auto window = Start("PSR-9000   ");
    LoadExample(*window, Command::LoadArchiveLeft);
    LoadExample(*window, Command::LoadArchiveRight);
    ArchiveListWidget* destination = window->ListFor(Pane::Destination);
    destination->scrollToItem(destination->item(300), QAbstractItemView::PositionAtTop);
    const int offset = destination->verticalScrollBar()->value();
    ASSERT_GT(offset, 0);
    ClickLine(*window, Pane::Source, 1);
    ClickLine(*window, Pane::Destination, 301);
    ASSERT_EQ(destination->verticalScrollBar()->value(), offset);
    QTest::mouseClick(window->ButtonFor(Command::Copy), Qt::LeftButton);
    EXPECT_TRUE(Line(*window, Pane::Destination, 301).endsWith(QStringLiteral(": Piano Ballad")));
    EXPECT_EQ(QApplication::focusWidget(), destination);
    EXPECT_EQ(destination->verticalScrollBar()->value(), offset);
    // The keys go on from the line worked on; no frame is left on another.
    EXPECT_EQ(destination->currentRow(), 301);
    EXPECT_TRUE(destination->selectedItems().isEmpty());
}

// A registration dragged from the left onto a line on the right is copied
// there, as ">>" would; a drag from elsewhere is refused.
TEST_F(WindowCommandsTest, DraggingASourceLineOntoADestinationLineCopiesIt) {
    auto window = Start("PSR-9000   ");
    LoadExample(*window, Command::LoadArchiveLeft);
    ArchiveListWidget* source = window->ListFor(Pane::Source);
    ArchiveListWidget* destination = window->ListFor(Pane::Destination);
    ASSERT_EQ(Line(*window, Pane::Source, 1), QStringLiteral("1-1: Piano Ballad"));

    // What the source list gives a drag of its line 1.
    std::unique_ptr<QMimeData> dragged(source->model()->mimeData({source->model()->index(1, 0)}));
    ASSERT_NE(dragged, nullptr);
    const QPoint target = PointOf(*destination, 10);  // "2-1"
    QDragEnterEvent enter(target, Qt::CopyAction, dragged.get(), Qt::LeftButton, {});
    QApplication::sendEvent(destination->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent move(target, Qt::CopyAction, dragged.get(), Qt::LeftButton, {});
    QApplication::sendEvent(destination->viewport(), &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), Qt::CopyAction);  // never a move, which would take the line away
    QDropEvent drop(target, Qt::CopyAction, dragged.get(), Qt::LeftButton, {});
    QApplication::sendEvent(destination->viewport(), &drop);
    EXPECT_EQ(Line(*window, Pane::Destination, 10), QStringLiteral("2-1: Piano Ballad"));
    EXPECT_EQ(source->count(), 64 * 9);
    EXPECT_TRUE(window->Logic().Changed());
    EXPECT_FALSE(window->StatusLine().isEmpty());

    // A line of another running copy of the program means nothing here.
    QMimeData foreign;
    foreign.setData(LineDragData::MimeType(), "1 1");
    QDragEnterEvent foreignEnter(target, Qt::CopyAction, &foreign, Qt::LeftButton, {});
    QApplication::sendEvent(destination->viewport(), &foreignEnter);
    EXPECT_FALSE(foreignEnter.isAccepted());
    // Nor does the source list take its own lines.
    QDragEnterEvent back(PointOf(*source, 3), Qt::CopyAction, dragged.get(), Qt::LeftButton, {});
    QApplication::sendEvent(source->viewport(), &back);
    EXPECT_FALSE(back.isAccepted());
}

// A folder from the file manager dropped on the left list is loaded as Load
// Archive would load it; text is not taken.
TEST_F(WindowCommandsTest, AFolderDroppedOnTheSourceListIsLoaded) {
    auto window = Start("PSR-9000   ");
    ArchiveListWidget* source = window->ListFor(Pane::Source);
    const QPoint point = source->viewport()->rect().center();

    QMimeData text;
    text.setText(QString::fromStdString(kExample));
    QDragEnterEvent textEnter(point, Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(source->viewport(), &textEnter);
    EXPECT_FALSE(textEnter.isAccepted());

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString(kExample))});
    QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(source->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);  // the file manager must not delete what was dropped
    QDragEnterEvent moveOnly(point, Qt::MoveAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(source->viewport(), &moveOnly);
    EXPECT_FALSE(moveOnly.isAccepted());
    ui_.archiveChoices.push_back(0);
    QDropEvent drop(point, Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(source->viewport(), &drop);
    ASSERT_EQ(source->count(), 64 * 9);
    EXPECT_EQ(Line(*window, Pane::Source, 1), QStringLiteral("1-1: Piano Ballad"));
    // Bank headers stand out from their registrations.
    EXPECT_TRUE(source->IsBold(0));
    EXPECT_FALSE(source->IsBold(1));
    EXPECT_TRUE(source->IsBold(9));
}

// Ctrl+F leads to the find field; typing narrows the list, clearing brings it back.
TEST_F(WindowCommandsTest, FindFieldNarrowsTheList) {
    auto window = Start("PSR-9000   ");
    LoadExample(*window, Command::LoadArchiveLeft);
    ArchiveListWidget* source = window->ListFor(Pane::Source);
    Press(*window, QKeySequence::Find);
    QLineEdit* find = window->FilterFor(Pane::Source);
    EXPECT_TRUE(find->hasFocus());
    QTest::keyClicks(find, QStringLiteral("WALTZ"));
    ASSERT_GE(source->count(), 2);
    EXPECT_LT(source->count(), 64 * 9);
    bool found = false;
    for (int line = 0; line < source->count(); ++line) {
        found = found || source->item(line)->text().endsWith(QStringLiteral("Strings Waltz"));
    }
    EXPECT_TRUE(found);
    EXPECT_TRUE(source->IsBold(0));  // its bank header stays above it
    find->clear();
    EXPECT_EQ(source->count(), 64 * 9);
}

// F1 is About, Ctrl+Shift+F finds in the destination; Escape in a find field
// neither clears it nor ends the program.
TEST_F(WindowCommandsTest, HelpAndFindKeys) {
    auto window = Start("PSR-9000   ");
    Press(*window, QKeySequence(Qt::Key_F1));
    EXPECT_EQ(ui_.aboutCount, 1);
    Press(*window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    QLineEdit* find = window->FilterFor(Pane::Destination);
    EXPECT_TRUE(find->hasFocus());
    QTest::keyClicks(find, QStringLiteral("x"));
    QTest::keyClick(find, Qt::Key_Escape);
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(find->text(), QStringLiteral("x"));
}

// A 1920 x 1080 screen at 200 % leaves about 960 x 540 for the window, less
// its title bar and the task bar. At its smallest, every control is whole:
// the lists gave way, no button lies outside the window or on another one.
TEST_F(WindowCommandsTest, SmallestSizeFitsAFullHdScreenAtDoubleScale) {
    auto window = Start("Tyros      ");
    const QSize smallest = window->minimumSize();
    EXPECT_LE(smallest.width(), 960 - 16);
    EXPECT_LE(smallest.height(), 540 - 48 - 32);
    window->resize(smallest);
    QTest::qWait(50);
    std::vector<QRect> taken;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->isHidden()) {
            continue;
        }
        const QRect place(button->mapTo(window.get(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(window->rect().contains(place)) << button->text().toStdString();
        EXPECT_GE(button->height(), button->fontMetrics().height()) << button->text().toStdString();
        for (const QRect& other : taken) {
            EXPECT_FALSE(place.intersects(other)) << button->text().toStdString();
        }
        taken.push_back(place);
    }
    const QStatusBar* status = window->findChild<QStatusBar*>();
    EXPECT_TRUE(window->rect().contains(QRect(status->mapTo(window.get(), QPoint(0, 0)), status->size())));
}

}  // namespace
}  // namespace kalivo::test
