// Reads arbitrary bytes as a stored PSR-740 or PSR-8000 set: a user file, the
// REG.MNG a store then updates, and the data file the user file names.
// Input: a flags byte (bit 0: PSR-8000, bit 1: lay the data file over a
// whole, sound one, so that a short input still passes the size, header and
// trailer checks, bit 2: write the protocol of the loaded set too, which costs
// about as much as the load, store and load again before it), a big-endian u16
// length and the user file, a u16 length and REG.MNG, then the data file.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "PsrFuzzDisk.h"
#include "TyrosFuzzChecks.h"
#include "common/ByteReader.h"
#include "common/fs/FileNameSanitizer.h"
#include "common/fs/TextFile.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/psr740_8000/Psr740Handler.h"
#include "handlers/psr740_8000/Psr8000Handler.h"
#include "handlers/psr740_8000/Psr740DataFile.h"
#include "handlers/psr740_8000/Psr740UserFile.h"

using namespace kalivo;

namespace {

bool Slice(ByteReader& reader, std::span<const std::uint8_t>& out) {
    std::uint16_t size = 0;
    return reader.ReadU16(size) && reader.ReadBytes(std::min<std::size_t>(size, reader.Remaining()), out);
}

void RequireSameMemory(const Psr740FamilyHandler& a, const Psr740FamilyHandler& b) {
    const Psr740Model& model = a.Model();
    for (int bank = 0; bank < model.banks; ++bank) {
        fuzz::Require(a.Memory().IsUsed(bank) == b.Memory().IsUsed(bank));
        for (int slot = 0; slot < model.slots; ++slot) {
            const auto x = a.Memory().Record(bank, slot);
            const auto y = b.Memory().Record(bank, slot);
            fuzz::Require(a.Memory().IsEmpty(bank, slot) == b.Memory().IsEmpty(bank, slot));
            // The PSR-8000 writes empty slots as defaults; the rest comes back byte for byte.
            fuzz::Require(a.Memory().IsEmpty(bank, slot) || std::equal(x.begin(), x.end(), y.begin(), y.end()));
        }
    }
}

std::vector<std::uint8_t> SoundDataFile(const Psr740Model& model) {
    Psr740BankMemory memory(model);
    memory.Clear();
    return Psr740DataFile::Build(model, memory, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::PsrFuzzDisk disk;
    ByteReader reader({data, size});
    std::uint8_t flags = 0;
    std::span<const std::uint8_t> userFile, regMng, dataFile;
    if (!reader.ReadU8(flags) || !Slice(reader, userFile) || !Slice(reader, regMng)) {
        return 0;
    }
    reader.ReadBytes(reader.Remaining(), dataFile);

    const Psr740Model& model = (flags & 1) == 0 ? Psr740Model::Psr740() : Psr740Model::Psr8000();
    std::vector<std::uint8_t> dataBytes(dataFile.begin(), dataFile.end());
    if ((flags & 2) != 0) {
        static const std::vector<std::uint8_t> sound740 = SoundDataFile(Psr740Model::Psr740());
        static const std::vector<std::uint8_t> sound8000 = SoundDataFile(Psr740Model::Psr8000());
        std::vector<std::uint8_t> laid = model.oneDataFile ? sound740 : sound8000;
        std::copy_n(dataBytes.begin(), std::min(dataBytes.size(), laid.size()), laid.begin());
        dataBytes = std::move(laid);
    }

    // The folders stay from one input to the next; the data files this input
    // writes go when it ends (one of its set must not be read for the next).
    static const std::string in = [] {
        const std::string folder = disk.Emptied("in");
        std::filesystem::create_directories(folder + "REG");
        return folder;
    }();
    Psr740SetContents contents;
    // A user file the load cannot parse is refused by this same parse before
    // any other file is looked at: such inputs stop here, before any file work.
    if (Psr740UserFile::Parse(model, TextFile::SplitLines(userFile), contents) != Status::kDone) {
        return 0;
    }
    fuzz::RemovedAtEnd dataFiles;
    fuzz::PsrFuzzDisk::Write(in + "SET.USR", userFile);
    for (const Psr740DataFileRef& ref : contents.files) {
        dataFiles.paths.push_back(in + "REG/" + FileNameSanitizer::Sanitize(ref.stem) + ".REG");
        fuzz::PsrFuzzDisk::Write(dataFiles.paths.back(), dataBytes);
    }

    // Handlers and file lists live for one input only: an input that frees all
    // it took spares libFuzzer a second, leak-checking run of it.
    test::AlternatingUserInterface ui;
    const auto handler = [&]() -> std::unique_ptr<Psr740FamilyHandler> {
        if (model.oneDataFile) {
            return std::make_unique<Psr740Handler>(ui);
        }
        return std::make_unique<Psr8000Handler>(ui);
    };
    const auto loaded = handler();
    const auto again = handler();
    loaded->CreateStore();
    again->CreateStore();
    if (loaded->LoadSourceArchive(in, "SET") != Status::kDone) {
        return 0;
    }
    // Store beside a REG.MNG of the input, load what was stored: the same memory.
    // REG stays from one input to the next, emptied of its files.
    const std::string out = disk.Emptied("out");
    std::filesystem::create_directories(out + "REG");
    fuzz::PsrFuzzDisk::Write(out + "REG/REG.MNG", regMng);
    fuzz::PsrFuzzDisk::Write(out + "REG/RPK001AL.REG", regMng);
    if (loaded->StoreArchive("COPY", out, 0) != Status::kDone) {
        return 0;
    }
    fuzz::Require(again->LoadSourceArchive(out, "COPY") == Status::kDone);
    RequireSameMemory(*loaded, *again);
    for (int bank = 0; bank < model.banks; ++bank) {
        for (int slot = 0; slot < model.slots; ++slot) {
            std::string name;
            int tempo = 0;
            loaded->GetRegistrationName(bank, slot, name);
            loaded->GetStyleName(bank, slot, name, 1);
            loaded->GetTempo(bank, slot, tempo);
            loaded->GetVoiceName1(bank, slot, name);
            loaded->GetVoiceName4(bank, slot, name);
        }
    }
    // A set without a used bank has nothing to list.
    if ((flags & 4) != 0) {
        fuzz::Require(loaded->WriteProtocol(out + "p.htm") ==
                      (loaded->Memory().AnyBankUsed() ? Status::kDone : Status::kNothingToWrite));
    }
    return 0;
}
