#pragma once
// What the Voice List dialog shows, and what the person can do in it.
#include <string>

namespace kalivo {

enum class VoiceListAction { Close, Browse, Clear };

struct VoiceListView {
    std::string model;   // the model name, unpadded
    std::string source;  // where names come from now: the built-in table or the file and instrument, with rows
    std::string named;   // how many voice settings of the loaded archives the list names; "" without a list
    bool canClear = false;
};

}  // namespace kalivo
