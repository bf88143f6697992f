#include "qt/CommandActions.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include "qt/QtText.h"

namespace kalivo {

namespace {

// Menu texts; an ampersand marks the letter that picks the item in its menu.
const char* MenuText(Command command) {
    switch (command) {
        case Command::NewLeft: return "&New Source";
        case Command::LoadArchiveLeft: return "&Load Source Archive...";
        case Command::LoadRegfiles: return "Load Re&gfiles...";
        case Command::CreateRegfilesLeft: return "&Create Regfiles from Source...";
        case Command::ProtocolLeft: return "Source &Protocol...";
        case Command::NewRight: return "New &Destination";
        case Command::LoadArchiveRight: return "Load Destination &Archive...";
        case Command::StoreArchive: return "&Store Archive...";
        case Command::CreateRegfilesRight: return "Create Regfiles from D&estination...";
        case Command::ProtocolRight: return "Destination Pro&tocol...";
        case Command::Exit: return "E&xit";
        case Command::Undo: return "&Undo";
        case Command::Redo: return "&Redo";
        case Command::Copy: return "&Copy to Destination";
        case Command::GroupCopy: return "&Group Copy...";
        case Command::Delete: return "&Delete";
        case Command::Rename: return "Re&name...";
        case Command::Archivename: return "&Archive Name...";
        case Command::EditSequence: return "Edit &Sequence...";
        case Command::EditIcon: return "Edit &Icon...";
        case Command::DefaultRevoice: return "Default Re&voice...";
        case Command::FindSource: return "&Find in Source";
        case Command::FindDestination: return "Find in Des&tination";
        case Command::Model: return "&Model...";
        case Command::Options: return "&Options...";
        case Command::VoiceList: return "&Voice List...";
        case Command::Info: return "&About kalivo...";
    }
    return "";
}

// The platform's own keys where it has them. The destination is the archive
// being edited, so Open, New and Save act on it.
QList<QKeySequence> KeysOf(Command command) {
    switch (command) {
        case Command::LoadArchiveRight: return QKeySequence::keyBindings(QKeySequence::Open);
        case Command::LoadArchiveLeft: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)};
        case Command::NewRight: return QKeySequence::keyBindings(QKeySequence::New);
        case Command::StoreArchive: return QKeySequence::keyBindings(QKeySequence::Save);
        case Command::Undo: return QKeySequence::keyBindings(QKeySequence::Undo);
        case Command::Redo: return QKeySequence::keyBindings(QKeySequence::Redo);
        case Command::Delete: return QKeySequence::keyBindings(QKeySequence::Delete);
        case Command::FindSource: return QKeySequence::keyBindings(QKeySequence::Find);
        case Command::FindDestination: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)};
        case Command::Rename: return {QKeySequence(Qt::Key_F2)};
        case Command::Info: return {QKeySequence(Qt::Key_F1)};
        case Command::Exit: {
            // Ctrl+Q also where the platform names no quit key (Windows).
            QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
            const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q);
            if (!keys.contains(ctrlQ)) {
                keys.push_back(ctrlQ);
            }
            return keys;
        }
        default: return {};
    }
}

}  // namespace

CommandActions::CommandActions(QWidget& window) : QObject(&window) {
    for (std::size_t i = 0; i < kCount; ++i) {
        const auto command = static_cast<Command>(i);
        auto* action = new QAction(QString::fromLatin1(MenuText(command)), &window);
        action->setShortcuts(KeysOf(command));
        action->setShortcutContext(Qt::WindowShortcut);
        if (command == Command::Info) {
            action->setMenuRole(QAction::AboutRole);
        } else if (command == Command::Exit) {
            action->setMenuRole(QAction::QuitRole);
        }
        window.addAction(action);
        connect(action, &QAction::triggered, this, [this, command] { emit Triggered(command); });
        actions_[i] = action;
    }
}

void CommandActions::Show(Command command, const CommandState& state) {
    QAction* action = For(command);
    action->setVisible(state.visible);
    action->setEnabled(state.enabled);
    // Resting on a greyed item says why it is greyed.
    action->setStatusTip(state.enabled ? QString() : QtText::ToQt(state.whyNot));
}

std::optional<Command> CommandActions::GreyedCommandFor(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    for (std::size_t i = 0; i < kCount; ++i) {
        const QAction* action = actions_[i];
        if (action->isVisible() && !action->isEnabled() && action->shortcuts().contains(pressed)) {
            return static_cast<Command>(i);
        }
    }
    return std::nullopt;
}

}  // namespace kalivo
