#pragma once
// Bounds-checked reading of big-endian byte records. Every read either
// succeeds whole or fails and leaves the position unchanged, so a short or
// lying file can never be read past its end.
#include <cstddef>
#include <cstdint>
#include <span>

namespace kalivo {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }
    std::size_t Size() const { return data_.size(); }
    bool AtEnd() const { return pos_ >= data_.size(); }

    bool Skip(std::size_t count);
    bool ReadU8(std::uint8_t& out);
    bool ReadU16(std::uint16_t& out);
    bool ReadU32(std::uint32_t& out);
    // A view of the next count bytes; the reader moves past them.
    bool ReadBytes(std::size_t count, std::span<const std::uint8_t>& out);
    // The same without moving.
    bool PeekBytes(std::size_t count, std::span<const std::uint8_t>& out) const;

    // Reads at an absolute offset of a buffer; the fallback when out of range.
    static std::uint8_t U8At(std::span<const std::uint8_t> data, std::size_t offset, std::uint8_t fallback = 0);
    static std::uint16_t U16At(std::span<const std::uint8_t> data, std::size_t offset, std::uint16_t fallback = 0);
    static std::uint32_t U32At(std::span<const std::uint8_t> data, std::size_t offset, std::uint32_t fallback = 0);
    static bool Has(std::span<const std::uint8_t> data, std::size_t offset, std::size_t count);

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

}  // namespace kalivo
