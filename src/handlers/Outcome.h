#pragma once
// What a reader or writer did: its status and, where the program has a
// message for it, that message. Readers and writers never call the person;
// the handler operation that ran them tells the message, once.
#include <string>
#include <utility>

#include "handlers/StatusCodes.h"

namespace kalivo {

struct Outcome {
    Status status = Status::kDone;
    std::string message;  // "" when there is nothing to tell

    static Outcome Done() { return {}; }
    static Outcome Failed(Status status, std::string message) { return {status, std::move(message)}; }
    bool Succeeded() const { return status == Status::kDone; }
};

}  // namespace kalivo
