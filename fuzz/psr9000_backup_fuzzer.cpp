// Reads arbitrary bytes as a PSR-9000 family registration backup file, alone
// and laid over a valid file (so that inputs shorter than a whole backup
// still reach every bank).
#include <algorithm>
#include <cstdlib>
#include <memory>
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

// unchanged: the file the input was laid over, whose records need no second
// look (nullptr: every record is looked at).
void Exercise(const std::vector<std::uint8_t>& file, const std::vector<std::uint8_t>* unchanged) {
    using Verdict = Psr9000BackupFile::Verdict;
    const Verdict verdict = Psr9000BackupFile::Inspect(file);
    Require((verdict == Verdict::TooShort) == (file.size() < Psr9000BackupFile::kFileSize));
    Require((verdict == Verdict::TooLong) == (file.size() > Psr9000BackupFile::kFileSize));
    // A quarter megabyte, made once: a read fills every byte of it.
    static Psr9000BankTable table;
    if (!Psr9000BackupFile::Read(file, table)) {
        Require(file.size() != Psr9000BackupFile::kFileSize);
        return;
    }
    std::size_t at = Psr9000BackupFile::kHeaderSize;
    for (const Psr9000Bank& bank : table.banks) {
        psr9000::HeaderText(bank.header);
        at += psr9000::kBankHeaderSize;
        for (const Psr9000Slot& slot : bank.slots) {
            const auto from = static_cast<std::ptrdiff_t>(at);
            at += psr9000::kRecordSize;
            if (unchanged != nullptr && std::equal(slot.record.begin(), slot.record.end(), unchanged->begin() + from)) {
                continue;
            }
            psr9000::RecordName(slot.record);
            Psr9000StyleTable::Name(psr9000::StyleNumber(slot.record));
            psr9000::Voice(slot.record, 3);
        }
    }
    static std::vector<std::uint8_t> written;
    Psr9000BackupFile::WriteInto(table, written);
    Require(written.size() == Psr9000BackupFile::kFileSize);
    Require(std::equal(written.begin(), written.begin() + Psr9000BackupFile::kDataEnd, file.begin()));
    // Equal banks give equal checksums: the verdict on what was read tells
    // whether its stored checksum is the one a store writes.
    Require((verdict == Verdict::Sound) ==
            std::equal(written.begin() + Psr9000BackupFile::kDataEnd, written.end(),
                       file.begin() + Psr9000BackupFile::kDataEnd));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy, so that a read past the input is seen.
    Exercise(std::vector<std::uint8_t>(data, data + size), nullptr);

    // Every slot in use, as in a full backup: an input that empties a slot
    // is then the exception it is on the instrument.
    static const std::vector<std::uint8_t> base = [] {
        auto table = std::make_unique<Psr9000BankTable>();
        table->Reset(Psr9000Model::Psr9000().DefaultHeader());
        for (auto& bank : table->banks) {
            for (auto& slot : bank.slots) {
                slot.record[psr9000::kStyleOffset] = 1;
                slot.empty = false;
            }
            bank.used = true;
        }
        return Psr9000BackupFile::Write(*table);
    }();
    static std::vector<std::uint8_t> laid;
    fuzz::LayOver(base, data, size, 4, laid);
    Exercise(laid, &base);
    return 0;
}
