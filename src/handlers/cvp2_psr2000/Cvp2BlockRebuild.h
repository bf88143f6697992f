#pragma once
// Group copy: a new registration block put together from GP blocks of the
// destination and of the source, packed in GP order from offset 112 with the
// fixed block sizes.
#include <optional>
#include <string>
#include <vector>

#include "handlers/cvp2_psr2000/Cvp2Registration.h"

namespace kalivo {

class Cvp2BlockRebuild {
public:
    // flags: one per GP block, set = take that block from the source. The
    // name block stays the destination's whenever there is a destination.
    // A flagged block the source does not hold is kept from the destination,
    // or left out. Nothing, with error set, when the block cannot be built.
    static std::optional<Cvp2Registration> Build(const Cvp2Registration* destination, const Cvp2Registration& source,
                                                 const std::vector<bool>& flags, std::string& error);
};

}  // namespace kalivo
