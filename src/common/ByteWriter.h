#pragma once
// Appends big-endian values to a growing byte buffer.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kalivo {

class ByteWriter {
public:
    void U8(std::uint8_t v) { bytes_.push_back(v); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void Bytes(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
    // Text cut or NUL-padded to exactly width bytes.
    void FixedText(std::string_view text, std::size_t width, std::uint8_t pad = 0);
    // Overwrites a big-endian value already written (for lengths known afterwards).
    void PatchU16(std::size_t offset, std::uint16_t v);
    void PatchU32(std::size_t offset, std::uint32_t v);

    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace kalivo
