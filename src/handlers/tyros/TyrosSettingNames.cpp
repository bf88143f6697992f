#include "handlers/tyros/TyrosSettingNames.h"

#include "common/ByteReader.h"
#include "handlers/tyros/TyrosByteText.h"
#include "handlers/tyros/TyrosFormat.h"
#include "handlers/tyros/TyrosTables.h"

namespace kalivo {

namespace {

constexpr const char* kNoStyle = "no style";
constexpr const char* kNoMultipad = "no multipad";
constexpr std::size_t kHarmonyTypeAt = 7;

bool ReadNumber(TyrosSettingNames::Bytes block, std::uint16_t& number) {
    if (!ByteReader::Has(block, tyros::kPayloadStart, 2)) {
        return false;
    }
    number = ByteReader::U16At(block, tyros::kPayloadStart);
    return true;
}

// The last component of a '/'-separated path, up to its first '.'.
std::string LastPathComponent(TyrosSettingNames::Bytes pathBlock) {
    const std::string path = tyros::TextFrom(pathBlock, tyros::kTextAfterLength, ".");
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string TyrosSettingNames::Style(Bytes numberBlock, Bytes pathBlock) {
    std::uint16_t number = 0;
    if (!ReadNumber(numberBlock, number)) {
        return kNoStyle;
    }
    if (number == tyros::kFromFile) {
        return pathBlock.empty() ? kNoStyle : tyros::TextFrom(pathBlock, tyros::kTextAfterLength, ".");
    }
    // The instrument stores twice the table index.
    const std::size_t index = number / 2u;
    return index < TyrosTables::StyleCount() ? TyrosTables::StyleName(index) : kNoStyle;
}

std::string TyrosSettingNames::Multipad(Bytes numberBlock, Bytes pathBlock) {
    std::uint16_t number = 0;
    if (!ReadNumber(numberBlock, number)) {
        return kNoMultipad;
    }
    if (number == tyros::kFromFile) {
        return pathBlock.empty() ? kNoMultipad : LastPathComponent(pathBlock);
    }
    return number < TyrosTables::MultipadCount() ? TyrosTables::MultipadName(number) : kNoMultipad;
}

std::string TyrosSettingNames::HarmonyType(Bytes harmonyBlock) {
    if (!ByteReader::Has(harmonyBlock, kHarmonyTypeAt, 1)) {
        return std::string();
    }
    const std::size_t index = harmonyBlock[kHarmonyTypeAt];
    return index < TyrosTables::HarmonyCount() ? TyrosTables::HarmonyName(index) : std::string();
}

}  // namespace kalivo
