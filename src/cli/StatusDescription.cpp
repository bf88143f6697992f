#include "cli/StatusDescription.h"

#include "handlers/StatusCodes.h"

namespace kalivo {

std::string StatusDescription::Of(int code) {
    switch (code) {
        case status::kDone: return "done";
        case status::kNotValid: return "nothing usable found, or not written";
        case status::kBankNotInUse: return "bank not in use";
        case status::kNoRegistration: return "no registration";
        case status::kProtocolNotCreated: return "protocol file cannot be created";
        case status::kNoRegfileFound: return "no regfile found";
        case status::kWrongProtocolEnding: return "the protocol file name must end in txt or htm";
        case status::kNothingToWrite: return "nothing to write";
        case status::kRegfileListEmpty: return "regfile list empty";
        case status::kWrongModel: return "wrong model on the disk";
        case status::kStyleArchiveWanted: return "a style archive is wanted";
        case status::kNoRoomForBank: return "no room for another source bank";
        case status::kReplaceDeclined: return "a file was not replaced (--yes replaces)";
        case status::kStoreCancelled: return "storing cancelled";
        case status::kSomeLeftOut: return "some files were left out";
        default: return "failed";
    }
}

}  // namespace kalivo
