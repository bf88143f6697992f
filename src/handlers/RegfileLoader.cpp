#include "handlers/RegfileLoader.h"

#include <utility>

#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"
#include "handlers/StatusCodes.h"

namespace kalivo {

namespace {

// A message box must stay readable when a whole folder is damaged.
constexpr std::size_t kNamedAtMost = 5;

}  // namespace

RegfileLoader::RegfileLoader(std::string extension, std::uintmax_t maxSize, std::string noneFoundMessage)
    : extension_(std::move(extension)), maxSize_(maxSize), noneFoundMessage_(std::move(noneFoundMessage)) {}

std::string RegfileLoader::LeftOutMessage(const std::vector<std::string>& paths, std::size_t total) {
    if (paths.empty()) {
        return std::string();
    }
    std::string text = FormatNumbers("%i of %i regfiles left out (not valid or not readable): ",
                                     static_cast<int>(paths.size()), static_cast<int>(total));
    for (std::size_t i = 0; i < paths.size() && i < kNamedAtMost; ++i) {
        text += (i == 0 ? "" : ", ") + paths[i];
    }
    if (paths.size() > kNamedAtMost) {
        text += FormatNumbers(" and %i more", static_cast<int>(paths.size() - kNamedAtMost));
    }
    return text;
}

Outcome RegfileLoader::Load(const std::string& folder, const Take& take) const {
    const std::string dir = FileSystem::WithSeparator(folder);
    const auto names = FileSystem::FindEntries(dir, "*" + extension_);
    if (names.empty()) {
        return Outcome::Failed(Status::kNoRegfileFound, noneFoundMessage_);
    }
    std::vector<std::string> leftOut;
    for (const std::string& name : names) {
        std::vector<std::uint8_t> bytes;
        // ReadBytes refuses anything but a regular file, so folders, devices
        // and link loops are left out here too.
        const bool taken = name.size() > extension_.size() && FileSystem::ReadBytes(dir + name, bytes, maxSize_) &&
                           take(Cp1252::FromUtf8(name.substr(0, name.size() - extension_.size())), bytes);
        if (!taken) {
            leftOut.push_back(dir + name);
        }
    }
    const Status status = leftOut.empty()                  ? Status::kDone
                       : leftOut.size() == names.size() ? Status::kNoRegfileFound
                                                        : Status::kSomeLeftOut;
    return {status, LeftOutMessage(leftOut, names.size())};
}

}  // namespace kalivo
