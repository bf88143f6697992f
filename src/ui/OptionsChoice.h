#pragma once
// The rules of the Options dialog: three check boxes that exclude each other
// and the default archive folder they control. Kept free of any toolkit.
#include <functional>
#include <string>

#include "ui/DialogData.h"

namespace kalivo {

class OptionsChoice {
public:
    using FolderChooser = std::function<std::string(const std::string& title)>;
    using Messenger = std::function<void(const std::string& text)>;

    explicit OptionsChoice(const StyleArchiveOptions& options);

    // Each returns after applying the rule for the box just clicked.
    void SetAsk(bool checked);
    void SetImplicitSearch(bool checked);
    void SetUseDefault(bool checked, const FolderChooser& choose, const Messenger& tell);

    const StyleArchiveOptions& Options() const { return options_; }
    // What the read-only folder edit shows (may differ from the kept folder copy).
    const std::string& ShownFolder() const { return shownFolder_; }

private:
    StyleArchiveOptions options_;
    std::string shownFolder_;
};

}  // namespace kalivo
