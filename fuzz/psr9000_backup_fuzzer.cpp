// Reads arbitrary bytes as a PSR-9000 family registration backup file, alone
// and laid over a valid file (so that inputs shorter than a whole backup
// still reach every bank).
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "LaidOver.h"
#include "handlers/psr9000/Psr9000BackupFile.h"
#include "handlers/psr9000/Psr9000Model.h"
#include "handlers/psr9000/Psr9000StyleTable.h"

using namespace kalivo;

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void Exercise(const std::vector<std::uint8_t>& file) {
    Psr9000BankTable table;
    if (!Psr9000BackupFile::Read(file, table)) {
        Require(file.size() < Psr9000BackupFile::kDataEnd);
        return;
    }
    for (const Psr9000Bank& bank : table.banks) {
        psr9000::HeaderText(bank.header);
        for (const Psr9000Slot& slot : bank.slots) {
            psr9000::RecordName(slot.record);
            Psr9000StyleTable::Name(psr9000::StyleNumber(slot.record));
            psr9000::Voice(slot.record, 3);
        }
    }
    const std::vector<std::uint8_t> written = Psr9000BackupFile::Write(table);
    Require(written.size() == Psr9000BackupFile::kFileSize);
    Require(std::equal(written.begin(), written.begin() + Psr9000BackupFile::kDataEnd, file.begin()));
    Require(Psr9000BackupFile::Checksum(written) == Psr9000BackupFile::Checksum(file));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy, so that a read past the input is seen.
    Exercise(std::vector<std::uint8_t>(data, data + size));

    static const std::vector<std::uint8_t> base = [] {
        Psr9000BankTable table;
        table.Reset(Psr9000Model::Psr9000().DefaultHeader());
        return Psr9000BackupFile::Write(table);
    }();
    Exercise(fuzz::LaidOver(base, data, size, 4));
    return 0;
}
