#pragma once
// Status codes returned across the handler interface.
namespace kalivo::status {

inline constexpr int kDone = 0;
inline constexpr int kNotValid = 2;             // nothing usable found, or not written
inline constexpr int kBankNotInUse = 8;         // also stops a bank copy
inline constexpr int kNoRegistration = 9;
inline constexpr int kProtocolNotCreated = 10;
inline constexpr int kNoRegfileFound = 12;
inline constexpr int kWrongProtocolEnding = 13;  // path ends neither in "txt" nor "htm"
inline constexpr int kNothingToWrite = 14;
inline constexpr int kRegfileListEmpty = 15;
inline constexpr int kWrongModel = 16;
inline constexpr int kStyleArchiveWanted = 17;
inline constexpr int kNoRoomForBank = 18;
inline constexpr int kReplaceDeclined = 19;
inline constexpr int kStoreCancelled = 20;
inline constexpr int kSomeLeftOut = 21;         // loaded, but some files were refused and left out

}  // namespace kalivo::status
