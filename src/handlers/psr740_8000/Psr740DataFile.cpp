#include "handlers/psr740_8000/Psr740DataFile.h"

#include <algorithm>
#include <string>

#include "common/disk/ManagementLine.h"
#include "handlers/psr740_8000/Psr740UserFile.h"

namespace kalivo {

namespace {

using Bytes = std::vector<std::uint8_t>;

// The first two lines are the same whatever the file's number.
Bytes MakeHeader(const Psr740Model& model) {
    Bytes out;
    ManagementLine::Append(out, Psr740UserFile::DataLine(model, 1, 0));
    std::string second = model.dataSecondLine;
    second.resize(30, ' ');
    ManagementLine::AppendAsIs(out, second + "\r\n");
    for (const char* text : {model.modelString, model.dataVersion, "A,I", "", ""}) {
        ManagementLine::Append(out, text);
    }
    return out;
}

Bytes MakeTrailer(const Psr740Model& model) {
    if (model.dataTrailerSize == 0) {
        return Bytes();
    }
    Bytes out{0xFF};
    ManagementLine::AppendAsIs(out, std::string(13, ' ') + "\r\n");
    ManagementLine::Append(out, "00011858");
    ManagementLine::AppendAsIs(out, "S");
    return out;
}

// Made once per model: every data file read is compared with them, every one
// written starts and ends with them.
const Bytes& Header(const Psr740Model& model) {
    static const Bytes psr740 = MakeHeader(Psr740Model::Psr740());
    static const Bytes psr8000 = MakeHeader(Psr740Model::Psr8000());
    return &model == &Psr740Model::Psr740() ? psr740 : psr8000;
}

const Bytes& Trailer(const Psr740Model& model) {
    static const Bytes psr740 = MakeTrailer(Psr740Model::Psr740());
    static const Bytes psr8000 = MakeTrailer(Psr740Model::Psr8000());
    return &model == &Psr740Model::Psr740() ? psr740 : psr8000;
}

bool EqualAt(const Bytes& bytes, std::size_t at, const Bytes& expected) {
    return bytes.size() >= at + expected.size() &&
           std::equal(expected.begin(), expected.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

std::size_t Psr740DataFile::Records(const Psr740Model& model) {
    return static_cast<std::size_t>(model.oneDataFile ? model.banks * model.slots : model.slots);
}

std::size_t Psr740DataFile::Size(const Psr740Model& model) {
    return kHeaderSize + Records(model) * model.recordSize + model.dataTrailerSize;
}

Psr740DataFile::Check Psr740DataFile::Inspect(const Psr740Model& model, const Bytes& bytes) {
    if (bytes.size() < Size(model) - model.dataTrailerSize) {
        return Check::TooShort;
    }
    const bool sound = bytes.size() == Size(model) && EqualAt(bytes, 0, Header(model)) &&
                       EqualAt(bytes, Size(model) - model.dataTrailerSize, Trailer(model));
    return sound ? Check::Sound : Check::NotCorrect;
}

Bytes Psr740DataFile::Build(const Psr740Model& model, const Psr740BankMemory& memory, int bank) {
    Bytes out = Header(model);
    const int firstBank = model.oneDataFile ? 0 : bank;
    const int lastBank = model.oneDataFile ? model.banks - 1 : bank;
    Bytes standard(model.recordSize);
    for (int b = firstBank; b <= lastBank; ++b) {
        for (int slot = 0; slot < model.slots; ++slot) {
            auto record = memory.Record(b, slot);
            // One file per bank holds its empty slots as default registrations.
            if (!model.oneDataFile && memory.IsEmpty(b, slot)) {
                model.makeDefault(standard, b, slot);
                record = standard;
            }
            out.insert(out.end(), record.begin(), record.end());
        }
    }
    const Bytes& trailer = Trailer(model);
    out.insert(out.end(), trailer.begin(), trailer.end());
    return out;
}

void Psr740DataFile::Read(const Psr740Model& model, const Bytes& bytes, int firstBank, Psr740BankMemory& memory) {
    const int banks = model.oneDataFile ? model.banks : 1;
    std::size_t at = kHeaderSize;
    for (int bank = firstBank; bank < firstBank + banks; ++bank) {
        for (int slot = 0; slot < model.slots; ++slot, at += model.recordSize) {
            const auto record = std::span<const std::uint8_t>(bytes).subspan(at, model.recordSize);
            std::copy(record.begin(), record.end(), memory.Record(bank, slot).begin());
            memory.SetEmpty(bank, slot, memory.LooksEmpty(record));
        }
        // One file for all banks: a bank counts when it holds a registration.
        memory.SetUsed(bank, !model.oneDataFile || memory.AnySlotFilled(bank));
    }
}

}  // namespace kalivo
