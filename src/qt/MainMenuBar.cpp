#include "qt/MainMenuBar.h"

#include <QMenu>
#include <initializer_list>

#include "qt/CommandActions.h"

namespace kalivo {

namespace {

// The commands of one menu, each with whether a separator goes before it.
void Fill(QMenu& menu, const CommandActions& actions, std::initializer_list<std::pair<Command, bool>> items) {
    for (const auto& [command, separatorBefore] : items) {
        if (separatorBefore) {
            menu.addSeparator();
        }
        menu.addAction(actions.For(command));
    }
}

}  // namespace

MainMenuBar::MainMenuBar(const CommandActions& actions, QWidget* parent) : QMenuBar(parent) {
    Fill(*addMenu(tr("&File")), actions,
         {{Command::NewLeft, false}, {Command::LoadArchiveLeft, false}, {Command::LoadRegfiles, false},
          {Command::CreateRegfilesLeft, false}, {Command::ProtocolLeft, false},
          {Command::NewRight, true}, {Command::LoadArchiveRight, false}, {Command::StoreArchive, false},
          {Command::CreateRegfilesRight, false}, {Command::ProtocolRight, false},
          {Command::Exit, true}});
    Fill(*addMenu(tr("&Edit")), actions,
         {{Command::Undo, false}, {Command::Redo, false},
          {Command::Copy, true}, {Command::GroupCopy, false}, {Command::Delete, false}, {Command::Rename, false},
          {Command::Archivename, false},
          {Command::EditSequence, true}, {Command::EditIcon, false}, {Command::DefaultRevoice, false},
          {Command::FindSource, true}, {Command::FindDestination, false}});
    Fill(*addMenu(tr("&View")), actions, {{Command::Model, false}, {Command::Options, false}, {Command::VoiceList, false}});
    Fill(*addMenu(tr("&Help")), actions, {{Command::Info, false}});
}

}  // namespace kalivo
