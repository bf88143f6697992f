#include "app/ModelCommands.h"

#include "app/ArchiveWorkflow.h"
#include "app/CommandRules.h"
#include "app/MainDialog.h"
#include "app/ShownText.h"
#include "common/fs/FileSystem.h"
#include "handlers/StatusCodes.h"
#include "handlers/TyrosExtras.h"

namespace kalivo {

namespace {

const char* const kStyleFolderTitle = "Select the path for style archive";
const char* const kFirstHint = "Choose your keyboard with Model";

}  // namespace

void ModelCommands::ActivateModel(Model model) {
    const auto index = static_cast<std::size_t>(2 * ModelCatalog::HandlerIndex(model));
    d_.source_ = d_.handlers_[index].get();
    d_.destination_ = d_.handlers_[index + 1].get();
    d_.modelName_ = ModelCatalog::NameOf(model);
    d_.facts_ = &ModelCatalog::FactsOf(model);
    d_.singleArchiveMode_ = !d_.facts_->bankFiles;
    if (d_.facts_->bankEdits) {
        d_.icons_ = d_.iconLoader_(d_.icons_);
        for (auto* handler : {d_.source_, d_.destination_}) {
            if (auto* tyros = dynamic_cast<TyrosExtras*>(handler)) {
                tyros->SetIconSettings(d_.icons_);
            }
        }
    }
    ShowModelControls();
}

void ModelCommands::ShowModelControls() {
    const bool bankFiles = d_.BankFiles();
    const auto model = ModelCatalog::FromExactName(d_.modelName_);
    d_.view_.SetEditText(EditField::ModelName, d_.modelName_);
    for (ModelButton button : {ModelButton::Options, ModelButton::Archivename, ModelButton::GroupCopy,
                               ModelButton::EditSequence, ModelButton::EditIcon, ModelButton::DefaultRevoice}) {
        d_.view_.SetButtonVisible(button, model && CommandRules::ButtonShown(*model, button));
    }
    // Bank files have no archive name: the fields name the sides instead.
    d_.view_.SetEditText(EditField::SourceCaption, bankFiles ? "" : "Source Archive:");
    d_.view_.SetEditText(EditField::DestinationCaption, bankFiles ? "" : "Dest. Archive:");
    if (bankFiles) {
        d_.view_.SetEditText(EditField::SourceArchive, "Source");
        d_.view_.SetEditText(EditField::DestinationArchive, "Destination");
    }
    d_.view_.Redraw();
}

void ModelCommands::Initialize() {
    d_.source_ = nullptr;
    d_.destination_ = nullptr;
    std::string voiceNote;
    const auto model = d_.settings_.ReadStartup(d_.options_);
    if (model) {
        ActivateModel(*model);
        d_.destination_->CreateStore();
        d_.source_->CreateStore();
        voiceNote = RestoreVoiceList();
        RunOptionCheck();
        d_.BuildSourceList();
        d_.BuildDestinationList();
        if (d_.options_.askForStyleArchive) {
            RunStyleArchiveQuestion();
        }
    } else {
        d_.settings_.Remove();
    }
    d_.ResetState();
    if (!model) {
        d_.Status(kFirstHint);
    } else if (!voiceNote.empty()) {
        d_.Status(voiceNote);
    }
}

bool ModelCommands::SelectModelAndSwitch() {
    std::vector<std::string> names;
    int current = kNone;
    for (Model m : ModelCatalog::SelectionOrder()) {
        if (ModelCatalog::NameOf(m) == d_.modelName_) {
            current = static_cast<int>(names.size());
        }
        names.push_back(ModelCatalog::NameOf(m));
    }
    const int chosen = d_.ui_.SelectModel(names, current);
    if (chosen < 0 || chosen >= kModelCount) {
        return false;  // closed without a choice: nothing switches
    }
    const Model model = ModelCatalog::SelectionOrder()[static_cast<std::size_t>(chosen)];
    d_.options_ = StyleArchiveOptions{};
    if (d_.source_ != nullptr) {
        d_.source_->ReleaseStore();
        d_.destination_->ReleaseStore();
    }
    ActivateModel(model);
    d_.destination_->CreateStore();
    d_.source_->CreateStore();
    d_.settings_.ReadOptions(d_.modelName_, d_.options_);
    d_.WriteSettings();
    const std::string voiceNote = RestoreVoiceList();
    RunOptionCheck();
    StartListsAfresh();
    if (d_.options_.askForStyleArchive) {
        RunStyleArchiveQuestion();
    }
    d_.ResetState();
    d_.Status("Model " + d_.modelName_.substr(0, d_.modelName_.find_last_not_of(' ') + 1) +
           (voiceNote.empty() ? "" : "; " + voiceNote));
    return true;
}

void ModelCommands::ModelCommand() {
    if (!d_.SaveQuestionLetsGoOn()) {
        return;
    }
    if (d_.source_ != nullptr) {
        d_.WriteSettings();
    }
    SelectModelAndSwitch();
}

// Another model's lists start unfiltered and at the top: an old find text
// would show the new lists empty, an old offset somewhere in the middle.
void ModelCommands::StartListsAfresh() {
    for (Pane pane : {Pane::Source, Pane::Destination}) {
        (pane == Pane::Source ? d_.sourcePane_.list : d_.destinationPane_.list).SetFilter(std::string());
        d_.view_.ClearFind(pane);
    }
    d_.BuildSourceList();
    d_.BuildDestinationList();
    d_.view_.ScrollToTop(Pane::Source);
    d_.view_.ScrollToTop(Pane::Destination);
}

void ModelCommands::RunOptionCheck() {
    if (d_.source_ == nullptr) {
        return;
    }
    auto pass = [this](ModelHandler* h) {
        return h->SetStyleArchiveOptions(d_.options_.askForStyleArchive, d_.options_.useDefaultArchive,
                                         d_.options_.defaultArchiveFolder, d_.options_.implicitSearch);
    };
    const bool sourceOk = pass(d_.source_);
    const bool destinationOk = pass(d_.destination_);
    // A refusal speaks of the default path, so it only counts when one is in
    // use; handlers without style archives refuse by default.
    if ((sourceOk && destinationOk) || !d_.options_.useDefaultArchive) {
        return;
    }
    d_.ui_.ShowMessage("Default style path not valid");
    d_.options_.useDefaultArchive = false;
    d_.options_.defaultArchiveFolder.clear();
    d_.WriteSettings();
    pass(d_.source_);
    pass(d_.destination_);
}

void ModelCommands::RunStyleArchiveQuestion() {
    while (d_.ui_.AskFlashStyles()) {
        const std::string folder = d_.ui_.ChooseFolder(kStyleFolderTitle);
        if (folder.empty()) {
            return;
        }
        const std::string path = FileSystem::WithSeparator(folder);
        StringList names;
        d_.destination_->ListArchives(path, names);
        if (names.empty()) {
            d_.ui_.ShowMessage(ArchiveWorkflow::kNoArchiveFound);
            continue;
        }
        const int chosen = d_.ui_.SelectArchive(names, kNone);
        if (chosen < 0 || chosen >= static_cast<int>(names.size())) {
            return;
        }
        const std::string& name = names[static_cast<std::size_t>(chosen)];
        if (d_.source_->LoadStyleArchive(path, name) == Status::kNotValid) {
            d_.ui_.ShowMessage("Not valid style archive");
            continue;
        }
        if (d_.destination_->LoadStyleArchive(path, name) == Status::kNotValid) {
            d_.ui_.ShowMessage("No valid style archive");
            continue;
        }
        d_.Status("User style names read from " + Shown(name) + " in " + folder);
        return;
    }
}

std::string ModelCommands::RestoreVoiceList() {
    const auto model = ModelCatalog::FromExactName(d_.modelName_);
    return model ? d_.voiceLists_.Restore(*model, *d_.source_, *d_.destination_) : std::string();
}

void ModelCommands::VoiceListCommand() {
    const auto model = ModelCatalog::FromExactName(d_.modelName_);
    if (d_.source_ == nullptr || !model) {
        return;
    }
    d_.WriteSettings();  // the model's section holds the remembered list
    const std::string status = d_.voiceLists_.Run(*model, *d_.source_, *d_.destination_);
    if (!status.empty()) {
        d_.Status(status);
    }
}

void ModelCommands::Options() {
    if (d_.source_ == nullptr || d_.source_->HasNoStyleOptions()) {
        return;
    }
    StyleArchiveOptions edited = d_.options_;
    if (!d_.ui_.EditOptions(d_.modelName_, edited)) {
        return;
    }
    d_.options_ = edited;
    d_.WriteSettings();
    d_.Status("Options saved");
    RunOptionCheck();
    if (d_.options_.askForStyleArchive) {
        RunStyleArchiveQuestion();
    }
}

}  // namespace kalivo
