#pragma once
// This program's own single-registration files (".tyr"): a 64-byte header
// naming the bank and part the registration came from, then its block.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "handlers/Outcome.h"
#include "handlers/tyros/TyrosFormat.h"
#include "handlers/tyros/TyrosRegistration.h"
#include "ui/UserInterface.h"

namespace kalivo {

class TyrosRegfile {
public:
    using Header = tyros::Bytes64;

    // The header of a registration from part (0..7) of the named bank; at most
    // 24 characters of the name are kept.
    static Header MakeHeader(const std::string& bankName, int part);
    // The bank name of a header (a stored length above 24 is taken as 24).
    static std::string BankName(const Header& header);
    // The part 0..7 of a header, or -1 when the stored number is outside.
    static int Part(const Header& header);

    static std::vector<std::uint8_t> Write(const Header& header, const TyrosRegistration& registration);
    // kNotValid (nothing changed) when the bytes are not a regfile: shorter
    // than the header or without "RegF". Otherwise the rest is parsed as one
    // registration block whose setting blocks run to the end of the file,
    // whatever length its head gives; warningCarry is passed in and out. A
    // block that holds no registration is kNotValid with what it lacks.
    static Outcome Read(std::span<const std::uint8_t> bytes, Header& header, TyrosRegistration& registration,
                        UserInterface& ui, bool& warningCarry, TyrosRegistration::ParseOptions options = {});
};

}  // namespace kalivo
