#pragma once
// The undo and redo steps of the destination, and which of its states matches
// the files on disk. Each state is named by a number; a step keeps the
// handler's snapshot of the state it leads back to.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "handlers/ModelHandler.h"

namespace kalivo {

class UndoHistory {
public:
    // Enough for an afternoon's work; every step holds a copy of the destination.
    static constexpr std::size_t kMaxSteps = 50;

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // True while the present state is not the one on disk.
    bool Unsaved() const { return stateId_ != storedId_; }

    // A change was made; before is the state it left, or nullptr when the
    // handler cannot take it back: older steps would then no longer lead to
    // the states they name, so the history ends there.
    void Record(std::shared_ptr<const HandlerSnapshot> before, const std::string& what);
    void MarkStored();
    // The store did not reach the disk after all: the present state is unsaved again.
    void MarkNotStored() { storedId_ = -1; }
    // No steps any more; an unsaved state stays unsaved.
    void Forget();
    // No steps, and the present state counts as the one on disk.
    void Reset();
    // Takes the handler one step back or forward; the step's command, or
    // nothing when there is no step.
    std::optional<std::string> Undo(ModelHandler& handler) { return Step(undo_, redo_, handler); }
    std::optional<std::string> Redo(ModelHandler& handler) { return Step(redo_, undo_, handler); }

private:
    struct UndoStep {
        std::shared_ptr<const HandlerSnapshot> state;
        int stateId = 0;
        std::string what;  // the command, for the status line
    };

    std::optional<std::string> Step(std::vector<UndoStep>& from, std::vector<UndoStep>& to, ModelHandler& handler);

    std::vector<UndoStep> undo_;
    std::vector<UndoStep> redo_;
    int stateId_ = 0;   // names the destination's present state
    int storedId_ = 0;  // the state that matches the files on disk
    int nextStateId_ = 0;
};

}  // namespace kalivo
