#pragma once
// Records what the main window logic tells the window to show.
#include <map>
#include <string>
#include <vector>

#include "app/MainView.h"

namespace kalivo::test {

class FakeMainView : public MainView {
public:
    std::vector<std::string> sourceLines;
    std::vector<std::string> destinationLines;
    int sourceSelected = -1;
    int destinationSelected = -1;
    std::vector<int> destinationSelections;  // every SelectLine on the right, in order
    std::map<EditField, std::string> edits;
    std::map<ModelButton, bool> visible;
    bool enabled = true;
    bool closed = false;
    int redraws = 0;
    std::vector<bool> sourceKinds;
    std::vector<bool> destinationKinds;
    std::vector<std::string> statuses;  // every status line, in order
    int stateChanges = 0;
    std::vector<int> destinationKeptInView;  // every KeepLineInView on the right, in order
    std::map<Pane, int> scrolledToTop;
    std::map<Pane, int> findCleared;
    std::vector<Pane> focused;  // every FocusList, in order

    std::string LastStatus() const { return statuses.empty() ? std::string() : statuses.back(); }

    void SetLines(Pane pane, const std::vector<std::string>& lines) override {
        (pane == Pane::Source ? sourceLines : destinationLines) = lines;
    }
    void SetLineKinds(Pane pane, const std::vector<bool>& kinds) override {
        (pane == Pane::Source ? sourceKinds : destinationKinds) = kinds;
    }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void CommandStatesChanged() override { ++stateChanges; }
    void SelectLine(Pane pane, int line) override {
        if (pane == Pane::Source) {
            sourceSelected = line;
        } else {
            destinationSelected = line;
            destinationSelections.push_back(line);
        }
    }
    void KeepLineInView(Pane pane, int line) override {
        if (pane == Pane::Destination) {
            destinationKeptInView.push_back(line);
        }
    }
    void ScrollToTop(Pane pane) override { ++scrolledToTop[pane]; }
    void FocusList(Pane pane) override { focused.push_back(pane); }
    void ClearFind(Pane pane) override { ++findCleared[pane]; }
    void SetEditText(EditField field, const std::string& text) override { edits[field] = text; }
    void SetButtonVisible(ModelButton button, bool shown) override { visible[button] = shown; }
    void Redraw() override { ++redraws; }
    void SetEnabled(bool on) override { enabled = on; }
    void Close() override { closed = true; }
};

}  // namespace kalivo::test
