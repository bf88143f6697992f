#pragma once
// The instrument's registration memory as one byte store: per bank a used
// flag, then per slot an empty flag and the record, as the instrument holds it.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "handlers/psr740_8000/Psr740Model.h"

namespace kalivo {

class Psr740BankMemory {
public:
    explicit Psr740BankMemory(const Psr740Model& model);

    const Psr740Model& Model() const { return *model_; }
    // Every bank unused, every slot the default registration and empty.
    void Clear();
    bool IsAllocated() const { return !bytes_.empty(); }
    void Release() { bytes_.clear(); bytes_.shrink_to_fit(); }

    bool IsSlot(int bank, int slot) const;
    bool IsBank(int bank) const { return bank >= 0 && bank < model_->banks; }
    bool IsUsed(int bank) const;
    void SetUsed(int bank, bool used);
    bool IsEmpty(int bank, int slot) const;
    void SetEmpty(int bank, int slot, bool empty);
    bool AnyBankUsed() const;
    bool AnySlotFilled(int bank) const;
    // The record of a valid slot; callers check IsSlot first.
    std::span<std::uint8_t> Record(int bank, int slot);
    std::span<const std::uint8_t> Record(int bank, int slot) const;

    // Puts the default registration in the slot and marks it empty.
    void PutDefault(int bank, int slot);
    // Whether a record equals the default registration where the empty test looks.
    bool LooksEmpty(std::span<const std::uint8_t> record) const;

    // The title field as stored (up to its first NUL, trailing blanks removed).
    std::string Title(int bank, int slot) const;
    // Fills a title field with NUL bytes and copies the first bytes of name into it.
    void SetTitle(int bank, int slot, const std::string& name);
    void CopyTitle(int bank, int toSlot, std::span<const std::uint8_t> from);

private:
    std::size_t SlotOffset(int bank, int slot) const;

    const Psr740Model* model_;
    std::vector<std::uint8_t> standard_;  // the default registration, for the empty test
    std::vector<std::uint8_t> bytes_;
};

}  // namespace kalivo
