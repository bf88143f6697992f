#pragma once
// The CVP2 Series and PSR-2000 handlers: up to ten banks of eight
// registrations loaded from bank files on the source side, one bank on the
// destination side, and a list of regfiles. The two models differ only in
// their Cvp2Model.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "handlers/FixedGeometryHandler.h"
#include "handlers/ListedBankFiles.h"
#include "handlers/cvp2_psr2000/Cvp2Bank.h"
#include "handlers/cvp2_psr2000/Cvp2Model.h"
#include "handlers/cvp2_psr2000/Cvp2Naming.h"

namespace kalivo {

struct Cvp2RegfileEntry {
    std::string name;  // file name without extension, as Windows-1252 text
    Cvp2Registration registration;
};

class Cvp2FamilyHandler : public FixedGeometryHandler {
public:
    Cvp2FamilyHandler(UserInterface& ui, const Cvp2Model& model);

    void CreateStore() override;
    void ReleaseStore() override;
    Status LoadSourceArchive(const std::string& folder, const std::string& archive) override;
    Status LoadDestinationArchive(const std::string& folder, const std::string& archive) override;
    Status ClearSource() override;
    Status ClearDestination(int bankCount) override;
    Status DeleteRegistration(int bank, int slot) override;
    Status StoreArchive(const std::string& archive, const std::string& folder, int bankPosition) override;
    Status ListArchives(const std::string& folder, StringList& names) override;
    Status LoadRegfiles(const std::string& folder) override;
    Status ListRegfiles(StringList& names) override;
    Status CreateRegfiles(const std::string& folder) override;
    std::string GetArchiveName() override;
    void SetArchiveName(const std::string& name) override;
    void SetBankName(int bank, const std::string& name) override;
    int SourceBankCount() override;
    Status GetBankName(int bank, std::string& name) override;
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
    // Voice 1 is the Left part, 2 Main, 3 Layer.
    Status GetVoiceName1(int bank, int slot, std::string& name);
    Status GetVoiceName2(int bank, int slot, std::string& name);
    Status GetVoiceName3(int bank, int slot, std::string& name);
    Status GetRegfileVoiceName1(int regfile, std::string& name);
    Status GetRegfileVoiceName2(int regfile, std::string& name);
    Status GetRegfileVoiceName3(int regfile, std::string& name);
    Status CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) override;
    Status GroupCopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) override;
    Status CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) override;
    Status GroupCopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) override;
    Status WriteProtocol(const std::string& path) override;
    Status WriteRegfileProtocol(const std::string& path) override;
    Status ShowRegistration(int regfile, int bank, int slot) override;
    bool SetStyleArchiveOptions(bool askForStyleArchive, bool useDefaultArchive,
                                const std::string& defaultArchivePath, bool implicitSearch) override;
    bool HasNoStyleOptions() override;
    Status DescribeSettingBlocks(int regfile, int bank, int slot, std::array<std::string, 11>& texts);
    Status CopySettingBlock(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot, int srcRegfile,
                         const std::vector<bool>& selection);
    std::shared_ptr<const HandlerSnapshot> SaveDestinationState() const override;
    void RestoreDestinationState(const HandlerSnapshot& snapshot) override;
    std::string LastStoredName() const override;

    // The Settings column of the protocols: of regfile entry regfile when it
    // is not negative, else of the bank registration.
    virtual Status GetSettingsAbbreviation(int regfile, int bank, int slot, std::string& text);

    // Read access for this model's protocol.
    const Cvp2Model& Model() const { return model_; }
    const Cvp2Bank* Bank(int bank) const;  // nullptr when outside the table or not in use
    const Cvp2Registration* Registration(int bank, int slot) const;
    const Cvp2RegfileEntry* Entry(int regfile) const;
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    std::string VoiceName(const Cvp2Registration& registration, int gp) const;
    std::vector<BankSelectKey> VoiceKeys() override;

private:
    Status WriteProtocolFile(const std::string& path, const std::string& text);
    Cvp2Bank* MutableBank(int bank);
    std::optional<Cvp2Registration>* Slot(int bank, int slot);
    // The registration at (bank, slot), or 8 (bank not in use) / 9 (slot empty).
    Status Find(int bank, int slot, const Cvp2Registration*& registration) const;
    const Cvp2Registration* SettingsSource(int regfile, int bank, int slot) const;
    Cvp2FamilyHandler* SameModel(ModelHandler* source) const;

    Status ReadBankFile(Cvp2Bank& bank, const std::string& folder, const std::string& archive);
    void ApplyNames(const Cvp2Names& names);
    // Shows the Copy GP-Block dialog and copies what it returns.
    Status GroupCopy(int dstBank, int dstSlot, Cvp2FamilyHandler& source, int srcBank, int srcSlot, int srcRegfile);
    Status PutRegistration(int dstBank, int dstSlot, const Cvp2Registration& registration);

    const Cvp2Model& model_;
    std::array<Cvp2Bank, s917::kMaxBanks> banks_;
    std::vector<Cvp2RegfileEntry> entries_;
    std::string archiveName_;
    std::string storedName_;  // as the last store wrote it
    int bankCount_ = 0;
    // The bank files of the folder last listed, by the name the list shows.
    ListedBankFiles listedBanks_;
};

}  // namespace kalivo
