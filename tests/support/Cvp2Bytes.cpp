#include "support/Cvp2Bytes.h"

#include <algorithm>

#include "handlers/cvp2_psr2000/Cvp2Format.h"

namespace kalivo::test::s917_bytes {

namespace {

void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * (3 - i)));
    }
}

void PutText(Bytes& bytes, std::size_t at, const std::string& text) {
    std::copy_n(text.begin(), std::min(text.size(), bytes.size() - at), bytes.begin() + static_cast<long>(at));
}

Bytes Sized(int number) { return Bytes(s917::kGpSize[static_cast<std::size_t>(number)], 0); }

}  // namespace

Gp Filler(int number, std::uint8_t fill) {
    Bytes bytes = Sized(number);
    std::fill(bytes.begin(), bytes.end(), fill);
    return {number, bytes};
}

Gp Name(const std::string& name) {
    Bytes bytes = Sized(0);
    PutText(bytes, 8, name.substr(0, 16));
    return {0, bytes};
}

Gp Path(int number, const std::string& path) {
    Bytes bytes = Sized(number);
    PutText(bytes, 8, path);
    return {number, bytes};
}

Gp Tempo(int tempo) {
    Bytes bytes = Sized(11);
    bytes[12] = static_cast<std::uint8_t>(tempo >> 8);
    bytes[13] = static_cast<std::uint8_t>(tempo);
    return {11, bytes};
}

Gp Voice(int number, int msb, int lsb, int program) {
    Bytes bytes = Sized(number);
    bytes[9] = static_cast<std::uint8_t>(msb);
    bytes[10] = static_cast<std::uint8_t>(lsb);
    bytes[11] = static_cast<std::uint8_t>(program);
    return {number, bytes};
}

Bytes Block(const std::vector<Gp>& blocks, std::size_t gap) {
    Bytes bytes(s917::kHeaderSize + gap, 0xEE);
    for (std::size_t i = 0; i < 16; ++i) {
        bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    for (int gp = 0; gp < s917::kGpCount; ++gp) {
        PutU32(bytes, 16 + 4 * static_cast<std::size_t>(gp), s917::kAbsent);
    }
    for (const Gp& block : blocks) {
        PutU32(bytes, 16 + 4 * static_cast<std::size_t>(block.number), static_cast<std::uint32_t>(bytes.size()));
        bytes.insert(bytes.end(), block.bytes.begin(), block.bytes.end());
    }
    bytes[6] = static_cast<std::uint8_t>(bytes.size() >> 8);
    bytes[7] = static_cast<std::uint8_t>(bytes.size());
    bytes[8] = static_cast<std::uint8_t>(blocks.size());
    return bytes;
}

Bytes FullBlock(const std::string& name, int tempo) {
    std::vector<Gp> blocks{Name(name)};
    for (int gp = 1; gp < s917::kGpCount; ++gp) {
        switch (gp) {
            case 4: blocks.push_back(Voice(4, 0, 0, 0)); break;
            case 5: blocks.push_back(Voice(5, 0, 0, 48)); break;
            case 6: blocks.push_back(Voice(6, 0, 0, 32)); break;
            case 11: blocks.push_back(Tempo(tempo)); break;
            case 16: blocks.push_back(Path(16, "STYLE/POP/Cool8Beat.STY")); break;
            case 17: blocks.push_back(Path(17, "PAD/Funky.PAD")); break;
            default:
                if (s917::kGpSize[static_cast<std::size_t>(gp)] > 0) {
                    blocks.push_back(Filler(gp, static_cast<std::uint8_t>(gp)));
                }
        }
    }
    return Block(blocks);
}

Bytes BankFile(const std::string& model, const std::array<std::optional<Bytes>, 8>& slots, std::size_t gap) {
    Bytes file(s917::kHeaderSize, 0);
    PutText(file, 0, "REG-100-100-1000");
    PutText(file, 16, model);
    const std::uint8_t format[8] = {0x00, 0x08, 0x00, 0x40, 0x02, 0x00, 0x00, 0x00};
    std::copy(std::begin(format), std::end(format), file.begin() + 24);
    file[64] = 0x24;
    std::fill(file.begin() + 65, file.begin() + 101, 0xFF);
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        PutU32(file, 32 + 4 * slot, s917::kAbsent);
        if (!slots[slot]) {
            continue;
        }
        file.insert(file.end(), gap, 0x55);
        const auto offset = static_cast<std::uint32_t>(file.size());
        PutU32(file, 32 + 4 * slot, offset);
        Bytes block = *slots[slot];
        for (int gp = 0; gp < s917::kGpCount; ++gp) {
            const std::size_t at = 16 + 4 * static_cast<std::size_t>(gp);
            if (U32At(block, at) != s917::kAbsent) {
                PutU32(block, at, U32At(block, at) + offset);
            }
        }
        file.insert(file.end(), block.begin(), block.end());
    }
    return file;
}

std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes.at(at)) << 24 | static_cast<std::uint32_t>(bytes.at(at + 1)) << 16 |
           static_cast<std::uint32_t>(bytes.at(at + 2)) << 8 | bytes.at(at + 3);
}

std::uint16_t U16At(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) << 8 | bytes.at(at + 1));
}

}  // namespace kalivo::test::s917_bytes
