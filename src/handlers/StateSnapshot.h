#pragma once
// The one snapshot of every family: a copy of a handler's destination state,
// tagged with its owner (the model's description), so that a state of one
// model is never taken back into a handler of another model of the family.
#include <memory>
#include <utility>

#include "handlers/ModelHandler.h"

namespace kalivo {

template <typename State>
class StateSnapshot final : public HandlerSnapshot {
public:
    StateSnapshot(const void* owner, State state) : owner_(owner), state_(std::move(state)) {}

    static std::shared_ptr<const HandlerSnapshot> Make(const void* owner, State state) {
        return std::make_shared<StateSnapshot>(owner, std::move(state));
    }
    // The state kept in snapshot when owner made it, else nullptr.
    static const State* Of(const HandlerSnapshot& snapshot, const void* owner) {
        const auto* own = dynamic_cast<const StateSnapshot*>(&snapshot);
        return own != nullptr && own->owner_ == owner ? &own->state_ : nullptr;
    }

private:
    const void* owner_;
    State state_;
};

}  // namespace kalivo
