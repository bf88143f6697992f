#include "common/voices/VoiceList.h"

#include <array>
#include <utility>

namespace kalivo {
namespace {

constexpr std::uint32_t kOpen = 0x1FF;  // outside every byte value

std::uint32_t Part(int value) {
    return value == VoiceList::kAny ? kOpen : static_cast<std::uint32_t>(value) & 0xFFu;
}

bool InByte(int value) { return value >= 0 && value <= 255; }

}  // namespace

std::uint32_t VoiceList::KeyOf(int msb, int lsb, int program) {
    return Part(msb) << 18 | Part(lsb) << 9 | Part(program);
}

void VoiceList::Add(int msb, int lsb, int program, std::string name) {
    names_.try_emplace(KeyOf(msb, lsb, program), std::move(name));
}

bool VoiceList::Find(int msb, int lsb, int program, std::string& name) const {
    if (!InByte(msb) || !InByte(lsb) || !InByte(program) || names_.empty()) {
        return false;
    }
    const std::array<std::uint32_t, 4> tries{KeyOf(msb, lsb, program), KeyOf(msb, kAny, program),
                                             KeyOf(kAny, lsb, program), KeyOf(kAny, kAny, program)};
    for (std::uint32_t key : tries) {
        const auto it = names_.find(key);
        if (it != names_.end()) {
            name = it->second;
            return true;
        }
    }
    return false;
}

bool VoiceList::Names(int msb, int lsb, int program) const {
    std::string unused;
    return Find(msb, lsb, program, unused);
}

std::vector<BankSelectKey> VoiceList::ExactKeys() const {
    std::vector<BankSelectKey> keys;
    for (const auto& entry : names_) {
        const std::uint32_t msb = entry.first >> 18;
        const std::uint32_t lsb = entry.first >> 9 & kOpen;
        if (msb != kOpen && lsb != kOpen) {
            keys.push_back({static_cast<int>(msb), static_cast<int>(lsb), static_cast<int>(entry.first & kOpen)});
        }
    }
    return keys;
}

int VoiceList::CountNamed(const std::vector<BankSelectKey>& keys) const {
    int named = 0;
    for (const BankSelectKey& key : keys) {
        named += Names(key.msb, key.lsb, key.program) ? 1 : 0;
    }
    return named;
}

void VoiceList::SetOrigin(std::string file, std::string instrument) {
    file_ = std::move(file);
    instrument_ = std::move(instrument);
}

}  // namespace kalivo
