#pragma once
// The PSR-740 and PSR-8000 handler: a bank memory loaded from and stored to
// an instrument disk, and a list of regfiles. The two models differ only in
// their Psr740Model.
#include <string>

#include "handlers/FixedGeometryHandler.h"
#include "handlers/psr740_8000/Psr740BankMemory.h"
#include "handlers/psr740_8000/Psr740CustomStyles.h"
#include "handlers/psr740_8000/Psr740Regfiles.h"
#include "handlers/psr740_8000/Psr740StyleEntry.h"

namespace kalivo {

class Psr740FamilyHandler : public FixedGeometryHandler {
public:
    Psr740FamilyHandler(UserInterface& ui, const Psr740Model& model);

    Status IsRegistrationEmpty(int bank, int slot, bool& empty);
    void CreateStore() override;
    void ReleaseStore() override;
    Status LoadSourceArchive(const std::string& folder, const std::string& archive) override;
    Status LoadDestinationArchive(const std::string& folder, const std::string& archive) override;
    Status LoadStyleArchive(const std::string& folder, const std::string& styleArchive) override;
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
    Status GetRegistrationName(int bank, int slot, std::string& name) override;
    Status GetRegfileName(int regfile, std::string& name) override;
    RegistrationContent ContentOf(const RegistrationRef& at) override;
    Status RenameRegistration(int bank, int slot, const std::string& name) override;
    Status GetStyleName(int bank, int slot, std::string& name, int form);
    Status GetRegfileStyleName(int regfile, std::string& name);
    Status GetTempo(int bank, int slot, int& tempo);
    Status GetRegfileTempo(int regfile, int& tempo);
    Status GetVoiceName1(int bank, int slot, std::string& name);
    std::vector<BankSelectKey> VoiceKeys() override;
    Status GetVoiceName2(int bank, int slot, std::string& name);
    Status GetVoiceName3(int bank, int slot, std::string& name);
    Status GetVoiceName4(int bank, int slot, std::string& name);
    Status GetRegfileVoiceName1(int regfile, std::string& name);
    Status GetRegfileVoiceName2(int regfile, std::string& name);
    Status GetRegfileVoiceName3(int regfile, std::string& name);
    Status GetRegfileVoiceName4(int regfile, std::string& name);
    Status CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) override;
    Status CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) override;
    Status WriteProtocol(const std::string& path) override;
    Status WriteRegfileProtocol(const std::string& path) override;
    Status ShowRegistration(int regfile, int bank, int slot) override;
    bool SetStyleArchiveOptions(bool askForStyleArchive, bool useDefaultArchive,
                                const std::string& defaultArchivePath, bool implicitSearch) override;
    std::shared_ptr<const HandlerSnapshot> SaveDestinationState() const override;
    void RestoreDestinationState(const HandlerSnapshot& snapshot) override;
    std::string LastStoredName() const override;

    // Read access for the protocols and tests.
    const Psr740Model& Model() const { return model_; }
    const Psr740BankMemory& Memory() const { return memory_; }
    const Psr740Regfiles& Regfiles() const { return regfiles_; }

private:
    void New();
    Status LoadArchive(const std::string& folder, const std::string& archive);
    // 0 with a registration to read, or 8 / 9.
    Status Find(int bank, int slot) const;
    Status VoiceName(int bank, int slot, int part, std::string& name);
    Status RegfileVoiceName(int regfile, int part, std::string& name);
    Psr740FamilyHandler* SameModel(ModelHandler* source) const;
    // The record bytes from copyFrom on go into the slot, with the bank title rule.
    void PutCopy(int dstBank, int dstSlot, std::span<const std::uint8_t> record);
    // A registration of from came in: the memory still holds one set's
    // registrations only while every copy comes from that set.
    void TakeOrigin(const Psr740FamilyHandler* from);

    // Where the registrations came from: nothing yet (New), one stored set,
    // or more than one place. Only one set's style entry goes with a store.
    enum class Origin { Fresh, OneSet, Mixed };

    const Psr740Model& model_;
    Psr740BankMemory memory_;
    Psr740Regfiles regfiles_;
    Psr740CustomStyles customStyles_;
    std::string archiveName_;
    std::string storedName_;  // as the last store wrote it
    Origin origin_ = Origin::Fresh;
    std::string originSet_;      // folder and name of that one set
    Psr740StyleEntry styleEntry_;   // its entry in its disk's STY.MNG
    bool askForStyleArchive_ = false;
    bool useDefaultArchive_ = false;
    bool implicitSearch_ = false;
    std::string defaultArchivePath_;
};

}  // namespace kalivo
