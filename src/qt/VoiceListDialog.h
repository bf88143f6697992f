#pragma once
// Voice List: where the active model's voice names come from, with Browse…,
// Clear and Close. The caller acts on the button and shows the dialog again.
#include <QDialog>

#include "ui/VoiceListView.h"

class QPushButton;

namespace kalivo {

class VoiceListDialog : public QDialog {
    Q_OBJECT

public:
    VoiceListDialog(const VoiceListView& view, QWidget* parent);
    static VoiceListAction Run(const VoiceListView& view, QWidget* parent);

    QPushButton* BrowseButton() const { return browse_; }
    QPushButton* ClearButton() const { return clear_; }
    VoiceListAction Action() const { return action_; }

private:
    void Finish(VoiceListAction action);

    QPushButton* browse_ = nullptr;
    QPushButton* clear_ = nullptr;
    VoiceListAction action_ = VoiceListAction::Close;
};

}  // namespace kalivo
