#pragma once
// Finds the icon pictures of the icon editor program ("Voice Editor for Tyros").
#include "ui/DialogData.h"

namespace kalivo {

class IconListLoader {
public:
    // The icon list; when the program cannot be found the previous lists are
    // kept and icons are not available.
    static IconSettings Load(const IconSettings& previous);
};

}  // namespace kalivo
