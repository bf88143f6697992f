#pragma once
// The logic of the main window, free of any toolkit: it owns the fourteen
// handlers, the selections and the changed flag, and turns every command into
// handler calls. What to show goes to a MainView; the person is reached
// through the UserInterface port.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Command.h"
#include "app/FilteredList.h"
#include "app/HandlerSet.h"
#include "app/ListPane.h"
#include "app/ListBuilder.h"
#include "app/MainView.h"
#include "app/SettingsFile.h"
#include "app/UndoHistory.h"
#include "app/VoiceListKeeper.h"
#include "ui/DialogData.h"
#include "ui/UserInterface.h"

namespace kalivo {

class TyrosExtras;

class MainDialog {
public:
    using IconLoader = std::function<IconSettings(const IconSettings& previous)>;

    MainDialog(MainView& view, UserInterface& ui, std::string settingsPath = "kalivo.ini",
               const HandlerFactory& factory = MakeModelHandlers, IconLoader iconLoader = nullptr);
    ~MainDialog();
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    // Start-up: reads the settings file and activates the model it names.
    void Initialize();

    // Left side.
    void NewLeft();
    void LoadArchiveLeft();
    void LoadRegfiles();
    void CreateRegfilesLeft();
    void ProtocolLeft();
    void SourceSelectionChanged(int line);
    void SourceDoubleClicked();

    // Right side.
    void NewRight();
    void LoadArchiveRight();
    void StoreArchive();
    void CreateRegfilesRight();
    void ProtocolRight();
    void DestinationSelectionChanged(int line);
    void DestinationDoubleClicked();
    void Delete();
    void Rename();
    void Archivename();
    void EditSequence();
    void EditIcon();
    void DefaultRevoice();

    // Between the sides, and the window.
    void Copy();
    void GroupCopy();
    void ModelCommand();
    void Options();
    void VoiceListCommand();
    // Gives the active model's handlers its remembered voice list; a status note or "".
    std::string RestoreVoiceList();
    void Info();
    // Returns true when the window is to close (false: the save question's Yes
    // stored the changes and the window stays open).
    bool Exit();

    // Runs a command; one that cannot act says why in the status bar.
    void Run(Command command);

    // Undo and redo of the changes to the destination.
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    void Undo();
    void Redo();

    // Find: "" clears. The list narrows to the registrations whose name
    // contains the text ignoring case, their bank headers kept above them;
    // the lines the window reports are then lines of the narrowed list.
    void SetFilter(Pane pane, const std::string& text);
    const std::string& Filter(Pane pane) const { return ListOf(pane).Filter(); }

    // A source line dropped on a destination line: ">>" with those two lines.
    void DropOnDestination(int sourceLine, int destinationLine);
    // Bank files or a folder dropped on the source list: loads them as Load
    // Archive (left) would, the folder and names given instead of asked.
    // False (with the reason in the status bar) when nothing can be loaded.
    bool DropOnSource(const std::vector<std::string>& paths);

    // A front end that writes the stored files out after the command (the
    // browser's) says so when the folder refused them: the changes count as
    // unsaved again, and the status line says why.
    void StoreNotOnDisk(const std::string& status);

    // State, for the front ends and the tests.
    bool Changed() const { return history_.Unsaved(); }
    const std::string& ModelName() const { return modelName_; }
    bool HasActiveModel() const { return source_ != nullptr; }
    bool SourceShowsRegfiles() const { return sourceShowsRegfiles_; }
    ModelHandler* SourceHandler() const { return source_; }
    ModelHandler* DestinationHandler() const { return destination_; }
    const StyleArchiveOptions& StyleOptions() const { return options_; }
    const IconSettings& Icons() const { return icons_; }
    ListPosition DestinationSelection() const { return destinationPane_.position; }
    int SourceRegfileIndex() const { return sourceRegfile_; }
    // What the command rules read: the whole lists, filter or not, and the
    // selected lines in them (-1 none).
    const FilteredList& ListOf(Pane pane) const { return PaneOf(pane).list; }
    int SelectedLine(Pane pane) const { return PaneOf(pane).line; }
    bool ActiveModelTakesVoiceLists() const;

private:
    // Parts of the window's logic kept in files of their own.
    friend class BankEditCommands;
    friend class EditCommands;
    friend class FileCommands;
    friend class ModelCommands;

    bool BankFiles() const;
    const ListPane& PaneOf(Pane pane) const { return pane == Pane::Source ? sourcePane_ : destinationPane_; }
    ListPane& PaneOf(Pane pane) { return pane == Pane::Source ? sourcePane_ : destinationPane_; }
    NameLimits Limits() const;
    void RunCommand(Command command);
    void Status(const std::string& text);
    void StatesChanged();
    // Undo bookkeeping around a change of the destination: Before takes the
    // state; Changed records it as one step (unsaved); Stored marks the
    // present state as the one on disk.
    std::shared_ptr<const HandlerSnapshot> Before() const;
    void Changed(std::shared_ptr<const HandlerSnapshot> before, const std::string& what);
    void MarkStored();
    void StepBack(bool undo);
    void ShowList(Pane pane);
    void ApplySourceLine(int fullLine);
    void ApplyDestinationLine(int fullLine);
    void SelectShown(Pane pane, int fullLine);
    std::string DestinationLineName() const;
    std::string SourceLineName() const;
    TyrosExtras* DestinationTyros() const;
    bool EnsureModel();
    void ResetState();

    void BuildSourceList();
    void BuildDestinationList();
    void ShowRegfiles();
    void ClearSourceSelection();
    void ClearDestinationSelection();
    void KeepWorkedLineInView();

    // Asks "Save changed registrations?" when needed; true when the command may go on.
    bool SaveQuestionLetsGoOn();
    void WriteSettings();

    MainView& view_;
    UserInterface& ui_;
    SettingsFile settings_;
    VoiceListKeeper voiceLists_{ui_, settings_};
    HandlerSet handlers_;
    IconLoader iconLoader_;

    std::string modelName_;
    const ModelFacts* facts_ = nullptr;  // of the active model
    ModelHandler* source_ = nullptr;
    ModelHandler* destination_ = nullptr;
    bool singleArchiveMode_ = true;
    bool sourceShowsRegfiles_ = false;
    std::vector<std::string> regfileNames_;
    int sourceRegfile_ = kNone;
    int lastDestinationLine_ = kNone;
    int destinationAnchor_ = 0;
    StyleArchiveOptions options_;
    IconSettings icons_;

    ListPane sourcePane_;
    ListPane destinationPane_;
    UndoHistory history_;
};

}  // namespace kalivo
