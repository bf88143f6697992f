// Writes examples/psr9000 and examples/9000pro: one small backup folder each
// with a style backup, and the regfiles of its registrations.
//   psr9000_example_writer EXAMPLES_FOLDER
#include <cstdio>
#include <filesystem>
#include <string>

#include "common/fs/FileSystem.h"
#include "core/psr9000/Psr9000TestBytes.h"
#include "handlers/psr9000/Psr9000BackupFolder.h"
#include "handlers/psr9000/Psr9000FamilyHandler.h"
#include "support/ScriptedUserInterface.h"

using namespace kalivo;
namespace bytes = kalivo::test::psr9000_bytes;

namespace {

constexpr const char* kArchive = "DEMO";

Psr9000BankTable DemoTable(const Psr9000Model& model) {
    using bytes::Registration;
    Psr9000BankTable table;
    table.Reset(model.DefaultHeader());
    bytes::NameBank(table, 0, "Evening");
    bytes::Put(table, 0, 0, Registration("Piano Ballad", 10, 72, {{{0, 0, 32}, {0, 0, 0}, {0, 0, 48}, {0, 0, 0}}}));
    bytes::Put(table, 0, 1, Registration("Strings Waltz", 104, 96, {{{0, 0, 32}, {0, 0, 48}, {0, 0, 49}, {0, 0, 0}}}));
    bytes::Put(table, 0, 3, Registration("Bossa Guitar", 87, 130, {{{0, 0, 32}, {0, 0, 24}, {0, 0, 0}, {0, 0, 73}}}));
    bytes::NameBank(table, 1, "Party");
    bytes::Put(table, 1, 0, Registration("Flash Groove", 125, 118, {{{0, 0, 33}, {0, 0, 16}, {0, 0, 61}, {0, 0, 65}}}));
    bytes::Put(table, 1, 1, Registration("Own Swing", 127, 140, {{{0, 0, 32}, {0, 0, 66}, {0, 0, 56}, {0, 0, 0}}}));
    bytes::Put(table, 5, 7, Registration("Organ Solo", 12, 88, {{{0, 0, 19}, {0, 0, 16}, {0, 0, 17}, {0, 0, 18}}}));
    return table;
}

bool WriteExample(const Psr9000Model& model, const std::string& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "/regfiles");
    test::ScriptedUserInterface ui;
    if (!Psr9000BackupFolder::Store(model, DemoTable(model), kArchive, folder).Succeeded()) {
        return false;
    }
    // The instrument writes style backups; the program only reads them.
    const std::string styles = folder + "/" + kArchive + ".BUF/" + model.styleBackupFile;
    if (!FileSystem::WriteBytesSafely(styles, bytes::StyleBackup({"Groove One", "No Data", "My Swing"}))) {
        return false;
    }
    Psr9000FamilyHandler handler(ui, model);
    handler.CreateStore();
    return handler.LoadSourceArchive(folder + "/", kArchive) == Status::kDone && handler.CreateRegfiles(folder + "/regfiles/") == Status::kDone;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: psr9000_example_writer EXAMPLES_FOLDER\n");
        return 2;
    }
    const std::string examples = argv[1];
    if (!WriteExample(Psr9000Model::Psr9000(), examples + "/psr9000") ||
        !WriteExample(Psr9000Model::Pro(), examples + "/9000pro")) {
        std::fprintf(stderr, "cannot write the examples into %s\n", examples.c_str());
        return 1;
    }
    return 0;
}
