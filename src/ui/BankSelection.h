#pragma once
#include <vector>

namespace kalivo {

// The Select Registration Banks dialog reports at most this many lines.
inline constexpr int kMaxSelectedBanks = 512;

// Selected line indices in ascending order, without repeats, at most 512.
std::vector<int> NormalizeBankSelection(std::vector<int> indices);

}  // namespace kalivo
