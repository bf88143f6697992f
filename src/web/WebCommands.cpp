#include "web/WebCommands.h"

#include <array>

namespace kalivo {

namespace {

// In the order of Command; the assert below catches a command added there only.
constexpr std::array<const char*, WebCommands::kCount> kNames = {
    "NewLeft", "LoadArchiveLeft", "LoadRegfiles", "CreateRegfilesLeft", "ProtocolLeft",
    "NewRight", "LoadArchiveRight", "StoreArchive", "CreateRegfilesRight", "ProtocolRight",
    "Copy", "Delete", "Rename", "Archivename", "GroupCopy", "EditSequence", "EditIcon", "DefaultRevoice",
    "Model", "Options", "VoiceList", "Info", "Exit", "Undo", "Redo", "FindSource", "FindDestination",
};
static_assert(kNames.back() != nullptr, "every command needs its name");

}  // namespace

const char* WebCommands::NameOf(Command command) { return kNames[static_cast<std::size_t>(command)]; }

std::optional<Command> WebCommands::Named(const std::string& name) {
    for (int i = 0; i < kCount; ++i) {
        if (name == kNames[static_cast<std::size_t>(i)]) {
            return static_cast<Command>(i);
        }
    }
    return std::nullopt;
}

}  // namespace kalivo
