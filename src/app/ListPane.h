#pragma once
// One list of the main window, left or right: its lines with the find
// filter, the selected line of the whole list, a selection the filter hides
// for now, and the bank and slot the selected line stands for.
#include "app/FilteredList.h"
#include "app/ListBuilder.h"

namespace kalivo {

struct ListPane {
    FilteredList list;
    int line = kNone;    // selected line of the whole list
    int parked = kNone;  // a selection the filter hides for now
    ListPosition position;

    void ClearSelection() {
        line = kNone;
        parked = kNone;
        position = {};
    }
};

}  // namespace kalivo
