#pragma once
// A registration data file of a stored set ("RPK" nnn "AL.REG" or "RPK" nnn bb
// ".REG"): a fixed 128-byte header, the records, and on the PSR-8000 a fixed
// trailer. The header and trailer are the same in every file the instrument
// and this program write, so they tell a data file from other bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "handlers/psr740_8000/Psr740BankMemory.h"

namespace kalivo {

class Psr740DataFile {
public:
    static constexpr std::size_t kHeaderSize = 128;

    // TooShort: the records are not all there.
    enum class Check { Sound, TooShort, NotCorrect };

    // Records in one file: every slot of every bank, or the slots of one bank.
    static std::size_t Records(const Psr740Model& model);
    static std::size_t Size(const Psr740Model& model);
    // Sound when bytes are a whole data file of the model: its size, header
    // and trailer as written.
    static Check Inspect(const Psr740Model& model, const std::vector<std::uint8_t>& bytes);

    // The data file of bank (ignored for the model with one file for all banks).
    static std::vector<std::uint8_t> Build(const Psr740Model& model, const Psr740BankMemory& memory, int bank);
    // Fills banks firstBank.. of memory from a sound data file.
    static void Read(const Psr740Model& model, const std::vector<std::uint8_t>& bytes, int firstBank,
                     Psr740BankMemory& memory);
};

}  // namespace kalivo
