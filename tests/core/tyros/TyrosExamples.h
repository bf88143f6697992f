#pragma once
// The example banks under examples/tyros: three bank files written by the
// program's own bank writer, with umlauts and a dot in their names, icons
// and a bank sequence.
#include <string>

namespace kalivo::test::tyros {

// Writes the example bank files into folder. False when one could not be written.
bool WriteExample(const std::string& folder);

}  // namespace kalivo::test::tyros
