#pragma once
// The logic of the main window, free of any toolkit: it owns the fourteen
// handlers, the selections and the changed flag, and turns every command into
// handler calls. What to show goes to a MainView; the person is reached
// through the UserInterface port.
#include <functional>
#include <string>
#include <vector>

#include "app/HandlerSet.h"
#include "app/ListBuilder.h"
#include "app/MainView.h"
#include "app/SettingsFile.h"
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
    void Info();
    // Returns true when the window is to close (false: the save question's Yes
    // stored the changes and the window stays open).
    bool Exit();

    // State, for the front ends and the tests.
    bool Changed() const { return changed_; }
    const std::string& ModelName() const { return modelName_; }
    bool HasActiveModel() const { return source_ != nullptr; }
    bool SourceShowsRegfiles() const { return sourceShowsRegfiles_; }
    ModelHandler* SourceHandler() const { return source_; }
    ModelHandler* DestinationHandler() const { return destination_; }
    const StyleArchiveOptions& StyleOptions() const { return options_; }
    const IconSettings& Icons() const { return icons_; }
    ListPosition SourceSelection() const { return sourceSel_; }
    ListPosition DestinationSelection() const { return destinationSel_; }
    int SourceRegfileIndex() const { return sourceRegfile_; }

private:
    bool IsTyros() const;
    TyrosExtras* DestinationTyros() const;
    bool DefaultRevoiceConfirmed(TyrosExtras& tyros, int banks);
    void ActivateModel(Model model);
    void ShowModelControls();
    bool SelectModelAndSwitch();
    bool EnsureModel();
    void ResetState();

    void BuildSourceList();
    void BuildDestinationList();
    void ShowRegfiles();
    void ClearSourceSelection();
    void ClearDestinationSelection();
    void RestoreScrollPosition();

    // Asks "Save changed registrations?" when needed; true when the command may go on.
    bool SaveQuestionLetsGoOn();
    void RunOptionCheck();
    void RunStyleArchiveQuestion();
    void WriteSettings();
    bool ChooseAndLoadArchives(bool destination);
    int LoadArchives(bool destination, const std::string& folder, const std::vector<std::string>& names);
    bool ChooseArchives(const std::string& folder, ModelHandler& handler, std::vector<std::string>& chosen);
    void CreateRegfilesWith(ModelHandler& handler);
    void WriteProtocolWith(ModelHandler& handler, bool regfiles);
    void CopyWholeBank();
    bool CopySingle(bool group);
    void FinishCopy();
    void EditIconOfBank(int bank, const std::string& used);
    void EditIconOfRegistration(int bank, int slot, const std::string& used);
    std::optional<std::string> AskIconCode(const std::string& title, const std::string& current);

    MainView& view_;
    UserInterface& ui_;
    SettingsFile settings_;
    HandlerSet handlers_;
    IconLoader iconLoader_;

    std::string modelName_;
    ModelHandler* source_ = nullptr;
    ModelHandler* destination_ = nullptr;
    bool singleArchiveMode_ = true;
    bool changed_ = false;
    bool sourceShowsRegfiles_ = false;
    std::vector<std::string> regfileNames_;
    ListPosition sourceSel_;
    int sourceRegfile_ = kNone;
    ListPosition destinationSel_;
    int lastDestinationLine_ = kNone;
    int destinationAnchor_ = 0;
    int destinationLineCount_ = 0;
    StyleArchiveOptions options_;
    IconSettings icons_;
};

}  // namespace kalivo
