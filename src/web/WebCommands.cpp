#include "web/WebCommands.h"

namespace kalivo {

namespace {

constexpr const char* kNames[WebCommands::kCount] = {
    "NewLeft", "LoadArchiveLeft", "LoadRegfiles", "CreateRegfilesLeft", "ProtocolLeft",
    "NewRight", "LoadArchiveRight", "StoreArchive", "CreateRegfilesRight", "ProtocolRight",
    "Copy", "Delete", "Rename", "Archivename", "GroupCopy", "EditSequence", "EditIcon", "DefaultRevoice",
    "Model", "Options", "Info", "Exit", "Undo", "Redo", "FindSource", "FindDestination",
};

}  // namespace

const char* WebCommands::NameOf(Command command) { return kNames[static_cast<int>(command)]; }

std::optional<Command> WebCommands::Named(const std::string& name) {
    for (int i = 0; i < kCount; ++i) {
        if (name == kNames[i]) {
            return static_cast<Command>(i);
        }
    }
    return std::nullopt;
}

}  // namespace kalivo
