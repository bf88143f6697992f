#pragma once
// The group lines of the Tyros View Registration dialog, in their order, for
// every front end that draws it: the group, its "+"/"-", and the label and
// values shown while the group is there.
#include <string>
#include <vector>

#include "ui/DialogData.h"

namespace kalivo {

struct TyrosViewLine {
    const char* group;
    std::string presence;
    const char* detail = nullptr;  // label of the values; nullptr: presence only
    std::vector<std::string> values = {};
};

class TyrosViewLines {
public:
    static std::vector<TyrosViewLine> Of(const TyrosRegistrationView& view);
};

}  // namespace kalivo
