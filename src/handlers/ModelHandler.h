#pragma once
// Everything that depends on the keyboard model sits behind this class. The
// main window only calls these operations and shows what they return. A model
// that does not support an operation keeps the default here, which does
// nothing and reports success.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/text/TextEncoding.h"
#include "common/voices/VoiceList.h"
#include "handlers/Outcome.h"
#include "handlers/RegistrationContent.h"
#include "ui/UserInterface.h"

namespace kalivo {

using StringList = std::vector<std::string>;

// A copy of everything a destination store holds, for undo and redo. Each
// family derives its own; only the handler that made it can read it.
struct HandlerSnapshot {
    virtual ~HandlerSnapshot() = default;
};

class ModelHandler {
public:
    ModelHandler(UserInterface& ui, std::string name);
    virtual ~ModelHandler() = default;
    ModelHandler(const ModelHandler&) = delete;
    ModelHandler& operator=(const ModelHandler&) = delete;

    virtual void CreateStore();
    virtual void ReleaseStore();
    virtual bool HasBankHeaders();
    virtual Status LoadSourceArchive(const std::string& folder, const std::string& archive);
    virtual Status LoadDestinationArchive(const std::string& folder, const std::string& archive);
    virtual Status LoadStyleArchive(const std::string& folder, const std::string& styleArchive);
    virtual Status ClearSource();
    virtual Status ClearDestination(int bankCount);
    virtual Status DeleteRegistration(int bank, int slot);
    // Note the order: archive name first, then the folder.
    virtual Status StoreArchive(const std::string& archive, const std::string& folder, int bankPosition);
    virtual Status ListArchives(const std::string& folder, StringList& names);
    virtual Status ListBanks(StringList& names);
    virtual std::string GetBankIcon(int bank);
    virtual std::string GetRegistrationIcon(int bank, int slot);
    virtual Status LoadRegfiles(const std::string& folder);
    virtual Status ListRegfiles(StringList& names);
    virtual Status CreateRegfiles(const std::string& folder);
    virtual std::string GetArchiveName();
    virtual void SetArchiveName(const std::string& name);
    virtual void SetBankName(int bank, const std::string& name);
    virtual void SetBankSequence(int bank, const std::string& digits, int sequenceEnd);
    virtual void SetBankIcon(int bank, const std::string& iconCode);
    virtual void SetRegistrationIcon(int bank, int slot, const std::string& iconCode);
    virtual int SourceBankCount();
    virtual int DestinationBankCount();
    virtual int RegistrationsPerBank();
    virtual Status GetUsedSlots(int bank, std::string& slots);
    virtual Status GetBankName(int bank, std::string& name);
    virtual Status GetBankSequence(int bank, std::string& digits, int& sequenceEnd);
    virtual Status GetRegistrationName(int bank, int slot, std::string& name);
    virtual Status GetRegfileName(int regfile, std::string& name);
    virtual Status RenameRegistration(int bank, int slot, const std::string& name);
    // Everything the registration shows, in one call.
    virtual RegistrationContent ContentOf(const RegistrationRef& at);
    virtual Status CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot);
    virtual Status CopyBankSequence(int dstBank, ModelHandler* source, int srcBank);
    virtual Status ResetBankSequence(int bank);
    virtual Status GroupCopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot);
    virtual Status CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile);
    virtual Status GroupCopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile);
    virtual Status WriteProtocol(const std::string& path);
    virtual Status WriteRegfileProtocol(const std::string& path);
    virtual Status ShowRegistration(int regfile, int bank, int slot);
    virtual bool SetStyleArchiveOptions(bool askForStyleArchive, bool useDefaultArchive,
                                        const std::string& defaultArchivePath, bool implicitSearch);
    virtual bool HasNoStyleOptions();
    // A remark on what the last successful StoreArchive wrote, for the status
    // line ("; ..."), or "" when there is nothing to add.
    virtual std::string LastStoreNote() const;
    // The file or folder name the last successful StoreArchive wrote, as the
    // disk spells it ("MY REGS 2004 LON.BUF"); "" when it is the archive name.
    virtual std::string LastStoredName() const;
    // Undo and redo of the destination side. A handler without them gives
    // nullptr, which the window takes as "this change cannot be undone".
    virtual std::shared_ptr<const HandlerSnapshot> SaveDestinationState() const;
    // Takes back a state this handler's SaveDestinationState made; another
    // handler's snapshot changes nothing.
    virtual void RestoreDestinationState(const HandlerSnapshot& snapshot);
    // Voice names read at run time, shown over the model's built-in table
    // (nullptr: the table alone). Only what is shown changes, never what is stored.
    virtual void SetVoiceList(std::shared_ptr<const VoiceList> list);
    // Bank select and program of every voice setting held (banks and
    // regfiles), for counting what a voice list names. A model that keeps its
    // voices otherwise gives none.
    virtual std::vector<BankSelectKey> VoiceKeys();

    // The encoding the next text protocol is written in.
    void SetProtocolEncoding(TextEncoding encoding) { protocolEncoding_ = encoding; }
    TextEncoding ProtocolEncoding() const { return protocolEncoding_; }

protected:
    UserInterface& ui() { return ui_; }
    // Shows what a reader or writer had to say, if anything; gives its status.
    Status Tell(const Outcome& outcome);
    const std::string& nameString() const { return name_; }
    void setNameString(const std::string& name) { name_ = name; }
    const VoiceList* voiceList() const { return voiceList_.get(); }

private:
    UserInterface& ui_;
    std::string name_;
    TextEncoding protocolEncoding_ = TextEncoding::Windows1252;
    std::shared_ptr<const VoiceList> voiceList_;
};

}  // namespace kalivo
