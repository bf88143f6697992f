#pragma once
// Plain words for the handlers' status codes, for the closing line of a failed command.
#include <string>

#include "handlers/StatusCodes.h"

namespace kalivo {

class StatusDescription {
public:
    static std::string Of(Status status);
};

}  // namespace kalivo
