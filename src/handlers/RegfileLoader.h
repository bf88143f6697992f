#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "handlers/Outcome.h"

namespace kalivo {

// Reads the regfiles of one folder for any model. The folder is listed once;
// an entry that is no readable file (a folder, a device, a link loop), is
// larger than maxSize, or whose bytes the model refuses is left out, and the
// one message of the load names what was left out and how many.
class RegfileLoader {
public:
    // title: the file name without its extension, as instrument text. Returns
    // false when the bytes are no regfile of the model.
    using Take = std::function<bool(const std::string& title, const std::vector<std::uint8_t>& bytes)>;

    RegfileLoader(std::string extension, std::uintmax_t maxSize, std::string noneFoundMessage);
    // kDone, kSomeLeftOut (some loaded, some left out) or kNoRegfileFound
    // (nothing found, or nothing valid), with the message to tell.
    Outcome Load(const std::string& folder, const Take& take) const;

    // The one message naming the files left out ("" when none was).
    static std::string LeftOutMessage(const std::vector<std::string>& paths, std::size_t total);

private:
    std::string extension_;
    std::uintmax_t maxSize_;
    std::string noneFoundMessage_;
};

}  // namespace kalivo
