// How long the PSR-9000 source side takes: a full backup (64 banks of eight
// registrations, the most one holds, with its style backup) loaded and
// listed, and a folder of 4,096 regfiles loaded and listed, each compared with
// merely reading the same files' bytes.
// Target: load and list within 3 times the plain read.
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/ListBuilder.h"
#include "common/Format.h"
#include "common/disk/DiskMngHeader.h"
#include "common/text/Cp1252.h"
#include "core/psr9000/Psr9000TestBytes.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/psr9000/Psr9000BackupFile.h"
#include "handlers/psr9000/Psr9000FamilyHandler.h"

using namespace kalivo;
using namespace kalivo::bench;
namespace bytes = kalivo::test::psr9000_bytes;

namespace {

constexpr int kRegfiles = 4096;
constexpr const char* kArchive = "FULL";

psr9000::Record Realistic(int index) {
    const auto style = static_cast<std::uint8_t>(index % 245);
    const auto tempo = static_cast<std::uint16_t>(60 + index % 180);
    const auto program = static_cast<std::uint8_t>(index % 128);
    return bytes::Registration(FormatNumbers("Song %04i", index), style, tempo,
                               {{{0, 0, program}, {0, 18, 0}, {127, 0, 0}, {0, 112, program}}});
}

// A backup with every bank used and a style backup, beside two other backups
// and the disk header, as on the instrument's floppy. The files a load reads,
// relative to folder.
std::vector<std::string> WriteFullBackup(const std::string& folder) {
    Psr9000BankTable table;
    table.Reset(Psr9000Model::Psr9000().DefaultHeader());
    for (int bank = 0; bank < psr9000::kBanks; ++bank) {
        bytes::NameBank(table, bank, FormatNumbers("Bank %02i", bank + 1));
        for (int slot = 0; slot < psr9000::kSlots; ++slot) {
            bytes::Put(table, bank, slot, Realistic(bank * 8 + slot));
        }
    }
    std::vector<std::string> styleNames;
    for (int style = 0; style < psr9000::kUserStyleCount; ++style) {
        styleNames.push_back(FormatNumbers("Style %03i", style));
    }
    for (const char* name : {"FULL.BUF", "OTHER.BUF", "OLD.B01"}) {
        FileSystem::CreateDirectory(folder + name);
    }
    const std::vector<std::string> files{DiskMngHeader::kFileName, std::string(kArchive) + ".BUF/REG.BUP",
                                         std::string(kArchive) + ".BUF/STY.BUP"};
    WriteOrExit(folder + files[0], DiskMngHeader::Build(Psr9000Model::Psr9000().instrument, "Ver1.00Rev1.00"));
    WriteOrExit(folder + files[1], Psr9000BackupFile::Write(table));
    WriteOrExit(folder + files[2], bytes::StyleBackup(styleNames));
    return files;
}

std::vector<std::string> WriteRegfiles(const std::string& folder) {
    std::vector<std::string> files;
    for (int index = 0; index < kRegfiles; ++index) {
        const auto record = Realistic(index);
        files.push_back(FormatNumbers("Song_%04i_FULL_(Bank_01-1).p9k", index));
        WriteOrExit(folder + files.back(), std::vector<std::uint8_t>(record.begin(), record.end()));
    }
    return files;
}

}  // namespace

int main() {
    const std::string folder = MakeFolder();
    const std::vector<std::string> backupFiles = WriteFullBackup(folder);
    const std::string regfileFolder = folder + "regfiles/";
    FileSystem::CreateDirectory(regfileFolder);
    const std::vector<std::string> regfiles = WriteRegfiles(regfileFolder);

    test::AlternatingUserInterface ui;
    Psr9000FamilyHandler source(ui, Psr9000Model::Psr9000());
    source.CreateStore();
    // The user style names come from the style backup beside the backup.
    source.SetStyleArchiveOptions(false, false, std::string(), true);

    std::uintmax_t backupBytes = 0;
    std::size_t lines = 0;
    // Each round starts from an empty source side, as after New (left).
    const std::vector<double> backup = BestInTurns({PlainRead(folder, backupFiles, backupBytes),
                                                    {[&] {
                                                         source.LoadSourceArchive(folder, kArchive);
                                                         lines = ListBuilder::Build(source, ListBuilder::Side::Source,
                                                                                    false).size();
                                                     },
                                                     [&] { source.ClearSource(); }}});
    const double plainBackup = backup[0];
    const double loadBackup = backup[1];

    std::uintmax_t regfileBytes = 0;
    std::size_t listed = 0;
    const std::vector<double> regs = BestInTurns({PlainRead(regfileFolder, regfiles, regfileBytes), {[&] {
                                                      source.LoadRegfiles(
                                                          FileSystem::WithoutTrailingSeparator(regfileFolder));
                                                      StringList names;
                                                      source.ListRegfiles(names);
                                                      // The window shows the names as UTF-8.
                                                      std::vector<std::string> shown;
                                                      for (const std::string& name : names) {
                                                          shown.push_back(Cp1252::ToUtf8(name));
                                                      }
                                                      listed = shown.size();
                                                  }}});
    const double plainRegfiles = regs[0];
    const double loadRegfiles = regs[1];

    std::printf("backup: %ju bytes, %zu list lines; regfiles: %zu of %d, %ju bytes; %d messages; %s\n",
                backupBytes, lines, listed, kRegfiles, regfileBytes, ui.messages, kRoundsText);
    std::printf("%-40s %8.2f ms\n", "plain read of the backup", plainBackup);
    Report("load the backup and build the list", loadBackup, plainBackup);
    std::printf("%-40s %8.2f ms\n", "plain read of the regfiles", plainRegfiles);
    Report("load the regfiles and build the list", loadRegfiles, plainRegfiles);
    Target("load and list", loadBackup <= 3.0 * plainBackup && loadRegfiles <= 3.0 * plainRegfiles);

    RemoveAll(folder);
    return 0;
}
