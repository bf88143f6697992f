#pragma once
// The PSR-9000 and the 9000Pro: one backup of 64 banks of eight registrations,
// user style names from a style backup, and single-registration regfiles.
// Both models run this code; their differences come in a Psr9000Model.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/fs/FolderListing.h"
#include "handlers/FixedGeometryHandler.h"
#include "handlers/psr9000/Psr9000BankTable.h"
#include "handlers/psr9000/Psr9000Model.h"
#include "handlers/psr9000/Psr9000RegfileEntry.h"
#include "handlers/psr9000/Psr9000StyleTable.h"
#include "handlers/psr9000/Psr9000UserStyles.h"

namespace kalivo {

class Psr9000FamilyHandler : public FixedGeometryHandler {
public:
    Psr9000FamilyHandler(UserInterface& ui, const Psr9000Model& model);

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
    void SetBankName(int bank, const std::string& name) override;
    Status GetBankName(int bank, std::string& name) override;
    Status GetRegistrationName(int bank, int slot, std::string& name) override;
    Status GetRegfileName(int regfile, std::string& name) override;
    RegistrationContent ContentOf(const RegistrationRef& at) override;
    Status RenameRegistration(int bank, int slot, const std::string& name) override;
    // form 1 writes a user style between asterisks.
    Status GetStyleName(int bank, int slot, std::string& name, int form);
    Status GetRegfileStyleName(int regfile, std::string& name);
    Status GetTempo(int bank, int slot, int& tempo);
    Status GetRegfileTempo(int regfile, int& tempo);
    // Voices 1..4 are the Left, R1, R2 and R3 parts.
    Status GetVoiceName1(int bank, int slot, std::string& name);
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
    bool SetStyleArchiveOptions(bool askForStyleArchive, bool useDefaultArchive, const std::string& defaultArchivePath,
                                bool implicitSearch) override;
    std::string LastStoreNote() const override;
    std::string LastStoredName() const override;
    std::vector<BankSelectKey> VoiceKeys() override;
    std::shared_ptr<const HandlerSnapshot> SaveDestinationState() const override;
    void RestoreDestinationState(const HandlerSnapshot& snapshot) override;

    const Psr9000Model& Model() const { return model_; }

private:
    const Psr9000Bank* UsedBank(int bank) const;
    // The record at (bank, slot), or the status that stops a query: 8 (bank
    // not in use) or 9 (no registration there).
    Status Find(int bank, int slot, const psr9000::Record*& record) const;
    const Psr9000RegfileEntry* Entry(int regfile) const;
    Status VoiceName(int bank, int slot, int part, std::string& name) const;
    Status RegfileVoiceName(int regfile, int part, std::string& name) const;
    std::string LookUpVoice(const psr9000::VoiceKey& key) const;
    // Puts a record, with where it came from, into a slot as ">>" does.
    void Put(int dstBank, int dstSlot, const Psr9000Slot& slot);
    // Whether the registration file at path may be read: refused with a
    // message when cut or over-long; a wrong checksum asks the person.
    bool AcceptBackup(const std::string& path, std::span<const std::uint8_t> bytes);
    // Keeps a valid style backup beside a loaded backup in origin; with
    // takeNames the user style names come from it, and one that cannot be
    // used is named.
    void ReadBesideStyleBackup(const FolderListing& folder, const std::string& archive, Psr9000BackupOrigin& origin,
                               bool takeNames);
    // Why archive cannot be loaded: the registration file looked for, and
    // whether the backup is one of the other model of the family.
    std::string MissingRegistrationFile(const FolderListing& folder, const std::string& archive) const;
    bool SearchDefaultStyleFolder(const std::string& path);

    const Psr9000Model& model_;
    std::unique_ptr<Psr9000BankTable> table_;
    std::string archiveName_;
    Psr9000UserStyles userStyles_;
    std::vector<Psr9000RegfileEntry> entries_;
    bool askForStyleArchive_ = false;
    bool implicitStyleSearch_ = false;
    std::string storeNote_;
    std::string storedName_;
};

}  // namespace kalivo
