#include "app/HandlerSet.h"

namespace kalivo {

HandlerSet MakeModelHandlers(UserInterface& ui) {
    HandlerSet set;
    for (int i = 0; i < kModelCount; ++i) {
        const auto make = ModelCatalog::FactsOf(static_cast<Model>(i)).makeHandler;
        const auto at = static_cast<std::size_t>(2 * i);
        set[at] = make(ui);
        set[at + 1] = make(ui);
    }
    return set;
}

}  // namespace kalivo
