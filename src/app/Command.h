#pragma once
// Every command the window offers, by buttons, menus, keys or drops.
namespace kalivo {

enum class Command {
    NewLeft, LoadArchiveLeft, LoadRegfiles, CreateRegfilesLeft, ProtocolLeft,
    NewRight, LoadArchiveRight, StoreArchive, CreateRegfilesRight, ProtocolRight,
    Copy, Delete, Rename, Archivename, GroupCopy, EditSequence, EditIcon, DefaultRevoice,
    Model, Options, VoiceList, Info, Exit, Undo, Redo, FindSource, FindDestination,
};

}  // namespace kalivo
