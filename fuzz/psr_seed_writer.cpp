// Writes the seed corpus of the PSR-740 / PSR-8000 fuzz targets with the
// program's own writer: stored sets into the first folder, regfiles into the
// second.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "PsrFuzzDisk.h"
#include "common/fs/FileSystem.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/psr740_8000/Psr740Handler.h"
#include "handlers/psr740_8000/Psr8000Handler.h"

using namespace kalivo;
using Bytes = std::vector<std::uint8_t>;

namespace {

void Save(const std::string& path, const Bytes& data) {
    if (!FileSystem::WriteBytesSafely(path, data)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

Bytes Read(const std::string& path) {
    Bytes bytes;
    FileSystem::ReadBytes(path, bytes);
    return bytes;
}

void AppendSlice(Bytes& out, const Bytes& part) {
    out.push_back(static_cast<std::uint8_t>(part.size() >> 8));
    out.push_back(static_cast<std::uint8_t>(part.size() & 0xFF));
    out.insert(out.end(), part.begin(), part.end());
}

// A set with a few registrations, made through regfiles and ">>".
void Fill(Psr740FamilyHandler& handler, const fuzz::PsrFuzzDisk& disk) {
    const Psr740Model& model = handler.Model();
    test::AlternatingUserInterface ui;
    std::unique_ptr<Psr740FamilyHandler> carrier;
    if (model.oneDataFile) {
        carrier = std::make_unique<Psr740Handler>(ui);
    } else {
        carrier = std::make_unique<Psr8000Handler>(ui);
    }
    carrier->CreateStore();
    const std::string folder = disk.Fresh("fill");
    for (int i = 0; i < 3; ++i) {
        Bytes record(model.recordSize);
        model.makeDefault(record, 0, 0);
        record[model.styleOffset] = static_cast<std::uint8_t>(model.firstCustomStyle + i);
        record[model.tempoOffset + 1] = static_cast<std::uint8_t>(90 + i);
        record[model.titleOffset] = static_cast<std::uint8_t>('A' + i);
        Save(folder + "r" + model.regfileExtension, record);
        carrier->LoadRegfiles(folder);
        handler.CopyRegfile(i, i, carrier.get(), 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SET_CORPUS REGFILE_CORPUS\n", argv[0]);
        return 2;
    }
    const std::string sets = FileSystem::WithSeparator(argv[1]);
    const std::string regfiles = FileSystem::WithSeparator(argv[2]);
    fuzz::PsrFuzzDisk disk;
    test::AlternatingUserInterface ui;
    Psr740Handler psr740(ui);
    Psr8000Handler psr8000(ui);
    int n = 0;
    for (Psr740FamilyHandler* handler : {static_cast<Psr740FamilyHandler*>(&psr740), static_cast<Psr740FamilyHandler*>(&psr8000)}) {
        const bool is8000 = !handler->Model().oneDataFile;
        handler->CreateStore();
        Fill(*handler, disk);
        const std::string out = disk.Fresh("store");
        handler->StoreArchive("SET", out, 0);
        handler->StoreArchive("SECOND", out, 0);
        const Bytes user = Read(out + "SECOND.USR");
        const Bytes index = Read(out + "REG/REG.MNG");
        const Bytes data = Read(out + (is8000 ? "REG/RPK00201.REG" : "REG/RPK002AL.REG"));
        for (int pad = 0; pad < 2; ++pad) {
            // The whole set also asks for its protocol (flags bit 2).
            Bytes seed{static_cast<std::uint8_t>((is8000 ? 1 : 0) | (pad << 1) | (pad == 0 ? 4 : 0))};
            AppendSlice(seed, user);
            AppendSlice(seed, index);
            // Padding stands in for most of the PSR-740's large data file.
            const std::size_t keep = pad != 0 ? std::min<std::size_t>(data.size(), 4096) : data.size();
            seed.insert(seed.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(keep));
            Save(sets + "set" + std::to_string(n++), seed);
        }
        StringList names;
        const std::string regs = disk.Fresh("regs");
        handler->SetArchiveName("S");
        handler->CreateRegfiles(regs);
        for (const std::string& file : FileSystem::FindFiles(regs, "*")) {
            Bytes seed{static_cast<std::uint8_t>(is8000 ? 1 : 0)};
            const Bytes record = Read(regs + file);
            seed.insert(seed.end(), record.begin(), record.end());
            Save(regfiles + "regfile" + std::to_string(n++), seed);
        }
    }
    return 0;
}
