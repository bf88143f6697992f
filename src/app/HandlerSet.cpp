#include "app/HandlerSet.h"

#include "handlers/cvp2_psr2000/Cvp2Handler.h"
#include "handlers/cvp2_psr2000/Psr2000Handler.h"
#include "handlers/psr740_8000/Psr740Handler.h"
#include "handlers/psr740_8000/Psr8000Handler.h"
#include "handlers/psr9000/Psr9000Handler.h"
#include "handlers/psr9000/Psr9000ProHandler.h"
#include "handlers/tyros/TyrosHandler.h"

namespace kalivo {

namespace {

template <class Handler>
void AddPair(HandlerSet& set, Model model, UserInterface& ui) {
    const auto at = static_cast<std::size_t>(2 * ModelCatalog::HandlerIndex(model));
    set[at] = std::make_unique<Handler>(ui);
    set[at + 1] = std::make_unique<Handler>(ui);
}

}  // namespace

HandlerSet MakeModelHandlers(UserInterface& ui) {
    HandlerSet set;
    AddPair<Psr740Handler>(set, Model::Psr740, ui);
    AddPair<Psr8000Handler>(set, Model::Psr8000, ui);
    AddPair<Psr9000Handler>(set, Model::Psr9000, ui);
    AddPair<Psr9000ProHandler>(set, Model::Psr9000Pro, ui);
    AddPair<Psr2000Handler>(set, Model::Psr2000, ui);
    AddPair<Cvp2Handler>(set, Model::Cvp2, ui);
    AddPair<TyrosHandler>(set, Model::Tyros, ui);
    return set;
}

}  // namespace kalivo
