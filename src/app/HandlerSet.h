#pragma once
// The fourteen handlers of the main window: for each model, in handler order,
// a source handler and a destination handler of the same class.
#include <array>
#include <functional>
#include <memory>

#include "app/ModelCatalog.h"
#include "handlers/ModelHandler.h"

namespace kalivo {

using HandlerSet = std::array<std::unique_ptr<ModelHandler>, 2 * kModelCount>;
using HandlerFactory = std::function<HandlerSet(UserInterface&)>;

// The real handler classes of the seven models.
HandlerSet MakeModelHandlers(UserInterface& ui);

}  // namespace kalivo
