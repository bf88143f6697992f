#include "handlers/tyros/TyrosBankFile.h"

#include <algorithm>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "handlers/tyros/TyrosByteText.h"

namespace kalivo {

using namespace tyros;

bool TyrosBankFile::IsBankFile(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kBankHeaderSize && StartsWithId(bytes, kBankMagic) &&
           StartsWithId(bytes.subspan(kBankMagic2At), kBankMagic2);
}

Outcome TyrosBankFile::Read(std::span<const std::uint8_t> bytes, TyrosBank& bank, UserInterface& ui,
                            bool& warningCarry, const TyrosRegistration::ParseOptions& options) {
    if (!IsBankFile(bytes)) {
        return {Status::kNotValid, std::string()};
    }
    Outcome outcome;
    // Past the magic nothing can fail as a whole: each registration is read
    // into its place, and one that is broken is empty.
    std::copy_n(bytes.begin(), kBankHeaderSize, bank.header.begin());
    auto rest = bytes.subspan(kBankHeaderSize);
    for (TyrosRegistration& registration : bank.registrations) {
        // The trailer, a cut-off head or anything else that is not a
        // registration block ends the bank.
        if (rest.size() < kHeadSize || !StartsWithId(rest, kRegistrationId)) {
            break;
        }
        const std::size_t size = kHeadSize + ByteReader::U16At(rest, 4);
        // A block running past the file is passed whole: the parse reports it.
        const auto block = rest.first(std::min(size, rest.size()));
        const std::string problem = registration.Parse(block, false, warningCarry, ui, options);
        if (!problem.empty()) {
            outcome.message += (outcome.message.empty() ? "" : "\n") + problem;
        }
        warningCarry = registration.StopWarnings();
        if (size > rest.size()) {
            break;
        }
        rest = rest.subspan(size);
    }
    return outcome;
}

std::vector<std::uint8_t> TyrosBankFile::Write(TyrosBank& bank) {
    std::uint32_t total = kBankHeaderSize + kTrailer.size();
    bool sameLengths = true;
    const std::size_t firstLength = bank.registrations.front().SerializedSize();
    for (const TyrosRegistration& registration : bank.registrations) {
        const std::size_t length = registration.SerializedSize();
        total += static_cast<std::uint32_t>(length);
        sameLengths &= length == firstLength;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        bank.header[kBankLengthAt + i] = static_cast<std::uint8_t>(total >> (24 - 8 * i));
    }
    bank.header[kBankBlockShapeAt] = sameLengths ? kBlocksAllSameLength : kBlocksDiffer;

    ByteWriter out;
    out.Bytes(bank.header);
    for (const TyrosRegistration& registration : bank.registrations) {
        registration.Serialize(out);
    }
    out.Bytes(kTrailer);
    return out.Take();
}

}  // namespace kalivo
