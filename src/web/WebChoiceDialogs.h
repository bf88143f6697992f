#pragma once
// The dialogs whose rules act while the person clicks (check boxes that
// exclude each other, boxes that refuse, a folder asked for): the page shows
// the state, the person's click comes back here, the rule from src/ui is
// applied and the page shows the new state, until OK or Cancel.
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogData.h"

namespace kalivo {

class UserInterface;

class WebChoiceDialogs {
public:
    static bool Options(UserInterface& ui, const std::string& modelName, StyleArchiveOptions& options);
    static std::optional<std::vector<bool>> CopySettings(const CopySettingsRequest& request);
    static std::optional<GpBlockBoxStates> GpBlocks(const GpBlockCopyRequest& request);
    static std::optional<EditBankResult> EditBank(const EditBankRequest& request);
    static std::optional<std::string> EditIcon(const std::string& title, const std::string& currentCode);

    // One round: the box clicked (>= 0), or the button pressed with the
    // field's text and the list's chosen lines; nothing on Cancel or close.
    struct Round {
        int box = -1;
        std::string button;
        std::string field;
        std::vector<int> chosen;
    };
    static std::optional<Round> Ask(const std::string& request);
};

}  // namespace kalivo
