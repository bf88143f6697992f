#include "cli/StatusDescription.h"

#include "handlers/StatusCodes.h"

namespace kalivo {

std::string StatusDescription::Of(Status status) {
    switch (status) {
        case Status::kDone: return "done";
        case Status::kNotValid: return "nothing usable found, or not written";
        case Status::kBankNotInUse: return "bank not in use";
        case Status::kNoRegistration: return "no registration";
        case Status::kProtocolNotCreated: return "protocol file cannot be created";
        case Status::kNoRegfileFound: return "no regfile found";
        case Status::kWrongProtocolEnding: return "the protocol file name must end in txt or htm";
        case Status::kNothingToWrite: return "nothing to write";
        case Status::kRegfileListEmpty: return "regfile list empty";
        case Status::kWrongModel: return "wrong model on the disk";
        case Status::kStyleArchiveWanted: return "a style archive is wanted";
        case Status::kNoRoomForBank: return "no room for another source bank";
        case Status::kReplaceDeclined: return "a file was not replaced (--yes replaces)";
        case Status::kStoreCancelled: return "storing cancelled";
        case Status::kSomeLeftOut: return "some files were left out";
        case Status::kUserFileNoRegEntry:
        case Status::kUserFileRegListShort:
        case Status::kUserFileNoSection:
        case Status::kUserFileNoRegHeader: break;
    }
    return "failed";
}

}  // namespace kalivo
