#include "ui/BankSelection.h"

#include <algorithm>

namespace kalivo {

std::vector<int> NormalizeBankSelection(std::vector<int> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    indices.erase(std::remove_if(indices.begin(), indices.end(), [](int i) { return i < 0; }), indices.end());
    if (indices.size() > static_cast<std::size_t>(kMaxSelectedBanks)) {
        indices.resize(kMaxSelectedBanks);
    }
    return indices;
}

}  // namespace kalivo
