#include "common/ByteReader.h"

namespace kalivo {

bool ByteReader::Has(std::span<const std::uint8_t> data, std::size_t offset, std::size_t count) {
    return offset <= data.size() && count <= data.size() - offset;
}

bool ByteReader::Skip(std::size_t count) {
    if (!Has(data_, pos_, count)) {
        return false;
    }
    pos_ += count;
    return true;
}

bool ByteReader::ReadU8(std::uint8_t& out) {
    if (!Has(data_, pos_, 1)) {
        return false;
    }
    out = data_[pos_++];
    return true;
}

bool ByteReader::ReadU16(std::uint16_t& out) {
    if (!Has(data_, pos_, 2)) {
        return false;
    }
    out = U16At(data_, pos_);
    pos_ += 2;
    return true;
}

bool ByteReader::ReadU32(std::uint32_t& out) {
    if (!Has(data_, pos_, 4)) {
        return false;
    }
    out = U32At(data_, pos_);
    pos_ += 4;
    return true;
}

bool ByteReader::PeekBytes(std::size_t count, std::span<const std::uint8_t>& out) const {
    if (!Has(data_, pos_, count)) {
        return false;
    }
    out = data_.subspan(pos_, count);
    return true;
}

bool ByteReader::ReadBytes(std::size_t count, std::span<const std::uint8_t>& out) {
    if (!PeekBytes(count, out)) {
        return false;
    }
    pos_ += count;
    return true;
}

std::uint8_t ByteReader::U8At(std::span<const std::uint8_t> data, std::size_t offset, std::uint8_t fallback) {
    return Has(data, offset, 1) ? data[offset] : fallback;
}

std::uint16_t ByteReader::U16At(std::span<const std::uint8_t> data, std::size_t offset, std::uint16_t fallback) {
    if (!Has(data, offset, 2)) {
        return fallback;
    }
    return static_cast<std::uint16_t>((data[offset] << 8) | data[offset + 1]);
}

std::uint32_t ByteReader::U32At(std::span<const std::uint8_t> data, std::size_t offset, std::uint32_t fallback) {
    if (!Has(data, offset, 4)) {
        return fallback;
    }
    return (static_cast<std::uint32_t>(data[offset]) << 24) | (static_cast<std::uint32_t>(data[offset + 1]) << 16) |
           (static_cast<std::uint32_t>(data[offset + 2]) << 8) | data[offset + 3];
}

}  // namespace kalivo
