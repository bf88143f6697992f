#include "app/IconListLoader.h"

namespace kalivo {

IconSettings IconListLoader::Load(const IconSettings& previous) {
    IconSettings icons = previous;
    icons.available = false;
    return icons;
}

}  // namespace kalivo
