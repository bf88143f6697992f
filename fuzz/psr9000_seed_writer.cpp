// Writes the seed corpus of the PSR-9000 family fuzz targets with the
// program's own writer: backup files into the first folder, style backups
// into the second.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/fs/FileSystem.h"
#include "core/psr9000/Psr9000TestBytes.h"
#include "handlers/psr9000/Psr9000BackupFile.h"
#include "handlers/psr9000/Psr9000Model.h"

using namespace kalivo;
namespace bytes = kalivo::test::psr9000_bytes;

namespace {

void Save(const std::string& path, const std::vector<std::uint8_t>& data) {
    if (!FileSystem::WriteBytesSafely(path, data)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: psr9000_seed_writer BACKUP_DIR STYLE_DIR\n");
        return 2;
    }
    const std::string backups = argv[1];
    const std::string styles = argv[2];
    Psr9000BankTable table;
    table.Reset(Psr9000Model::Pro().DefaultHeader());
    bytes::Put(table, 0, 0, bytes::Registration("Seed", 130, 120, {{{0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}}}));
    const auto backup = Psr9000BackupFile::Write(table);
    // Seeds stay below the run's input limit: a placement and the start of a file.
    std::vector<std::uint8_t> head{0, 0};
    head.insert(head.end(), backup.begin(), backup.begin() + 4096);
    Save(backups + "/start", head);
    Save(backups + "/first-record", std::vector<std::uint8_t>(backup.begin() + 40, backup.begin() + 40 + 470));
    const auto style = bytes::StyleBackup({"Seed style", "No Data"});
    std::vector<std::uint8_t> styleHead{0, 0};
    styleHead.insert(styleHead.end(), style.begin(), style.begin() + 2048);
    Save(styles + "/start", styleHead);
    return 0;
}
