#pragma once
// The example sets under examples/psr740 and examples/psr8000: a few
// registrations each, stored by the program's own writer, with a style file
// naming their custom styles.
#include <string>

namespace kalivo::test::psr {

// Writes the example set of the model ("psr740" or "psr8000") into folder,
// which must hold no set yet. False when a file could not be written.
bool WriteExample(const std::string& model, const std::string& folder);

}  // namespace kalivo::test::psr
