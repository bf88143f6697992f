#include "handlers/cvp2_psr2000/Cvp2BankFile.h"

#include <algorithm>
#include <cstring>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"

namespace kalivo {

using namespace s917;

namespace {

constexpr const char* kMagic = "REG-100-100-1000";
constexpr std::uint8_t kFormatBytes[8] = {0x00, 0x08, 0x00, 0x40, 0x02, 0x00, 0x00, 0x00};
constexpr std::uint8_t kAfterSlotTable = 0x24;

std::size_t SlotEntry(int slot) { return kSlotTableAt + 4 * static_cast<std::size_t>(slot); }

bool HeaderNamesModel(std::span<const std::uint8_t> file) {
    return file[kModelAt] == 'P' && std::memcmp(file.data() + kModelAt + 3, "2000", 4) == 0;
}

}  // namespace

std::vector<std::uint8_t> Cvp2BankFile::HeaderTemplate(const Cvp2Model& model) {
    ByteWriter header;
    header.FixedText(kMagic, 16);
    header.FixedText(model.headerModel, kModelSize, ' ');
    header.Bytes(kFormatBytes);
    for (int slot = 0; slot < kSlotsPerBank; ++slot) {
        header.U32(kAbsent);
    }
    header.U8(kAfterSlotTable);
    for (int i = 0; i < 36; ++i) {
        header.U8(0xFF);
    }
    for (int i = 0; i < 11; ++i) {
        header.U8(0x00);
    }
    return header.Take();
}

Cvp2BankFile::Verdict Cvp2BankFile::Read(std::span<const std::uint8_t> file, const Cvp2Model& model, Cvp2Bank& bank,
                                         int& damagedSlot) {
    if (file.size() < kHeaderSize || (model.checksHeader && !HeaderNamesModel(file))) {
        return Verdict::NotOfModel;
    }
    Cvp2Bank read;
    read.name = bank.name;
    for (int slot = 0; slot < kSlotsPerBank; ++slot) {
        const std::uint32_t offset = ByteReader::U32At(file, SlotEntry(slot));
        if (offset == kAbsent) {
            continue;
        }
        auto registration = Cvp2Registration::FromBankFile(file, offset);
        if (!registration) {
            damagedSlot = slot;
            return Verdict::Damaged;
        }
        read.slots[static_cast<std::size_t>(slot)] = std::move(registration);
    }
    bank = std::move(read);
    return Verdict::Read;
}

std::vector<std::uint8_t> Cvp2BankFile::Write(const Cvp2Bank& bank, const Cvp2Model& model) {
    ByteWriter file;
    file.Bytes(HeaderTemplate(model));
    for (int slot = 0; slot < kSlotsPerBank; ++slot) {
        const auto& registration = bank.slots[static_cast<std::size_t>(slot)];
        if (!registration) {
            continue;
        }
        const auto next = static_cast<std::uint32_t>(file.Size());
        file.PatchU32(SlotEntry(slot), next);
        file.Bytes(registration->WithFileLocations(next));
    }
    return file.Take();
}

}  // namespace kalivo
