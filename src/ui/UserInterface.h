#pragma once
// The one door to the person. Handlers and the main window logic call it; the
// Qt window, the command line and the tests implement it.
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogData.h"
#include "ui/VoiceListView.h"

namespace kalivo {

enum class Answer { Yes, No, Cancel };

// Title of ordinary message boxes (the program's name).
inline constexpr const char* kProgramTitle = "KALIVO";

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Message boxes.
    virtual void ShowMessage(const std::string& text, const std::string& title = kProgramTitle) = 0;
    virtual bool AskYesNo(const std::string& text, const std::string& title = kProgramTitle) = 0;
    virtual Answer AskYesNoCancel(const std::string& text, const std::string& title = kProgramTitle) = 0;
    // A Yes/No question whose box may also be closed without an answer
    // (Escape, the close box): that gives Answer::Cancel. defaultNo makes No
    // the default button. Front ends that cannot tell fall back to AskYesNo.
    virtual Answer AskYesNoOrClose(const std::string& text, const std::string& title, bool /*defaultNo*/) {
        return AskYesNo(text, title) ? Answer::Yes : Answer::No;
    }

    // Folder browser: the folder without a trailing separator, or "" on Cancel.
    virtual std::string ChooseFolder(const std::string& title) = 0;
    // Save As: the full path, or nothing on Cancel.
    virtual std::optional<SaveAsChoice> ChooseSaveFile(const SaveAsRequest& request) = 0;

    // Wait cursor around long file work.
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;

    // Archive Selection, opened on the line of the archive now loaded (-1:
    // none): index of the chosen line, or -1.
    virtual int SelectArchive(const std::vector<std::string>& names, int current) = 0;
    // Select Registration Banks: ascending indices (at most 512), or nothing on Cancel.
    virtual std::optional<std::vector<int>> SelectBanks(const std::vector<std::string>& names) = 0;
    // Change Archive Name: the new name, or "" on Cancel.
    virtual std::string ChangeArchiveName(const ArchiveNameRequest& request) = 0;
    // Change Name: the new name, or "" on Cancel.
    virtual std::string ChangeName(const std::string& current, int maxLength) = 0;
    // Select Keyboard Model, opened on the line of the current model (-1: none):
    // index of the chosen line (0..6), or -1 when closed without a choice.
    virtual int SelectModel(const std::vector<std::string>& names, int current) = 0;
    // Options: edits the options in place; false on Cancel (options untouched).
    virtual bool EditOptions(const std::string& modelName, StyleArchiveOptions& options) = 0;
    // Flash Styles: true for Yes.
    virtual bool AskFlashStyles() = 0;
    virtual void ShowAbout() = 0;

    // Bank sequences and icons.
    virtual std::optional<EditBankResult> EditBank(const EditBankRequest& request) = 0;
    virtual std::optional<std::string> EditIcon(const std::string& title, const std::string& currentCode) = 0;
    virtual std::optional<std::string> SelectIcon(const SelectIconRequest& request) = 0;
    virtual void ViewBank(const ViewBankRequest& request) = 0;

    // Tyros registration dialogs. CopyRegistrationSettings returns the 15 choice
    // flags on OK, nothing on Cancel.
    virtual void ViewTyrosRegistration(const TyrosRegistrationView& view) = 0;
    virtual std::optional<std::vector<bool>> CopyRegistrationSettings(const CopySettingsRequest& request) = 0;

    // CVP2 Series and PSR-2000 registration dialogs. CopyGpBlocks returns the
    // states of the eleven boxes on Copy, nothing on Cancel.
    virtual std::optional<GpBlockBoxStates> CopyGpBlocks(const GpBlockCopyRequest& request) = 0;
    virtual void ViewCvp2Registration(const Cvp2RegistrationView& view) = 0;

    // The simple View Registration dialog; all texts UTF-8.
    virtual void ViewRegistration(const RegistrationView& view) = 0;

    // Voice List: shows where voice names come from; the button pressed.
    // Front ends without the dialog close it at once.
    virtual VoiceListAction ShowVoiceList(const VoiceListView& /*view*/) { return VoiceListAction::Close; }
    // An existing file to read, or nothing on Cancel. filter as Qt spells it.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& /*title*/, const std::string& /*filter*/) {
        return std::nullopt;
    }
    // One of several names (the instrument of a definition file): its index, or -1.
    virtual int ChooseName(const std::string& /*title*/, const std::vector<std::string>& names) {
        return SelectArchive(names, names.size() == 1 ? 0 : -1);
    }
};

// Runs EndWait when it leaves scope, so an early return never leaves the wait cursor up.
class WaitCursor {
public:
    explicit WaitCursor(UserInterface& ui) : ui_(ui) { ui_.BeginWait(); }
    ~WaitCursor() { ui_.EndWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UserInterface& ui_;
};

}  // namespace kalivo
