#include "app/UndoHistory.h"

namespace kalivo {

void UndoHistory::Record(std::shared_ptr<const HandlerSnapshot> before, const std::string& what) {
    if (before) {
        undo_.push_back(UndoStep{std::move(before), stateId_, what});
        if (undo_.size() > kMaxSteps) {
            undo_.erase(undo_.begin());
        }
    } else {
        undo_.clear();
    }
    redo_.clear();
    stateId_ = ++nextStateId_;
}

void UndoHistory::MarkStored() { storedId_ = stateId_; }

void UndoHistory::Forget() {
    const bool unsaved = Unsaved();
    undo_.clear();
    redo_.clear();
    stateId_ = ++nextStateId_;
    storedId_ = unsaved ? -1 : stateId_;
}

void UndoHistory::Reset() {
    Forget();
    storedId_ = stateId_;
}

std::optional<std::string> UndoHistory::Step(std::vector<UndoStep>& from, std::vector<UndoStep>& to,
                                             ModelHandler& handler) {
    if (from.empty()) {
        return std::nullopt;
    }
    UndoStep step = std::move(from.back());
    from.pop_back();
    auto now = handler.SaveDestinationState();
    handler.RestoreDestinationState(*step.state);
    if (now) {
        to.push_back(UndoStep{std::move(now), stateId_, step.what});
    }
    stateId_ = step.stateId;
    return step.what;
}

}  // namespace kalivo
