#pragma once
// The main window's view in the browser: every call goes to the page's
// script, which draws the lists, edits, buttons and status line.
#include <string>
#include <vector>

#include "app/MainView.h"

namespace kalivo {

class MainDialog;

class WebView : public MainView {
public:
    // The logic is made after its view; until then there are no rules to read.
    void Attach(const MainDialog& dialog) { dialog_ = &dialog; }

    void SetLines(Pane pane, const std::vector<std::string>& lines) override;
    void SetLineKinds(Pane pane, const std::vector<bool>& isBankHeader) override;
    void SelectLine(Pane pane, int line) override;
    void KeepLineInView(Pane pane, int line) override;
    void ScrollToTop(Pane pane) override;
    void FocusList(Pane pane) override;
    void ClearFind(Pane pane) override;
    void SetEditText(EditField field, const std::string& text) override;
    void SetButtonVisible(ModelButton button, bool visible) override;
    void Redraw() override {}
    void SetEnabled(bool enabled) override;
    void ShowStatus(const std::string& text) override;
    void CommandStatesChanged() override;
    void Close() override;

    // Every command's state as the page shows it: {"Copy": {visible, enabled, whyNot}, ...}.
    std::string CommandStates() const;

private:
    const MainDialog* dialog_ = nullptr;
};

}  // namespace kalivo
