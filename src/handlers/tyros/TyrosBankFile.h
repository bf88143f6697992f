#pragma once
// Reading and writing the instrument's bank files (".rgt"): a 64-byte header,
// eight registration blocks and the trailer "FEnd" 0 0.
#include <cstdint>
#include <span>
#include <vector>

#include "handlers/Outcome.h"
#include "handlers/tyros/TyrosBank.h"
#include "ui/UserInterface.h"

namespace kalivo {

class TyrosBankFile {
public:
    // Long enough for the header and carrying both magics.
    static bool IsBankFile(std::span<const std::uint8_t> bytes);

    // Takes the header and the registrations of a bank file into bank (name,
    // icon code and inUse are the caller's). Registrations are read until a
    // block is not a registration block; the later parts keep what they held.
    // warningCarry is passed from one registration to the next. kNotValid,
    // with bank untouched, when the bytes are not a bank file; else done, with
    // one message line for each registration that was broken.
    static Outcome Read(std::span<const std::uint8_t> bytes, TyrosBank& bank, UserInterface& ui, bool& warningCarry,
                        const TyrosRegistration::ParseOptions& options = {});

    // The file's bytes. The length (bytes 16..19) and block-shape byte (21)
    // are worked out from what is written and stored back into bank.header.
    static std::vector<std::uint8_t> Write(TyrosBank& bank);
};

}  // namespace kalivo
