#include "handlers/psr740_8000/PsrBankMemory.h"

#include <algorithm>

#include "handlers/psr740_8000/PsrRecord.h"

namespace kalivo {

PsrBankMemory::PsrBankMemory(const PsrModel& model) : model_(&model), standard_(model.recordSize) {
    // Where the empty test looks, the default is the same in every slot.
    model.makeDefault(standard_, 0, 0);
}

void PsrBankMemory::Clear() {
    // Every load starts from a cleared store: made once per model, then copied.
    static std::vector<std::pair<const PsrModel*, std::vector<std::uint8_t>>> cleared;
    for (const auto& [model, bytes] : cleared) {
        if (model == model_) {
            bytes_ = bytes;
            return;
        }
    }
    bytes_.assign(model_->StoreSize(), 0);
    for (int bank = 0; bank < model_->banks; ++bank) {
        for (int slot = 0; slot < model_->slots; ++slot) {
            PutDefault(bank, slot);
        }
    }
    cleared.emplace_back(model_, bytes_);
}

bool PsrBankMemory::IsSlot(int bank, int slot) const {
    return IsAllocated() && IsBank(bank) && slot >= 0 && slot < model_->slots;
}

std::size_t PsrBankMemory::SlotOffset(int bank, int slot) const {
    return static_cast<std::size_t>(bank) * model_->BankSize() + 1 +
           static_cast<std::size_t>(slot) * (model_->recordSize + 1);
}

bool PsrBankMemory::IsUsed(int bank) const {
    return IsAllocated() && IsBank(bank) && bytes_[static_cast<std::size_t>(bank) * model_->BankSize()] == 1;
}

void PsrBankMemory::SetUsed(int bank, bool used) {
    if (IsAllocated() && IsBank(bank)) {
        bytes_[static_cast<std::size_t>(bank) * model_->BankSize()] = used ? 1 : 0;
    }
}

bool PsrBankMemory::IsEmpty(int bank, int slot) const { return !IsSlot(bank, slot) || bytes_[SlotOffset(bank, slot)] != 0; }

void PsrBankMemory::SetEmpty(int bank, int slot, bool empty) {
    if (IsSlot(bank, slot)) {
        bytes_[SlotOffset(bank, slot)] = empty ? 1 : 0;
    }
}

bool PsrBankMemory::AnyBankUsed() const {
    for (int bank = 0; bank < model_->banks; ++bank) {
        if (IsUsed(bank)) {
            return true;
        }
    }
    return false;
}

bool PsrBankMemory::AnySlotFilled(int bank) const {
    for (int slot = 0; slot < model_->slots; ++slot) {
        if (!IsEmpty(bank, slot)) {
            return true;
        }
    }
    return false;
}

std::span<std::uint8_t> PsrBankMemory::Record(int bank, int slot) {
    return std::span<std::uint8_t>(bytes_).subspan(SlotOffset(bank, slot) + 1, model_->recordSize);
}

std::span<const std::uint8_t> PsrBankMemory::Record(int bank, int slot) const {
    return std::span<const std::uint8_t>(bytes_).subspan(SlotOffset(bank, slot) + 1, model_->recordSize);
}

void PsrBankMemory::PutDefault(int bank, int slot) {
    if (!IsSlot(bank, slot)) {
        return;
    }
    model_->makeDefault(Record(bank, slot), bank, slot);
    SetEmpty(bank, slot, true);
}

bool PsrBankMemory::LooksEmpty(std::span<const std::uint8_t> record) const {
    const std::size_t from = model_->emptyTestFrom;
    return record.size() == standard_.size() &&
           std::equal(record.begin() + static_cast<std::ptrdiff_t>(from), record.end(),
                      standard_.begin() + static_cast<std::ptrdiff_t>(from));
}

std::string PsrBankMemory::Title(int bank, int slot) const {
    return IsSlot(bank, slot) ? PsrRecord::Title(*model_, Record(bank, slot)) : std::string();
}

void PsrBankMemory::SetTitle(int bank, int slot, const std::string& name) {
    if (IsSlot(bank, slot)) {
        PsrRecord::SetTitle(*model_, Record(bank, slot), name);
    }
}

void PsrBankMemory::CopyTitle(int bank, int toSlot, std::span<const std::uint8_t> from) {
    if (IsSlot(bank, toSlot) && from.size() == model_->recordSize) {
        const auto begin = from.begin() + static_cast<std::ptrdiff_t>(model_->titleOffset);
        std::copy(begin, begin + PsrRecord::kTitleWidth,
                  Record(bank, toSlot).begin() + static_cast<std::ptrdiff_t>(model_->titleOffset));
    }
}

}  // namespace kalivo
