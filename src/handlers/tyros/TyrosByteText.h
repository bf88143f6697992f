#pragma once
// Small readers of ids and texts inside Tyros byte blocks. Every read stays
// inside the given bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kalivo::tyros {

using ByteSpan = std::span<const std::uint8_t>;

// True when bytes begin with id.
bool StartsWithId(ByteSpan bytes, std::string_view id);

// The characters from offset to the end, or up to the first NUL or the first
// of stopChars; empty when offset lies past the end.
std::string TextFrom(ByteSpan bytes, std::size_t offset, std::string_view stopChars = {});

// A string's characters as bytes.
ByteSpan AsBytes(std::string_view text);

}  // namespace kalivo::tyros
