#include "common/disk/DiskMngHeader.h"

#include <optional>

#include "common/disk/ManagementLine.h"
#include "common/fs/FileSystem.h"

namespace kalivo {

std::vector<std::uint8_t> DiskMngHeader::Build(std::string_view modelString, std::string_view version) {
    std::vector<std::uint8_t> bytes;
    for (const std::string_view text : {std::string_view("DISK    MNG   "), modelString, version}) {
        ManagementLine::Append(bytes, text);
    }
    for (int i = 0; i < 5; ++i) {
        ManagementLine::Append(bytes, "");
    }
    return bytes;
}

bool DiskMngHeader::ModelMatches(const std::vector<std::uint8_t>& bytes, std::string_view modelString,
                                 std::size_t compareCount) {
    if (bytes.size() < kModelOffset + compareCount) {
        return false;
    }
    for (std::size_t i = 0; i < compareCount; ++i) {
        const char expected = i < modelString.size() ? modelString[i] : ' ';
        if (bytes[kModelOffset + i] != static_cast<std::uint8_t>(expected)) {
            return false;
        }
    }
    return true;
}

DiskMngHeader::Check DiskMngHeader::CheckFile(const std::optional<std::string>& path, std::string_view modelString,
                                              std::size_t compareCount) {
    if (!path) {
        return Check::Missing;
    }
    std::vector<std::uint8_t> bytes;
    if (!FileSystem::ReadBytes(*path, bytes, kSize * 1024)) {
        return Check::WrongModel;
    }
    return ModelMatches(bytes, modelString, compareCount) ? Check::Matches : Check::WrongModel;
}

}  // namespace kalivo
