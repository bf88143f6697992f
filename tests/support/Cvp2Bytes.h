#pragma once
// Builders of S917 registration blocks and bank files from their byte
// layout, for tests, fuzz seeds and the example files.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalivo::test::s917_bytes {

using Bytes = std::vector<std::uint8_t>;

// One GP block of its table size.
struct Gp {
    int number;
    Bytes bytes;
};

Gp Filler(int number, std::uint8_t fill);
Gp Name(const std::string& name);                   // GP 0, the name NUL-padded at +8
Gp Path(int number, const std::string& path);       // GP 16 / 17, text from +8
Gp Tempo(int tempo);                                // GP 11
Gp Voice(int number, int msb, int lsb, int program);  // GP 4 / 5 / 6

// A registration block with block-relative locations: the 112-byte header
// (bytes 0..5 and 9..15 carry recognisable values), gap bytes, then the
// blocks in the order given.
Bytes Block(const std::vector<Gp>& blocks, std::size_t gap = 0);
// A block holding every setting, named name.
Bytes FullBlock(const std::string& name, int tempo = 120);

// A bank file of the given 8-byte model field: header, then each present
// block at the next offset after gap bytes, its locations made absolute.
Bytes BankFile(const std::string& model, const std::array<std::optional<Bytes>, 8>& slots, std::size_t gap = 0);

inline const std::string kCvp2Model = "CVP-Dx  ";
inline const std::string kPsr2000Model = "PSR2000x";

std::uint32_t U32At(const Bytes& bytes, std::size_t at);
std::uint16_t U16At(const Bytes& bytes, std::size_t at);

}  // namespace kalivo::test::s917_bytes
