#pragma once
// A test-only model handler with an in-memory store. It behaves like a small
// model (registration names only) and records the calls the window makes, so
// the main window logic can be tested without any file format.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "handlers/FixedGeometryHandler.h"
#include "handlers/TyrosExtras.h"

namespace kalivo::test {

struct MemoryBank {
    std::string name;
    std::vector<std::optional<std::string>> registrations;  // empty optional = empty slot
    std::string sequence;
    int sequenceEnd = 0;
    std::string icon;
    std::vector<int> voicesToRevoice;  // per slot, what RevoiceToDefault reports
};

class MemoryHandler : public ModelHandler, public TyrosExtras {
public:
    MemoryHandler(UserInterface& ui, const ListGeometry& geometry);

    // Test set-up and inspection.
    std::vector<std::optional<MemoryBank>> banks;  // empty optional = bank not in use
    bool voiceTableComplete = true;
    std::vector<std::string> archives;             // what ListArchives finds
    std::map<std::string, std::vector<MemoryBank>> archiveContents;
    std::deque<Status> loadResults;   // statuses of the next loads (done when empty)
    std::deque<Status> storeResults;  // statuses of the next stores (done when empty)
    std::string storeNote;         // what LastStoreNote reports
    std::string storedName;        // what LastStoredName reports
    std::vector<std::string> regfiles;
    std::vector<BankSelectKey> voiceKeys;  // what VoiceKeys reports
    const VoiceList* VoiceListGiven() const { return voiceList(); }
    Status loadRegfilesResult = Status::kDone;
    Status protocolResult = Status::kDone;
    Status groupCopyResult = Status::kDone;  // what a group copy of a used registration answers
    bool optionsValid = true;
    bool noStyleOptions = false;  // what HasNoStyleOptions reports
    std::vector<std::string> calls;  // one line per recorded call
    std::string archiveName;
    bool storeCancelled = false;
    IconSettings icons;
    int lastSourceBanks = 0;  // bank count given to ClearDestination

    MemoryBank& AddBank(const std::string& name, const std::vector<std::optional<std::string>>& registrations);
    bool Called(const std::string& prefix) const;

    bool HasBankHeaders() override;
    int SourceBankCount() override;
    int DestinationBankCount() override;
    int RegistrationsPerBank() override;
    void CreateStore() override;
    void ReleaseStore() override;
    std::vector<BankSelectKey> VoiceKeys() override { return voiceKeys; }
    Status LoadSourceArchive(const std::string& folder, const std::string& archive) override;
    Status LoadDestinationArchive(const std::string& folder, const std::string& archive) override;
    Status LoadStyleArchive(const std::string& folder, const std::string& archive) override;
    Status ClearSource() override;
    Status ClearDestination(int bankCount) override;
    Status DeleteRegistration(int bank, int slot) override;
    Status StoreArchive(const std::string& archive, const std::string& folder, int bankPosition) override;
    Status ListArchives(const std::string& folder, StringList& names) override;
    Status ListBanks(StringList& names) override;
    std::string GetBankIcon(int bank) override;
    std::string GetRegistrationIcon(int bank, int slot) override;
    Status LoadRegfiles(const std::string& folder) override;
    Status ListRegfiles(StringList& names) override;
    Status CreateRegfiles(const std::string& folder) override;
    std::string GetArchiveName() override;
    void SetArchiveName(const std::string& name) override;
    void SetBankName(int bank, const std::string& name) override;
    void SetBankSequence(int bank, const std::string& digits, int sequenceEnd) override;
    void SetBankIcon(int bank, const std::string& iconCode) override;
    void SetRegistrationIcon(int bank, int slot, const std::string& iconCode) override;
    Status GetUsedSlots(int bank, std::string& slots) override;
    Status GetBankName(int bank, std::string& name) override;
    Status GetBankSequence(int bank, std::string& digits, int& sequenceEnd) override;
    Status GetRegistrationName(int bank, int slot, std::string& name) override;
    Status RenameRegistration(int bank, int slot, const std::string& name) override;
    Status CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) override;
    Status CopyBankSequence(int dstBank, ModelHandler* source, int srcBank) override;
    Status ResetBankSequence(int bank) override;
    Status GroupCopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) override;
    Status CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) override;
    Status GroupCopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) override;
    Status WriteProtocol(const std::string& path) override;
    Status WriteRegfileProtocol(const std::string& path) override;
    Status ShowRegistration(int regfile, int bank, int slot) override;
    bool SetStyleArchiveOptions(bool ask, bool useDefault, const std::string& path, bool implicit) override;
    bool HasNoStyleOptions() override { return noStyleOptions; }

    int RevoiceToDefault(int bank, int slot) override;
    int CountRevoiceToDefault(int bank, int slot) override;
    bool VoiceTableComplete() const override { return voiceTableComplete; }
    void ReportUnknownVoices() override;
    void ClearStoreCancelled() override;
    void SetIconSettings(const IconSettings& settings) override;

    std::string LastStoreNote() const override { return storeNote; }
    std::string LastStoredName() const override { return storedName; }
    std::shared_ptr<const HandlerSnapshot> SaveDestinationState() const override;
    void RestoreDestinationState(const HandlerSnapshot& snapshot) override;
    bool snapshots = true;  // false: a handler without undo

private:
    MemoryBank* Bank(int bank);
    MemoryBank& EnsureBank(int bank);
    std::optional<std::string>* Slot(int bank, int slot);
    void Record(const std::string& call) { calls.push_back(call); }
    Status NextLoadResult();

    ListGeometry geometry_;
};

}  // namespace kalivo::test
