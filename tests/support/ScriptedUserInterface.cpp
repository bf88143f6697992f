#include "support/ScriptedUserInterface.h"

namespace kalivo::test {

namespace {

template <class T>
T Next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) {
        return fallback;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

}  // namespace

std::vector<std::string> ScriptedUserInterface::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) {
        texts.push_back(m.text);
    }
    return texts;
}

void ScriptedUserInterface::ShowMessage(const std::string& text, const std::string& title) {
    messages.push_back({text, title, "ok"});
}

bool ScriptedUserInterface::AskYesNo(const std::string& text, const std::string& title) {
    messages.push_back({text, title, "yesno"});
    return Next(yesNo, false);
}

Answer ScriptedUserInterface::AskYesNoCancel(const std::string& text, const std::string& title) {
    messages.push_back({text, title, "yesnocancel"});
    return Next(yesNoCancel, Answer::Cancel);
}

Answer ScriptedUserInterface::AskYesNoOrClose(const std::string& text, const std::string& title, bool defaultNo) {
    messages.push_back({text, title, "yesno", defaultNo});
    if (!yesNoOrClose.empty()) {
        return Next(yesNoOrClose, Answer::Cancel);
    }
    return Next(yesNo, false) ? Answer::Yes : Answer::No;
}

std::string ScriptedUserInterface::ChooseFolder(const std::string& title) {
    folderTitles.push_back(title);
    return Next(folders, std::string());
}

std::optional<SaveAsChoice> ScriptedUserInterface::ChooseSaveFile(const SaveAsRequest& request) {
    saveRequests.push_back(request);
    const std::optional<std::string> path = Next(saveFiles, std::optional<std::string>());
    const std::size_t filter = Next(saveFilters, std::size_t{0});
    return path ? std::optional<SaveAsChoice>(SaveAsChoice{*path, filter}) : std::nullopt;
}

void ScriptedUserInterface::BeginWait() {
    ++waitDepth;
    ++waitCount;
}

void ScriptedUserInterface::EndWait() { --waitDepth; }

int ScriptedUserInterface::SelectArchive(const std::vector<std::string>& list, int current) {
    archiveLists.push_back(list);
    archivePreselections.push_back(current);
    return Next(archiveChoices, -1);
}

std::optional<std::vector<int>> ScriptedUserInterface::SelectBanks(const std::vector<std::string>& list) {
    bankLists.push_back(list);
    return Next(bankChoices, std::optional<std::vector<int>>());
}

std::string ScriptedUserInterface::ChangeArchiveName(const ArchiveNameRequest& request) {
    nameRequests.emplace_back(request.current, request.maxLength);
    archiveNameRequests.push_back(request);
    return Next(archiveNames, std::string());
}

std::string ScriptedUserInterface::ChangeName(const std::string& current, int maxLength) {
    nameRequests.emplace_back(current, maxLength);
    return Next(names, std::string());
}

int ScriptedUserInterface::SelectModel(const std::vector<std::string>& list, int current) {
    modelLists.push_back(list);
    modelPreselections.push_back(current);
    return Next(modelChoices, -1);
}

bool ScriptedUserInterface::EditOptions(const std::string&, StyleArchiveOptions& options) {
    auto result = Next(optionsResults, std::optional<StyleArchiveOptions>());
    if (!result) {
        return false;
    }
    options = *result;
    return true;
}

bool ScriptedUserInterface::AskFlashStyles() { return Next(flashStyles, false); }

void ScriptedUserInterface::ShowAbout() { ++aboutCount; }

std::optional<EditBankResult> ScriptedUserInterface::EditBank(const EditBankRequest& request) {
    editBankRequests.push_back(request);
    return Next(editBankResults, std::optional<EditBankResult>());
}

std::optional<std::string> ScriptedUserInterface::EditIcon(const std::string& title, const std::string& currentCode) {
    editIconRequests.emplace_back(title, currentCode);
    return Next(editIconResults, std::optional<std::string>());
}

std::optional<std::string> ScriptedUserInterface::SelectIcon(const SelectIconRequest& request) {
    selectIconRequests.push_back(request);
    return Next(selectIconResults, std::optional<std::string>());
}

void ScriptedUserInterface::ViewBank(const ViewBankRequest& request) { viewBankRequests.push_back(request); }

void ScriptedUserInterface::ViewTyrosRegistration(const TyrosRegistrationView& view) {
    registrationViews.push_back(view);
}

void ScriptedUserInterface::ViewRegistration(const RegistrationView& view) {
    simpleRegistrationViews.push_back(view);
}

std::optional<std::vector<bool>> ScriptedUserInterface::CopyRegistrationSettings(const CopySettingsRequest& request) {
    copySettingsRequests.push_back(request);
    return Next(copySettingsResults, std::optional<std::vector<bool>>());
}

std::optional<GpBlockBoxStates> ScriptedUserInterface::CopyGpBlocks(const GpBlockCopyRequest& request) {
    gpBlockRequests.push_back(request);
    return Next(gpBlockResults, std::optional<GpBlockBoxStates>());
}

void ScriptedUserInterface::ViewCvp2Registration(const Cvp2RegistrationView& view) { cvp2Views.push_back(view); }

VoiceListAction ScriptedUserInterface::ShowVoiceList(const VoiceListView& view) {
    voiceListViews.push_back(view);
    return Next(voiceListActions, VoiceListAction::Close);
}

std::optional<std::string> ScriptedUserInterface::ChooseOpenFile(const std::string&, const std::string&) {
    return Next(openFiles, std::optional<std::string>());
}

int ScriptedUserInterface::ChooseName(const std::string&, const std::vector<std::string>& list) {
    nameLists.push_back(list);
    return Next(nameChoices, -1);
}

}  // namespace kalivo::test
