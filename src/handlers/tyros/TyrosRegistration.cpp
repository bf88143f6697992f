#include "handlers/tyros/TyrosRegistration.h"

#include <utility>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/text/Cp1252.h"
#include "handlers/tyros/TyrosByteText.h"
#include "handlers/tyros/TyrosCopyRecord.h"
#include "handlers/tyros/TyrosSettingNames.h"
#include "handlers/tyros/TyrosVoiceNaming.h"

namespace kalivo {

using namespace tyros;

namespace {

constexpr const char* kNoVoice = "no voice";
constexpr std::size_t kIconSuffixSize = 5;  // ".S" and three characters
constexpr std::size_t kIdSize = 4;

std::size_t PartIndex(VoicePart part) { return static_cast<std::size_t>(part); }

std::string OnOff(std::span<const std::uint8_t> block) {
    if (!ByteReader::Has(block, kPayloadStart, 1)) {
        return std::string();
    }
    return block[kPayloadStart] != 0 ? "On" : "Off";
}

// True when the payload ends in ".S" and three characters.
bool EndsInIconCode(std::span<const std::uint8_t> block) {
    if (block.size() <= kPayloadStart + kIconSuffixSize) {
        return false;
    }
    const std::size_t at = block.size() - kIconSuffixSize;
    return block[at] == '.' && block[at + 1] == 'S';
}

std::string Fixed3(const std::string& code) {
    std::string fixed = code.substr(0, 3);
    fixed.resize(3, ' ');
    return fixed;
}

}  // namespace

TyrosRegistration::TyrosRegistration() { MakeEmpty(); }

void TyrosRegistration::MakeEmpty() {
    data_.clear();
    slots_.fill({});
    laterTypes_.clear();
    voiceNames_.fill(kNoVoice);
    empty_ = true;
    quiet_ = true;
}

void TyrosRegistration::Clear() {
    if (!empty_) {
        MakeEmpty();
    }
}

std::string TyrosRegistration::Parse(std::span<const std::uint8_t> block, bool quiet, bool stopWarnings,
                                     UserInterface& ui, const ParseOptions& options) {
    MakeEmpty();
    warnShown_.fill(quiet || stopWarnings);
    stopWarnings_ = stopWarnings;

    ByteReader reader(block);
    std::span<const std::uint8_t> head;
    if (!reader.ReadBytes(kHeadSize, head) || !StartsWithId(head, kRegistrationId)) {
        return "Bad registration: no Bhd-block";
    }
    const std::size_t payload = options.toEnd ? block.size() - kHeadSize : ByteReader::U16At(head, 4);
    if (payload == 0) {
        return std::string();
    }
    std::span<const std::uint8_t> settings;
    if (!FitsOneBlock(payload) || !reader.ReadBytes(payload, settings) || !ParseSettingBlocks(settings)) {
        MakeEmpty();  // nothing of a broken registration is kept
        return "Bad registration: no GPm-block";
    }
    empty_ = false;
    origin_ = options.origin;
    NameVoices(options.askAboutVoices ? &ui : nullptr, options.voices);
    origin_.clear();
    return std::string();
}

bool TyrosRegistration::ParseSettingBlocks(Bytes settings) {
    data_.assign(settings.begin(), settings.end());
    ByteReader reader(data_);
    while (!reader.AtEnd()) {
        Bytes head;
        if (!reader.PeekBytes(kHeadSize, head) || !StartsWithId(head, kSettingId)) {
            return false;
        }
        const Extent extent{static_cast<std::uint32_t>(reader.Position()),
                            static_cast<std::uint32_t>(kHeadSize + ByteReader::U16At(head, 4))};
        if (!reader.Skip(extent.size)) {
            return false;
        }
        const int type = head[3];
        if (type < kSlotCount) {
            slots_[static_cast<std::size_t>(type)] = extent;  // a later block of a type wins
        } else {
            laterTypes_.push_back(extent);
        }
    }
    return true;
}

TyrosRegistration::SlotViews TyrosRegistration::Views() const {
    SlotViews views;
    for (std::size_t type = 0; type < views.size(); ++type) {
        views[type] = BytesAt(slots_[type]);
    }
    return views;
}

std::size_t TyrosRegistration::PayloadOf(const SlotViews& views) const {
    std::size_t size = 0;
    for (int type = 1; type < kSlotCount; ++type) {
        size += views[static_cast<std::size_t>(type)].size();
    }
    for (const Extent& extent : laterTypes_) {
        size += extent.size;
    }
    return size;
}

void TyrosRegistration::Assemble(const SlotViews& views) {
    std::vector<std::uint8_t> data;
    std::array<Extent, kSlotCount> slots{};
    std::vector<Extent> laterTypes;
    auto place = [&](Bytes block) {
        const Extent extent{static_cast<std::uint32_t>(data.size()), static_cast<std::uint32_t>(block.size())};
        data.insert(data.end(), block.begin(), block.end());
        return extent;
    };
    for (std::size_t type = 0; type < views.size(); ++type) {
        slots[type] = place(views[type]);
    }
    for (const Extent& extent : laterTypes_) {
        laterTypes.push_back(place(BytesAt(extent)));
    }
    data_ = std::move(data);
    slots_ = slots;
    laterTypes_ = std::move(laterTypes);
}

std::size_t TyrosRegistration::SerializedSize() const { return kHeadSize + PayloadSize(); }

void TyrosRegistration::Serialize(ByteWriter& out) const {
    // The length comes from what is written, never from the length read: a
    // dropped type-0 block or a replaced duplicate would make that one wrong.
    out.Bytes(AsBytes(kRegistrationId));
    out.U16(static_cast<std::uint16_t>(PayloadSize()));
    for (int type = 1; type < kSlotCount; ++type) {
        out.Bytes(BytesAt(slots_[static_cast<std::size_t>(type)]));
    }
    for (const Extent& extent : laterTypes_) {
        out.Bytes(BytesAt(extent));
    }
}

std::vector<std::uint8_t> TyrosRegistration::Serialize() const {
    ByteWriter out;
    Serialize(out);
    return out.Take();
}

bool TyrosRegistration::Has(int type) const { return !BlockOf(type).empty(); }

std::span<const std::uint8_t> TyrosRegistration::BlockOf(int type) const {
    if (type < 0 || type >= kSlotCount) {
        return {};
    }
    return BytesAt(slots_[static_cast<std::size_t>(type)]);
}

std::uint32_t TyrosRegistration::GroupMask() const {
    std::uint32_t mask = 0;
    for (int group = 0; group < kGroupCount; ++group) {
        const SettingGroup& types = kGroups[static_cast<std::size_t>(group)];
        for (int type = types.first; type <= types.last; ++type) {
            if (Has(type)) {
                mask |= 1u << group;
            }
        }
    }
    return mask;
}

std::string TyrosRegistration::Name() const {
    const auto block = BlockOf(type::kName);
    if (block.empty()) {
        return "--- no reg ---";
    }
    std::string name = TextFrom(block, kPayloadStart);
    const auto end = name.find_last_not_of(' ');
    name.resize(end == std::string::npos ? 0 : end + 1);
    if (name.size() > kIconSuffixSize && name[name.size() - 5] == '.' && name[name.size() - 4] == 'S') {
        name.resize(name.size() - kIconSuffixSize);
    }
    return name;
}

std::string TyrosRegistration::IconCode() const {
    const auto block = BlockOf(type::kName);
    if (!EndsInIconCode(block)) {
        return std::string();
    }
    return std::string(block.end() - 3, block.end());
}

bool TyrosRegistration::ReplaceBlock(int type, const Block& block) {
    SlotViews views = Views();
    views[static_cast<std::size_t>(type)] = block;
    if (!FitsOneBlock(PayloadOf(views))) {
        return false;
    }
    Assemble(views);
    return true;
}

bool TyrosRegistration::Rename(const std::string& newName) {
    const auto old = BlockOf(type::kName);
    if (empty_ || old.empty()) {
        return false;
    }
    const std::string icon = IconCode();
    std::string payload = newName.substr(0, kNameWidth);
    payload.resize(kNameWidth, ' ');
    if (!icon.empty()) {
        payload += ".S" + icon;
    }
    ByteWriter block;
    for (std::size_t i = 0; i < kIdSize; ++i) {
        block.U8(old[i]);
    }
    block.U16(static_cast<std::uint16_t>(payload.size()));
    block.FixedText(payload, payload.size());
    return ReplaceBlock(type::kName, block.Take());
}

bool TyrosRegistration::SetIconCode(const std::string& code) {
    const auto old = BlockOf(type::kName);
    if (empty_ || old.empty()) {
        return false;
    }
    Block block(old.begin(), old.end());
    const std::string icon = Fixed3(code);
    if (EndsInIconCode(old)) {
        std::copy(icon.begin(), icon.end(), block.end() - 3);
    } else {
        const std::size_t payload = block.size() - kHeadSize + kIconSuffixSize;
        if (!FitsOneBlock(payload)) {
            return false;
        }
        const std::string suffix = ".S" + icon;
        block.insert(block.end(), suffix.begin(), suffix.end());
        block[4] = static_cast<std::uint8_t>(payload >> 8);
        block[5] = static_cast<std::uint8_t>(payload);
    }
    return ReplaceBlock(type::kName, block);
}

std::string TyrosRegistration::SongName() const { return TextFrom(BlockOf(type::kSongName), kTextAfterLength); }

int TyrosRegistration::Tempo() const {
    const auto block = BlockOf(type::kTempo);
    return ByteReader::Has(block, kTempoAt, 2) ? ByteReader::U16At(block, kTempoAt) : -1;
}

std::string TyrosRegistration::PartOn(VoicePart part) const { return OnOff(BlockOf(VoiceType(part))); }

std::string TyrosRegistration::HarmonyOn() const { return OnOff(BlockOf(type::kHarmony)); }

std::string TyrosRegistration::HarmonyType() const {
    return TyrosSettingNames::HarmonyType(BlockOf(type::kHarmony));
}

std::string TyrosRegistration::StyleName() const {
    return TyrosSettingNames::Style(BlockOf(type::kStyleNumber), BlockOf(type::kStylePath));
}

std::string TyrosRegistration::MultipadName() const {
    return TyrosSettingNames::Multipad(BlockOf(type::kMultipadNumber), BlockOf(type::kMultipadPath));
}

const std::string& TyrosRegistration::VoiceName(VoicePart part) const { return voiceNames_[PartIndex(part)]; }

bool TyrosRegistration::VoiceKeyOf(VoicePart part, VoiceKey& key) const {
    const auto block = BlockOf(VoiceType(part));
    if (!ByteReader::Has(block, kVoiceProgramAt, 1)) {
        return false;  // absent, or too short to hold a voice
    }
    key = {block[kVoiceMsbAt], block[kVoiceLsbAt], block[kVoiceProgramAt]};
    return true;
}

void TyrosRegistration::WorkOutVoiceNames(UserInterface& ui, const VoiceList* voices) { NameVoices(&ui, voices); }

void TyrosRegistration::RefreshVoiceNames(const VoiceList* voices) { NameVoices(nullptr, voices); }

void TyrosRegistration::NameVoices(UserInterface* ui, const VoiceList* voices) {
    for (VoicePart part : kVoiceParts) {
        std::string& name = voiceNames_[PartIndex(part)];
        name = kNoVoice;
        VoiceKey key{};
        if (!VoiceKeyOf(part, key)) {
            continue;
        }
        bool found = false;
        name = TyrosVoiceNaming::Name(voices, key.program, key.lsb, key.msb, found);
        if (found) {
            continue;
        }
        if (ui != nullptr) {
            WarnAboutVoice(part, key, *ui);
        }
        if (key.msb == 0 && key.lsb != 0) {
            name = TyrosVoiceNaming::XgFallbackName(voices, key.program);
        }
    }
    quiet_ = true;
}

void TyrosRegistration::WarnAboutVoice(VoicePart part, const VoiceKey& key, UserInterface& ui) {
    bool& shown = warnShown_[PartIndex(part)];
    if (shown) {
        return;
    }
    shown = true;
    // The name is put in front of the formatted text, so a '%' in it stays a '%'.
    // The name is instrument text, the file name (origin) already UTF-8.
    std::string text = Cp1252::ToUtf8(Name() + TyrosVoiceNaming::WarningText(part, key.msb, key.lsb, key.program));
    if (!origin_.empty()) {
        text = "In " + origin_ + ":\n" + text;
    }
    if (!ui.AskYesNo(text, TyrosVoiceNaming::kWarningTitle)) {
        warnShown_.fill(true);
        stopWarnings_ = true;
    }
}

bool TyrosRegistration::IsRevoiceCandidate(VoicePart part, const VoiceList* voices) const {
    VoiceKey key{};
    return VoiceKeyOf(part, key) && key.msb == 0 && key.lsb != 0 &&
           !TyrosVoiceNaming::IsKnown(voices, key.program, key.lsb, key.msb);
}

int TyrosRegistration::RevoiceCandidates(const VoiceList* voices) const {
    int candidates = 0;
    for (VoicePart part : kVoiceParts) {
        candidates += IsRevoiceCandidate(part, voices) ? 1 : 0;
    }
    return candidates;
}

int TyrosRegistration::RevoiceParts(const VoiceList* voices) {
    int changed = 0;
    for (VoicePart part : kVoiceParts) {
        if (!IsRevoiceCandidate(part, voices)) {
            continue;
        }
        data_[slots_[static_cast<std::size_t>(VoiceType(part))].offset + kVoiceLsbAt] = 0;
        ++changed;
    }
    return changed;
}

int TyrosRegistration::UnknownVoiceCount(const VoiceList* voices) const {
    int unknown = 0;
    for (VoicePart part : kVoiceParts) {
        VoiceKey key{};
        if (VoiceKeyOf(part, key) && !TyrosVoiceNaming::IsKnown(voices, key.program, key.lsb, key.msb)) {
            ++unknown;
        }
    }
    return unknown;
}

std::vector<BankSelectKey> TyrosRegistration::VoiceKeys() const {
    std::vector<BankSelectKey> keys;
    for (VoicePart part : kVoiceParts) {
        VoiceKey key{};
        if (!IsEmpty() && VoiceKeyOf(part, key)) {
            keys.push_back({key.msb, key.lsb, key.program});
        }
    }
    return keys;
}

bool TyrosRegistration::ApplyCopy(const TyrosCopyRecord& record, UserInterface& ui, bool askAboutVoices,
                                  const VoiceList* voices) {
    SlotViews views = Views();
    for (int type = 1; type < kSlotCount; ++type) {
        Bytes& view = views[static_cast<std::size_t>(type)];
        if (record.Carries(type)) {
            view = record.BytesOf(type);
        } else if (record.Clears(type)) {
            view = {};
        }
    }
    if (!FitsOneBlock(PayloadOf(views))) {
        return false;
    }
    Assemble(views);
    empty_ = false;
    NameVoices(askAboutVoices ? &ui : nullptr, voices);
    return true;
}

}  // namespace kalivo
