#pragma once
// What the main window logic tells the window to show. The Qt window
// implements it; tests use a fake that records it.
#include <string>
#include <vector>

namespace kalivo {

enum class Pane { Source, Destination };

// The read-only edits above the lists.
enum class EditField { SourceCaption, SourceArchive, ModelName, DestinationCaption, DestinationArchive };

// The buttons whose visibility depends on the model.
enum class ModelButton { Options, Archivename, GroupCopy, EditSequence, EditIcon, DefaultRevoice };

class MainView {
public:
    virtual ~MainView() = default;
    virtual void SetLines(Pane pane, const std::vector<std::string>& lines) = 0;
    // Follows every SetLines: which of those lines are bank headers.
    virtual void SetLineKinds(Pane pane, const std::vector<bool>& isBankHeader) = 0;
    // Selects one line (scrolling only when it is out of view), or clears the
    // selection with -1. The line the keys start from goes with the selection.
    virtual void SelectLine(Pane pane, int line) = 0;
    // Scrolls only as far as needed to show the line and makes it the line the
    // keys start from, so no focus frame is left on another line (a rebuilt
    // list keeps its scroll offset: the lines stay put under a still mouse).
    virtual void KeepLineInView(Pane pane, int line) = 0;
    virtual void ScrollToTop(Pane pane) = 0;
    // Keyboard focus to the list, after a command acted on it.
    virtual void FocusList(Pane pane) = 0;
    // Empties the find field above the list (the logic has cleared its filter).
    virtual void ClearFind(Pane pane) = 0;
    virtual void SetEditText(EditField field, const std::string& text) = 0;
    virtual void SetButtonVisible(ModelButton button, bool visible) = 0;
    virtual void Redraw() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // One line in the status bar.
    virtual void ShowStatus(const std::string& text) = 0;
    // The window reads the command rules again (selection, lists or model changed).
    virtual void CommandStatesChanged() = 0;
    // Ends the window (after Exit has done its work).
    virtual void Close() = 0;
};

}  // namespace kalivo
