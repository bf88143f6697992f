#include "handlers/psr740_8000/Psr740BankMemory.h"

#include <algorithm>

#include "handlers/psr740_8000/Psr740Record.h"

namespace kalivo {

Psr740BankMemory::Psr740BankMemory(const Psr740Model& model) : model_(&model), standard_(model.recordSize) {
    // Where the empty test looks, the default is the same in every slot.
    model.makeDefault(standard_, 0, 0);
}

void Psr740BankMemory::Clear() {
    // Every load starts from a cleared store: made once per model, then copied.
    static std::vector<std::pair<const Psr740Model*, std::vector<std::uint8_t>>> cleared;
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

bool Psr740BankMemory::IsSlot(int bank, int slot) const {
    return IsAllocated() && IsBank(bank) && slot >= 0 && slot < model_->slots;
}

std::size_t Psr740BankMemory::SlotOffset(int bank, int slot) const {
    return static_cast<std::size_t>(bank) * model_->BankSize() + 1 +
           static_cast<std::size_t>(slot) * (model_->recordSize + 1);
}

bool Psr740BankMemory::IsUsed(int bank) const {
    return IsAllocated() && IsBank(bank) && bytes_[static_cast<std::size_t>(bank) * model_->BankSize()] == 1;
}

void Psr740BankMemory::SetUsed(int bank, bool used) {
    if (IsAllocated() && IsBank(bank)) {
        bytes_[static_cast<std::size_t>(bank) * model_->BankSize()] = used ? 1 : 0;
    }
}

bool Psr740BankMemory::IsEmpty(int bank, int slot) const { return !IsSlot(bank, slot) || bytes_[SlotOffset(bank, slot)] != 0; }

void Psr740BankMemory::SetEmpty(int bank, int slot, bool empty) {
    if (IsSlot(bank, slot)) {
        bytes_[SlotOffset(bank, slot)] = empty ? 1 : 0;
    }
}

bool Psr740BankMemory::AnyBankUsed() const {
    for (int bank = 0; bank < model_->banks; ++bank) {
        if (IsUsed(bank)) {
            return true;
        }
    }
    return false;
}

bool Psr740BankMemory::AnySlotFilled(int bank) const {
    for (int slot = 0; slot < model_->slots; ++slot) {
        if (!IsEmpty(bank, slot)) {
            return true;
        }
    }
    return false;
}

std::span<std::uint8_t> Psr740BankMemory::Record(int bank, int slot) {
    return std::span<std::uint8_t>(bytes_).subspan(SlotOffset(bank, slot) + 1, model_->recordSize);
}

std::span<const std::uint8_t> Psr740BankMemory::Record(int bank, int slot) const {
    return std::span<const std::uint8_t>(bytes_).subspan(SlotOffset(bank, slot) + 1, model_->recordSize);
}

void Psr740BankMemory::PutDefault(int bank, int slot) {
    if (!IsSlot(bank, slot)) {
        return;
    }
    model_->makeDefault(Record(bank, slot), bank, slot);
    SetEmpty(bank, slot, true);
}

bool Psr740BankMemory::LooksEmpty(std::span<const std::uint8_t> record) const {
    const std::size_t from = model_->emptyTestFrom;
    return record.size() == standard_.size() &&
           std::equal(record.begin() + static_cast<std::ptrdiff_t>(from), record.end(),
                      standard_.begin() + static_cast<std::ptrdiff_t>(from));
}

std::string Psr740BankMemory::Title(int bank, int slot) const {
    return IsSlot(bank, slot) ? Psr740Record::Title(*model_, Record(bank, slot)) : std::string();
}

void Psr740BankMemory::SetTitle(int bank, int slot, const std::string& name) {
    if (IsSlot(bank, slot)) {
        Psr740Record::SetTitle(*model_, Record(bank, slot), name);
    }
}

void Psr740BankMemory::CopyTitle(int bank, int toSlot, std::span<const std::uint8_t> from) {
    if (IsSlot(bank, toSlot) && from.size() == model_->recordSize) {
        const auto begin = from.begin() + static_cast<std::ptrdiff_t>(model_->titleOffset);
        std::copy(begin, begin + Psr740Record::kTitleWidth,
                  Record(bank, toSlot).begin() + static_cast<std::ptrdiff_t>(model_->titleOffset));
    }
}

}  // namespace kalivo
