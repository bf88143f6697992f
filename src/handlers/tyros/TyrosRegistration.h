#pragma once
// One Tyros registration: the setting blocks of one registration block, kept
// as the bytes read so that everything this program does not understand goes
// back to the file unchanged, and the readers that give its settings names.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/voices/VoiceList.h"
#include "handlers/tyros/TyrosFormat.h"
#include "ui/UserInterface.h"

namespace kalivo {

class ByteWriter;
class TyrosCopyRecord;

struct TyrosParseOptions {
    // The setting blocks run to the end of the bytes given, whatever the
    // head says (a regfile holds one registration up to its end).
    bool toEnd = false;
    // False while the voice table is known to be incomplete: unknown
    // voices are then counted by the caller instead of asked about.
    bool askAboutVoices = true;
    // The file the registration comes from, named in a voice question.
    std::string origin;
    // Names read at run time, shown over the built-in table; nullptr: the table alone.
    const VoiceList* voices = nullptr;
};

class TyrosRegistration {
public:
    using Block = std::vector<std::uint8_t>;

    using ParseOptions = TyrosParseOptions;

    // Empty, with the voice warnings not yet shown.
    TyrosRegistration();

    // Builds the registration from one registration block. quiet or
    // stopWarnings keep the voice warnings away; a No to a warning sets
    // StopWarnings(). A block that does not hold a whole registration leaves
    // the registration empty; the message for it is returned ("" when none).
    std::string Parse(std::span<const std::uint8_t> block, bool quiet, bool stopWarnings, UserInterface& ui,
                      const ParseOptions& options = {});
    void MakeEmpty();
    // MakeEmpty, but only on a registration that holds something; the warning
    // flags stay as they are.
    void Clear();

    // The registration block: head with the length of what follows, then the
    // setting blocks of types 1..47 in type order, then those of later types
    // in the order read. Type 0 is not written.
    void Serialize(ByteWriter& out) const;
    std::vector<std::uint8_t> Serialize() const;
    std::size_t SerializedSize() const;

    bool IsEmpty() const { return empty_; }
    bool Has(int type) const;
    // The whole setting block (head included); empty when absent.
    std::span<const std::uint8_t> BlockOf(int type) const;
    std::uint32_t GroupMask() const;

    // Name and icon code live in the type-1 block.
    std::string Name() const;
    std::string IconCode() const;
    // Both return false when the registration has no name block or the
    // result would not fit a registration block.
    bool Rename(const std::string& newName);
    bool SetIconCode(const std::string& code);

    // Setting readers; absent or too short blocks give the placeholders.
    std::string SongName() const;
    int Tempo() const;
    std::string PartOn(tyros::VoicePart part) const;
    std::string HarmonyOn() const;
    std::string HarmonyType() const;
    std::string StyleName() const;
    std::string MultipadName() const;
    const std::string& VoiceName(tyros::VoicePart part) const;

    // Works the four voice names out again; unknown voices are warned about
    // through ui (once per part) unless this registration is silenced.
    void WorkOutVoiceNames(UserInterface& ui, const VoiceList* voices = nullptr);
    // The same without any warning, after this program changed the voices.
    void RefreshVoiceNames(const VoiceList* voices = nullptr);
    // Unknown voices of the XG banks (MSB 0, LSB not 0) are moved to LSB 0;
    // returns the number of parts changed.
    int RevoiceParts(const VoiceList* voices = nullptr);
    // The number of parts RevoiceParts would change.
    int RevoiceCandidates(const VoiceList* voices = nullptr) const;
    // Takes over the blocks of a copy record; false (nothing changed) when
    // the result would not fit a registration block.
    bool ApplyCopy(const TyrosCopyRecord& record, UserInterface& ui, bool askAboutVoices = true,
                   const VoiceList* voices = nullptr);
    // The voice parts present whose voice the table does not know.
    int UnknownVoiceCount(const VoiceList* voices = nullptr) const;
    // Bank select and program of each voice part present.
    std::vector<BankSelectKey> VoiceKeys() const;

    bool Quiet() const { return quiet_; }
    bool StopWarnings() const { return stopWarnings_; }

private:
    struct VoiceKey {
        int msb, lsb, program;
    };

    // Where a setting block lies in data_; size 0 = absent.
    struct Extent {
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };
    using Bytes = std::span<const std::uint8_t>;
    using SlotViews = std::array<Bytes, tyros::kSlotCount>;

    static bool FitsOneBlock(std::size_t payloadSize) { return payloadSize <= tyros::kMaxPayload; }
    Bytes BytesAt(Extent extent) const { return Bytes(data_).subspan(extent.offset, extent.size); }
    SlotViews Views() const;
    std::size_t PayloadOf(const SlotViews& views) const;
    std::size_t PayloadSize() const { return PayloadOf(Views()); }
    // Makes views (which may point into data_) the registration's blocks.
    void Assemble(const SlotViews& views);
    bool ReplaceBlock(int type, const Block& block);
    bool VoiceKeyOf(tyros::VoicePart part, VoiceKey& key) const;
    bool IsRevoiceCandidate(tyros::VoicePart part, const VoiceList* voices) const;
    void NameVoices(UserInterface* ui, const VoiceList* voices);
    void WarnAboutVoice(tyros::VoicePart part, const VoiceKey& key, UserInterface& ui);
    bool ParseSettingBlocks(Bytes settings);

    bool empty_ = true;
    // All setting blocks in one buffer, so a registration costs one allocation.
    std::vector<std::uint8_t> data_;
    std::array<Extent, tyros::kSlotCount> slots_{};
    std::vector<Extent> laterTypes_;  // types 48 and above, in the order read
    std::array<std::string, 4> voiceNames_;
    std::array<bool, 4> warnShown_{};
    bool quiet_ = false;
    bool stopWarnings_ = false;
    std::string origin_;  // only while a parse works out the voice names
};

}  // namespace kalivo
