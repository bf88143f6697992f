#pragma once
// One registration block: a 112-byte header whose 24 locations point at the
// GP blocks that follow. In memory and in regfiles the locations count from
// the block's first byte. A block is only ever made from bytes that passed
// the checks below, so every present GP block lies wholly inside it with its
// fixed size and the readers never look past its end.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "handlers/cvp2_psr2000/Cvp2Format.h"

namespace kalivo {

struct Cvp2VoiceKey {
    int msb = 0;
    int lsb = 0;
    int program = 0;
};

class Cvp2Registration {
public:
    // A block with block-relative locations (memory, regfiles). The block is
    // as long as its header says; bytes after that are not part of it.
    // Nothing when the bytes are not a sound block.
    static std::optional<Cvp2Registration> FromRelative(std::span<const std::uint8_t> bytes);
    // A regfile: one sound block and nothing after it, so that a file with
    // more bytes than its block says is refused, not cut.
    static std::optional<Cvp2Registration> FromRegfile(std::span<const std::uint8_t> bytes);
    // The block at offset inside a bank file, whose locations are file offsets.
    static std::optional<Cvp2Registration> FromBankFile(std::span<const std::uint8_t> file, std::size_t offset);

    // The block as a bank file holds it when it starts at file offset base.
    std::vector<std::uint8_t> WithFileLocations(std::uint32_t base) const;

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::size_t Length() const { return bytes_.size(); }
    // Block-relative start of GP block gp, -1 when absent.
    int Location(int gp) const;
    bool Has(int gp) const { return Location(gp) >= 0; }
    // The bytes of GP block gp with its fixed size; empty when absent.
    std::span<const std::uint8_t> Block(int gp) const;
    // Bit n set when setting n is present.
    unsigned SettingsMask() const;

    // Up to 16 characters of the name, to the first NUL, trailing blanks removed.
    std::string Name() const;
    // The name up to its first NUL, without the 16-character limit, trailing
    // 01, blank, "'", "*" and "?" removed: how a regfile is listed.
    std::string LongName() const;
    // Writes the first 16 characters of name into the name field; false when
    // there is no name block to write into.
    bool Rename(const std::string& name);
    // The last path component, without extension, of the file path in block gp.
    std::string PathName(int gp) const;
    // -1 when there is no tempo block.
    int Tempo() const;
    std::optional<Cvp2VoiceKey> Voice(int gp) const;

private:
    explicit Cvp2Registration(std::vector<std::uint8_t> bytes);
    // True when the header's length equals the size and every present block fits.
    static bool IsSound(std::span<const std::uint8_t> bytes);
    std::span<const std::uint8_t> NameField() const;

    std::vector<std::uint8_t> bytes_;
    std::array<int, s917::kGpCount> locations_{};
};

}  // namespace kalivo
