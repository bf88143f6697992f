#pragma once
// The Tyros model: up to 512 banks of eight registrations filled from the
// instrument's bank files, and a list of single registrations from regfiles.
#include <string>
#include <vector>

#include "handlers/ListedBankFiles.h"
#include "handlers/ModelHandler.h"
#include "handlers/TyrosExtras.h"
#include "handlers/tyros/TyrosBank.h"
#include "handlers/tyros/TyrosRegfileEntry.h"

namespace kalivo {

class TextFileWriter;

class TyrosHandler : public ModelHandler, public TyrosExtras {
public:
    explicit TyrosHandler(UserInterface& ui);

    void CreateStore() override;
    void ReleaseStore() override;
    bool HasBankHeaders() override;
    Status LoadSourceArchive(const std::string& folder, const std::string& archive) override;
    Status LoadDestinationArchive(const std::string& folder, const std::string& archive) override;
    Status ClearSource() override;
    Status ClearDestination(int bankCount) override;
    Status DeleteRegistration(int bank, int slot) override;
    Status StoreArchive(const std::string& archive, const std::string& folder, int bankPosition) override;
    Status ListArchives(const std::string& folder, StringList& names) override;
    Status ListBanks(StringList& names) override;
    std::string GetBankIcon(int bank) override;
    std::string GetRegistrationIcon(int bank, int slot) override;
    std::string GetRegfileIcon(int regfile);
    Status LoadRegfiles(const std::string& folder) override;
    Status ListRegfiles(StringList& names) override;
    Status CreateRegfiles(const std::string& folder) override;
    std::string GetArchiveName() override;
    void SetArchiveName(const std::string& name) override;
    void SetBankName(int bank, const std::string& name) override;
    void SetBankSequence(int bank, const std::string& digits, int sequenceEnd) override;
    void SetBankIcon(int bank, const std::string& iconCode) override;
    void SetRegistrationIcon(int bank, int slot, const std::string& iconCode) override;
    int SourceBankCount() override;
    int DestinationBankCount() override;
    int RegistrationsPerBank() override;
    Status GetUsedSlots(int bank, std::string& slots) override;
    Status GetBankName(int bank, std::string& name) override;
    Status GetBankSequence(int bank, std::string& digits, int& sequenceEnd) override;
    Status GetRegistrationName(int bank, int slot, std::string& name) override;
    Status GetRegfileName(int regfile, std::string& name) override;
    RegistrationContent ContentOf(const RegistrationRef& at) override;
    Status RenameRegistration(int bank, int slot, const std::string& name) override;
    Status GetStyleName(int bank, int slot, std::string& name, int form);
    Status GetMultiPadName(int bank, int slot, std::string& name);
    Status GetRegfileMultiPadName(int regfile, std::string& name);
    Status GetRegfileStyleName(int regfile, std::string& name);
    Status GetTempo(int bank, int slot, int& tempo);
    Status GetRegfileTempo(int regfile, int& tempo);
    // Voice 1 is the Left part, 2 Right1, 3 Right2; Right3 has its own call.
    Status GetVoiceName1(int bank, int slot, std::string& name);
    Status GetVoiceName2(int bank, int slot, std::string& name);
    Status GetVoiceName3(int bank, int slot, std::string& name);
    Status GetRegfileVoiceName1(int regfile, std::string& name);
    Status GetRegfileVoiceName2(int regfile, std::string& name);
    Status GetRegfileVoiceName3(int regfile, std::string& name);
    Status CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) override;
    Status CopyBankSequence(int dstBank, ModelHandler* source, int srcBank) override;
    Status ResetBankSequence(int bank) override;
    Status GroupCopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) override;
    Status CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) override;
    Status GroupCopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) override;
    Status WriteProtocol(const std::string& path) override;
    Status WriteRegfileProtocol(const std::string& path) override;
    Status ShowRegistration(int regfile, int bank, int slot) override;
    bool SetStyleArchiveOptions(bool askForStyleArchive, bool useDefaultArchive,
                                const std::string& defaultArchivePath, bool implicitSearch) override;
    bool HasNoStyleOptions() override;
    Status CopySettingBlock(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot, int srcRegfile,
                         const std::vector<bool>& selection);
    std::shared_ptr<const HandlerSnapshot> SaveDestinationState() const override;
    void RestoreDestinationState(const HandlerSnapshot& snapshot) override;

    // The Settings column of the protocols: of regfile entry regfile when it
    // is not -1, else of the bank registration.
    virtual Status GetSettingsText(int regfile, int bank, int slot, std::string& text);

    int RevoiceToDefault(int bank, int slot) override;
    int CountRevoiceToDefault(int bank, int slot) override;
    bool VoiceTableComplete() const override { return voiceTableComplete_; }
    void ReportUnknownVoices() override;
    // Shows the list's names at once, and counts the table as complete when
    // the list and the built-in rows together name all the instrument's voices.
    void SetVoiceList(std::shared_ptr<const VoiceList> list) override;
    std::vector<BankSelectKey> VoiceKeys() override;
    // The table's data file decides; tests try both ways.
    void SetVoiceTableComplete(bool complete) { voiceTableComplete_ = complete; }
    void ClearStoreCancelled() override;
    void SetIconSettings(const IconSettings& icons) override;

    // Read access for this model's protocol and views. A bank outside 0..511
    // or not in use gives nullptr, as does a part outside 0..7 or a regfile
    // index outside the list.
    const TyrosBank* Bank(int bank) const;
    const TyrosRegistration* Registration(int bank, int slot) const;
    const TyrosRegfileEntry* Entry(int regfile) const;
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    // The registration at (bank, slot), or the status that stops a query: 8
    // (bank not in use) or 9 (no registration there).
    Status Find(int bank, int slot, const TyrosRegistration*& registration) const;
    // What a query about a missing registration answers with.
    static const TyrosRegistration& NoRegistration();

