#include "handlers/cvp2_psr2000/Cvp2Registration.h"

#include <algorithm>
#include <utility>

#include "common/ByteReader.h"

namespace kalivo {

using namespace s917;

namespace {

std::size_t LocationField(int gp) { return kLocationsAt + 4 * static_cast<std::size_t>(gp); }

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 3; i >= 0; --i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value & 0xFFu);
        value >>= 8;
    }
}

std::string WithoutTrailing(std::string text, const std::string& drop) {
    while (!text.empty() && drop.find(text.back()) != std::string::npos) {
        text.pop_back();
    }
    return text;
}

}  // namespace

Cvp2Registration::Cvp2Registration(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    for (int gp = 0; gp < kGpCount; ++gp) {
        const std::uint32_t location = ByteReader::U32At(bytes_, LocationField(gp), kAbsent);
        locations_[static_cast<std::size_t>(gp)] = location == kAbsent ? -1 : static_cast<int>(location);
    }
}

bool Cvp2Registration::IsSound(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderSize || ByteReader::U16At(bytes, kLengthAt) != bytes.size()) {
        return false;
    }
    for (int gp = 0; gp < kGpCount; ++gp) {
        const std::uint32_t location = ByteReader::U32At(bytes, LocationField(gp));
        if (location != kAbsent && !ByteReader::Has(bytes, location, kGpSize[static_cast<std::size_t>(gp)])) {
            return false;
        }
    }
    return true;
}

std::optional<Cvp2Registration> Cvp2Registration::FromRelative(std::span<const std::uint8_t> bytes) {
    const std::size_t length = ByteReader::U16At(bytes, kLengthAt);
    if (bytes.size() < kHeaderSize || length > bytes.size()) {
        return std::nullopt;
    }
    const auto block = bytes.first(length);
    if (!IsSound(block)) {
        return std::nullopt;
    }
    return Cvp2Registration(std::vector<std::uint8_t>(block.begin(), block.end()));
}

std::optional<Cvp2Registration> Cvp2Registration::FromRegfile(std::span<const std::uint8_t> bytes) {
    if (!IsSound(bytes)) {
        return std::nullopt;
    }
    return Cvp2Registration(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

std::optional<Cvp2Registration> Cvp2Registration::FromBankFile(std::span<const std::uint8_t> file,
                                                               std::size_t offset) {
    if (!ByteReader::Has(file, offset, kHeaderSize)) {
        return std::nullopt;
    }
    const std::size_t length = ByteReader::U16At(file, offset + kLengthAt);
    if (length < kHeaderSize || !ByteReader::Has(file, offset, length)) {
        return std::nullopt;
    }
    const auto block = file.subspan(offset, length);
    std::vector<std::uint8_t> bytes(block.begin(), block.end());
    for (int gp = 0; gp < kGpCount; ++gp) {
        const std::uint32_t location = ByteReader::U32At(bytes, LocationField(gp));
        if (location == kAbsent) {
            continue;
        }
        // A location before the block cannot point into it.
        if (location < offset) {
            return std::nullopt;
        }
        PutU32(bytes, LocationField(gp), static_cast<std::uint32_t>(location - offset));
    }
    if (!IsSound(bytes)) {
        return std::nullopt;
    }
    return Cvp2Registration(std::move(bytes));
}

std::vector<std::uint8_t> Cvp2Registration::WithFileLocations(std::uint32_t base) const {
    std::vector<std::uint8_t> bytes = bytes_;
    for (int gp = 0; gp < kGpCount; ++gp) {
        if (const int location = Location(gp); location >= 0) {
            PutU32(bytes, LocationField(gp), base + static_cast<std::uint32_t>(location));
        }
    }
    return bytes;
}

int Cvp2Registration::Location(int gp) const {
    return gp >= 0 && gp < kGpCount ? locations_[static_cast<std::size_t>(gp)] : -1;
}

std::span<const std::uint8_t> Cvp2Registration::Block(int gp) const {
    const int location = Location(gp);
    if (location < 0) {
        return {};
    }
    return std::span<const std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(location),
                                                        kGpSize[static_cast<std::size_t>(gp)]);
}

unsigned Cvp2Registration::SettingsMask() const {
    unsigned mask = 0;
    for (int setting = 0; setting < kSettingCount; ++setting) {
        if (Has(kSettingBlock[static_cast<std::size_t>(setting)])) {
            mask |= 1u << setting;
        }
    }
    return mask;
}

std::span<const std::uint8_t> Cvp2Registration::NameField() const {
    const auto block = Block(gp::kName);
    return block.empty() ? block : block.subspan(kNameAt);
}

std::string Cvp2Registration::Name() const {
    const auto field = NameField();
    std::string name;
    for (std::size_t i = 0; i < field.size() && i < kNameSize && field[i] != 0; ++i) {
        name += static_cast<char>(field[i]);
    }
    return WithoutTrailing(name, " ");
}

std::string Cvp2Registration::LongName() const {
    const auto field = NameField();
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return WithoutTrailing(std::string(field.begin(), end), std::string("\x01 '*?", 5));
}

bool Cvp2Registration::Rename(const std::string& name) {
    const int location = Location(gp::kName);
    if (location < 0) {
        return false;
    }
    const auto at = bytes_.begin() + location + static_cast<std::ptrdiff_t>(kNameAt);
    std::fill(at, at + static_cast<std::ptrdiff_t>(kNameSize), std::uint8_t{0});
    std::copy_n(name.begin(), std::min(name.size(), kNameSize), at);
    return true;
}

std::string Cvp2Registration::PathName(int gp) const {
    const auto block = Block(gp);
    std::string name;
    // The path ends at its extension, at a NUL or at the end of the block.
    for (std::size_t i = kPathAt; i < block.size() && block[i] != '.' && block[i] != 0; ++i) {
        if (block[i] == '/') {
            name.clear();
        } else {
            name += static_cast<char>(block[i]);
        }
    }
    return name;
}

int Cvp2Registration::Tempo() const {
    const auto block = Block(gp::kTempo);
    return block.empty() ? -1 : ByteReader::U16At(block, kTempoAt);
}

std::optional<Cvp2VoiceKey> Cvp2Registration::Voice(int gp) const {
    const auto block = Block(gp);
    if (block.empty()) {
        return std::nullopt;
    }
    return Cvp2VoiceKey{block[kVoiceMsbAt], block[kVoiceMsbAt + 1], block[kVoiceMsbAt + 2]};
}

}  // namespace kalivo
