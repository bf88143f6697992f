#pragma once
// The window's model in use: start-up, Model, Options with the style-archive
// question, and the voice list the model remembers.
#include <string>

namespace kalivo {

class MainDialog;
enum class Model;

class ModelCommands {
public:
    explicit ModelCommands(MainDialog& dialog) : d_(dialog) {}

    void Initialize();
    void ModelCommand();
    void Options();
    void VoiceListCommand();
    std::string RestoreVoiceList();
    void RunStyleArchiveQuestion();

private:
    void ActivateModel(Model model);
    void ShowModelControls();
    bool SelectModelAndSwitch();
    void StartListsAfresh();
    void RunOptionCheck();

    MainDialog& d_;
};

}  // namespace kalivo
