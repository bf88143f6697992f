#include "handlers/cvp2_psr2000/Cvp2BlockRebuild.h"

#include <algorithm>
#include <array>

#include "common/Format.h"

namespace kalivo {

using namespace s917;

namespace {

bool Flagged(const std::vector<bool>& flags, int gp) {
    return static_cast<std::size_t>(gp) < flags.size() && flags[static_cast<std::size_t>(gp)];
}

// Where GP block gp of the new block comes from; nullptr = left out.
const Cvp2Registration* Origin(const Cvp2Registration* destination, const Cvp2Registration& source,
                               const std::vector<bool>& flags, int gp) {
    const bool inDestination = destination != nullptr && destination->Has(gp);
    if (gp == gp::kName && inDestination) {
        return destination;
    }
    if (Flagged(flags, gp) && source.Has(gp)) {
        return &source;
    }
    return inDestination ? destination : nullptr;
}

}  // namespace

std::optional<Cvp2Registration> Cvp2BlockRebuild::Build(const Cvp2Registration* destination,
                                                        const Cvp2Registration& source,
                                                        const std::vector<bool>& flags, std::string& error) {
    std::array<const Cvp2Registration*, kGpCount> origins{};
    std::size_t length = kHeaderSize;
    int taken = 0;
    for (int gp = 0; gp < kGpCount; ++gp) {
        origins[static_cast<std::size_t>(gp)] = Origin(destination, source, flags, gp);
        if (origins[static_cast<std::size_t>(gp)] != nullptr) {
            length += kGpSize[static_cast<std::size_t>(gp)];
            ++taken;
        }
    }
    if (length < kHeaderSize) {
        error = "Overflow DataRGST";
        return std::nullopt;
    }
    const Cvp2Registration& headerFrom = destination != nullptr ? *destination : source;
    std::vector<std::uint8_t> bytes(length, 0);
    std::copy_n(headerFrom.Bytes().begin(), kHeaderSize, bytes.begin());
    std::size_t position = kHeaderSize;
    for (int gp = 0; gp < kGpCount; ++gp) {
        const Cvp2Registration* origin = origins[static_cast<std::size_t>(gp)];
        const std::size_t size = kGpSize[static_cast<std::size_t>(gp)];
        std::uint32_t location = kAbsent;
        if (origin != nullptr) {
            if (position + size > length) {
                error = FormatNumbers("Overflow copy from GP%i2", gp);
                return std::nullopt;
            }
            const auto block = origin->Bytes().begin() + origin->Location(gp);
            std::copy_n(block, size, bytes.begin() + static_cast<std::ptrdiff_t>(position));
            location = static_cast<std::uint32_t>(position);
            position += size;
        }
        for (int i = 0; i < 4; ++i) {
            bytes[kLocationsAt + 4 * static_cast<std::size_t>(gp) + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(location >> (8 * (3 - i)));
        }
    }
    bytes[kLengthAt] = static_cast<std::uint8_t>(length >> 8);
    bytes[kLengthAt + 1] = static_cast<std::uint8_t>(length);
    bytes[kBlockCountAt] = static_cast<std::uint8_t>(taken);
    auto rebuilt = Cvp2Registration::FromRelative(bytes);
    if (!rebuilt) {
        error = "Overflow DataRGST";
    }
    return rebuilt;
}

}  // namespace kalivo
