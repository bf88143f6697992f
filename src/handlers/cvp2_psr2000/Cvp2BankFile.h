#pragma once
// Bank files: a 112-byte header with the file offsets of eight registration
// blocks, then the blocks. Written packed from offset 112 in slot order.
#include <cstdint>
#include <span>
#include <vector>

#include "handlers/cvp2_psr2000/Cvp2Bank.h"
#include "handlers/cvp2_psr2000/Cvp2Model.h"

namespace kalivo {

class Cvp2BankFile {
public:
    enum class Verdict {
        Read,
        NotOfModel,  // too short for the header, or another model's header
        Damaged,     // a registration lies (partly) outside the file or is not sound
    };
    // Fills the slots of bank from a whole file; anything but Read leaves bank
    // unchanged. damagedSlot is the 0-based slot of the first damaged
    // registration. The name is the caller's.
    static Verdict Read(std::span<const std::uint8_t> file, const Cvp2Model& model, Cvp2Bank& bank,
                        int& damagedSlot);
    static std::vector<std::uint8_t> Write(const Cvp2Bank& bank, const Cvp2Model& model);
    // The fixed header of the model with every slot entry empty.
    static std::vector<std::uint8_t> HeaderTemplate(const Cvp2Model& model);
};

}  // namespace kalivo