private:
    TyrosBank* MutableBank(int bank);
    TyrosRegistration* MutableRegistration(int bank, int slot);
    // The registration at (bank, slot), or an empty one when there is none.
    const TyrosRegistration& AnyRegistration(int bank, int slot) const;
    // Regfile entry regfile when that is not -1, else the bank registration.
    const TyrosRegistration& SettingsSource(int bank, int slot, int regfile) const;
    // The entry's registration, or an empty one for an index outside the list.
    const TyrosRegistration& EntryRegistration(int regfile) const;
    static TyrosHandler* SameModel(ModelHandler* source);

    Status LoadArchiveInto(int& counter, const std::string& folder, const std::string& archive);
    Status ReadBankFile(int bank, const std::string& folder, const std::string& archive);
    bool AnyBankInUse() const;
    // What a load passes to the parse, and what it counts afterwards.
    TyrosRegistration::ParseOptions LoadOptions(const std::string& origin) const;
    void RefreshAllVoiceNames();
    void CountUnknownVoices(const TyrosRegistration& registration);
    void ResetAllBanks();
    void ClearEntries();
    void StartStoreRun();

    // Puts a copy of a registration into (dstBank, dstSlot) as ">>" does.
    Status PutCopy(int dstBank, int dstSlot, const TyrosRegistration& source);
    void MarkCopiedInto(int dstBank);
    // Asks which settings to copy from the source's bank registration, or
    // from its regfile entry when srcRegfile is not -1, and copies them.
    Status GroupCopy(int dstBank, int dstSlot, TyrosHandler& source, int srcBank, int srcSlot, int srcRegfile);
    bool WasStoredThisRun(const std::string& path) const;
    // True when a listed bank would be stored under this file name, or a file
    // of this run was written under it: such a file is no old file to delete.
    bool IsClaimed(const std::string& folder, const std::string& fileName) const;
    static std::string BankFileOf(const TyrosBank& bank);
    Status CommitProtocol(TextFileWriter& writer, const std::string& path);
    Status AskToReplace(const std::string& path);

    std::vector<TyrosBank> banks_;
    std::vector<TyrosRegfileEntry> entries_;
    int loadedBankCount_ = 0;
    int bankCount_ = 0;
    std::vector<int> listToBank_;
    bool askBeforeReplace_ = true;
    bool storeCancelled_ = false;
    bool warningCarry_ = false;
    bool voiceTableComplete_;
    // Unknown voice settings and the registrations holding them, counted by
    // loads since the last ReportUnknownVoices.
    int unknownVoiceSettings_ = 0;
    int unknownVoiceRegistrations_ = 0;
    // Files written since the last bank list was made for storing: a later
    // bank of the same name must not replace them.
    std::vector<std::string> storedThisRun_;
    bool leftoversRemoved_ = false;
    // The bank files of the folder last listed, by title: a load of many banks
    // then reads each under its listed name without listing the folder again.
    ListedBankFiles listedBanks_;
    IconSettings icons_;
};

}  // namespace kalivo
