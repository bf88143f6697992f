#pragma once
// A registration data file of a stored set ("RPK" nnn "AL.REG" or "RPK" nnn bb
// ".REG"): a fixed 128-byte header, the records, and on the PSR-8000 a fixed
// trailer. The header and trailer are the same in every file the instrument
// and this program write, so they tell a data file from other bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "handlers/psr740_8000/PsrBankMemory.h"

namespace kalivo {

class PsrDataFile {
public:
    static constexpr std::size_t kHeaderSize = 128;

    // TooShort: the records are not all there.
    enum class Check { Sound, TooShort, NotCorrect };

    // Records in one file: every slot of every bank, or the slots of one bank.
    static std::size_t Records(const PsrModel& model);
    static std::size_t Size(const PsrModel& model);
    // Sound when bytes are a whole data file of the model: its size, header
    // and trailer as written.
    static Check Inspect(const PsrModel& model, const std::vector<std::uint8_t>& bytes);

    // The data file of bank (ignored for the model with one file for all banks).
    static std::vector<std::uint8_t> Build(const PsrModel& model, const PsrBankMemory& memory, int bank);
    // Fills banks firstBank.. of memory from a sound data file.
    static void Read(const PsrModel& model, const std::vector<std::uint8_t>& bytes, int firstBank,
                     PsrBankMemory& memory);
};

}  // namespace kalivo
