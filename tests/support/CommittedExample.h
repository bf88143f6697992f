#pragma once
// The committed examples under examples/ are what their writers make today.
// KALIVO_WRITE_EXAMPLES=1 rewrites them instead of comparing.
#include <functional>
#include <string>

namespace kalivo::test {

using ExampleWriter = std::function<bool(const std::string& folder)>;

// Writes the example into a fresh folder and expects examples/<name> to hold
// the same files with the same bytes.
void ExpectCommittedExample(const std::string& name, const ExampleWriter& write);

}  // namespace kalivo::test
