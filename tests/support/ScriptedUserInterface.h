#pragma once
// A UserInterface for tests: answers come from queues filled by the test, and
// every message, question and dialog call is recorded. An empty queue gives
// the cautious answer (No, Cancel, nothing chosen).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/UserInterface.h"

namespace kalivo::test {

struct RecordedMessage {
    std::string text;
    std::string title;
    std::string kind;  // "ok", "yesno", "yesnocancel"
    bool defaultNo = false;
};

class ScriptedUserInterface : public UserInterface {
public:
    // Queued answers.
    std::deque<bool> yesNo;
    std::deque<Answer> yesNoCancel;
    // For questions that may be closed unanswered; when empty, yesNo answers.
    std::deque<Answer> yesNoOrClose;
    std::deque<std::string> folders;
    std::deque<std::optional<std::string>> saveFiles;
    std::deque<std::size_t> saveFilters;  // the filter chosen with each save file; 0 when none is queued
    std::deque<int> archiveChoices;
    std::deque<std::optional<std::vector<int>>> bankChoices;
    std::deque<std::string> archiveNames;
    std::vector<ArchiveNameRequest> archiveNameRequests;
    std::deque<std::string> names;
    std::deque<int> modelChoices;
    std::deque<std::optional<StyleArchiveOptions>> optionsResults;
    std::deque<bool> flashStyles;
    std::deque<std::optional<EditBankResult>> editBankResults;
    std::deque<std::optional<std::string>> editIconResults;
    std::deque<std::optional<std::string>> selectIconResults;
    std::deque<std::optional<std::vector<bool>>> copySettingsResults;
    std::deque<std::optional<GpBlockBoxStates>> gpBlockResults;
    std::deque<VoiceListAction> voiceListActions;
    std::deque<std::optional<std::string>> openFiles;
    std::deque<int> nameChoices;

    // What was asked and shown.
    std::vector<RecordedMessage> messages;
    std::vector<std::string> folderTitles;
    std::vector<SaveAsRequest> saveRequests;
    std::vector<std::vector<std::string>> archiveLists;
    std::vector<int> archivePreselections;  // the line each archive list opened on
    std::vector<std::vector<std::string>> bankLists;
    std::vector<std::pair<std::string, int>> nameRequests;
    std::vector<std::vector<std::string>> modelLists;
    std::vector<int> modelPreselections;  // the line each model list opened on
    std::vector<EditBankRequest> editBankRequests;
    std::vector<std::pair<std::string, std::string>> editIconRequests;
    std::vector<SelectIconRequest> selectIconRequests;
    std::vector<ViewBankRequest> viewBankRequests;
    std::vector<TyrosRegistrationView> registrationViews;
    std::vector<CopySettingsRequest> copySettingsRequests;
    std::vector<GpBlockCopyRequest> gpBlockRequests;
    std::vector<Cvp2RegistrationView> cvp2Views;
    std::vector<RegistrationView> simpleRegistrationViews;
    std::vector<VoiceListView> voiceListViews;
    std::vector<std::vector<std::string>> nameLists;
    int waitDepth = 0;
    int waitCount = 0;
    int aboutCount = 0;

    // Texts of all messages, in order.
    std::vector<std::string> MessageTexts() const;

    void ShowMessage(const std::string& text, const std::string& title) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
    Answer AskYesNoOrClose(const std::string& text, const std::string& title, bool defaultNo) override;
    std::string ChooseFolder(const std::string& title) override;
    std::optional<SaveAsChoice> ChooseSaveFile(const SaveAsRequest& request) override;
    void BeginWait() override;
    void EndWait() override;
    int SelectArchive(const std::vector<std::string>& list, int current) override;
    std::optional<std::vector<int>> SelectBanks(const std::vector<std::string>& list) override;
    std::string ChangeArchiveName(const ArchiveNameRequest& request) override;
    std::string ChangeName(const std::string& current, int maxLength) override;
    int SelectModel(const std::vector<std::string>& list, int current) override;
    bool EditOptions(const std::string& modelName, StyleArchiveOptions& options) override;
    bool AskFlashStyles() override;
    void ShowAbout() override;
    std::optional<EditBankResult> EditBank(const EditBankRequest& request) override;
    std::optional<std::string> EditIcon(const std::string& title, const std::string& currentCode) override;
    std::optional<std::string> SelectIcon(const SelectIconRequest& request) override;
    void ViewBank(const ViewBankRequest& request) override;
    void ViewTyrosRegistration(const TyrosRegistrationView& view) override;
    std::optional<std::vector<bool>> CopyRegistrationSettings(const CopySettingsRequest& request) override;
    std::optional<GpBlockBoxStates> CopyGpBlocks(const GpBlockCopyRequest& request) override;
    void ViewCvp2Registration(const Cvp2RegistrationView& view) override;
    void ViewRegistration(const RegistrationView& view) override;
    VoiceListAction ShowVoiceList(const VoiceListView& view) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter) override;
    int ChooseName(const std::string& title, const std::vector<std::string>& names) override;
};

}  // namespace kalivo::test
