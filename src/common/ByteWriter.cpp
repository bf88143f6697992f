#include "common/ByteWriter.h"

namespace kalivo {

void ByteWriter::U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    bytes_.push_back(static_cast<std::uint8_t>(v));
}

void ByteWriter::U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v >> 16));
    U16(static_cast<std::uint16_t>(v));
}

void ByteWriter::FixedText(std::string_view text, std::size_t width, std::uint8_t pad) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes_.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : pad);
    }
}

void ByteWriter::PatchU16(std::size_t offset, std::uint16_t v) {
    if (offset + 2 <= bytes_.size()) {
        bytes_[offset] = static_cast<std::uint8_t>(v >> 8);
        bytes_[offset + 1] = static_cast<std::uint8_t>(v);
    }
}

void ByteWriter::PatchU32(std::size_t offset, std::uint32_t v) {
    PatchU16(offset, static_cast<std::uint16_t>(v >> 16));
    PatchU16(offset + 2, static_cast<std::uint16_t>(v));
}

}  // namespace kalivo
