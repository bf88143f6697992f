#include "common/tables/StyleList.h"

#include "common/tables/NameTableData.h"

namespace kalivo {

const StyleList& StyleList::Psr740() {
    static const StyleList list(detail::GeneratedNameTables().psr740Styles, 160, 3);
    return list;
}

const StyleList& StyleList::Psr8000() {
    static const StyleList list(detail::GeneratedNameTables().psr8000Styles, 214, 16);
    return list;
}

std::string StyleList::Name(std::uint8_t number) const {
    return number < names_.size() ? std::string(names_[number]) : std::string("?");
}

}  // namespace kalivo
