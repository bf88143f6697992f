#pragma once
// Plain words for the handlers' status codes, for the closing line of a failed command.
#include <string>

namespace kalivo {

class StatusDescription {
public:
    static std::string Of(int status);
};

}  // namespace kalivo
