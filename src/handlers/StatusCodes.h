#pragma once
// What an operation of the handler interface did. The numbers leave the
// program only as kalivo-cli's exit status; inside it, statuses are compared
// by name.
namespace kalivo {

enum class Status {
    kDone = 0,
    kNotValid = 2,             // nothing usable found, or not written
    kUserFileNoRegEntry = 3,   // a PSR-740/8000 user file without a "REG," line after "SECTION08"
    kUserFileRegListShort = 4, // its list of REG files ends early
    kUserFileNoSection = 5,    // it has no "SECTION08" line
    kUserFileNoRegHeader = 6,  // it has no "REG" header line
    kBankNotInUse = 8,         // also stops a bank copy
    kNoRegistration = 9,
    kProtocolNotCreated = 10,
    kNoRegfileFound = 12,
    kWrongProtocolEnding = 13,  // path ends neither in "txt" nor "htm"
    kNothingToWrite = 14,
    kRegfileListEmpty = 15,
    kWrongModel = 16,
    kStyleArchiveWanted = 17,
    kNoRoomForBank = 18,
    kReplaceDeclined = 19,
    kStoreCancelled = 20,
    kSomeLeftOut = 21,  // loaded, but some files were refused and left out
};

// The number kalivo-cli exits with.
constexpr int ExitCodeOf(Status status) { return static_cast<int>(status); }

}  // namespace kalivo
