#include "ui/OptionsChoice.h"

namespace kalivo {

OptionsChoice::OptionsChoice(const StyleArchiveOptions& options)
    : options_(options), shownFolder_(options.defaultArchiveFolder) {}

void OptionsChoice::SetAsk(bool checked) {
    options_.askForStyleArchive = checked;
    if (checked) {
        options_.implicitSearch = false;
        options_.useDefaultArchive = false;
        options_.defaultArchiveFolder.clear();
        shownFolder_.clear();
    }
}

void OptionsChoice::SetImplicitSearch(bool checked) {
    options_.implicitSearch = checked;
    if (checked) {
        options_.askForStyleArchive = false;
        options_.useDefaultArchive = false;
        options_.defaultArchiveFolder.clear();
        shownFolder_.clear();
    }
}

void OptionsChoice::SetUseDefault(bool checked, const FolderChooser& choose, const Messenger& tell) {
    if (!checked) {
        // The folder copy is kept and written with the flag off.
        options_.useDefaultArchive = false;
        shownFolder_.clear();
        return;
    }
    const std::string folder = choose("Select the style-archive directory");
    if (folder.empty()) {
        tell("No valid style-archive");
        options_.useDefaultArchive = false;
        shownFolder_.clear();
        return;
    }
    options_.useDefaultArchive = true;
    options_.defaultArchiveFolder = folder;
    shownFolder_ = folder;
    options_.askForStyleArchive = false;
    options_.implicitSearch = false;
}

}  // namespace kalivo
