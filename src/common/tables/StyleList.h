#pragma once
// Default style names of the PSR-740 and PSR-8000 by style number. The custom
// slots hold their default names; a handler resolves them through its own
// custom style table and uses these only to reset it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kalivo {

class StyleList {
public:
    static const StyleList& Psr740();   // 163 names; 160..162 default custom names
    static const StyleList& Psr8000();  // 256 names; 214..229 custom, 230..249 grooves, 250..255 "?"

    // Default names (Windows-1252); a number past the list: "?".
    std::string Name(std::uint8_t number) const;
    int FirstCustomSlot() const { return firstCustomSlot_; }
    int CustomSlotCount() const { return customSlotCount_; }
    std::size_t Count() const { return names_.size(); }

    StyleList(std::span<const char* const> names, int firstCustomSlot, int customSlotCount)
        : names_(names), firstCustomSlot_(firstCustomSlot), customSlotCount_(customSlotCount) {}

private:
    std::span<const char* const> names_;
    int firstCustomSlot_;
    int customSlotCount_;
};

}  // namespace kalivo
