#include "common/fs/FatVolume.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "common/fs/FileSystem.h"

namespace kalivo {
namespace {

bool IsDriveA(const std::string& folder) {
    if (folder.size() < 2 || (folder[0] != 'A' && folder[0] != 'a') || folder[1] != ':') {
        return false;
    }
    return folder.size() == 2 || (folder.size() == 3 && folder[2] == '\\');
}

// The mounts table writes blanks, tabs, newlines and backslashes in paths as
// three-digit octal escapes.
std::string DecodeMountField(const std::string& field) {
    std::string decoded;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                decoded += static_cast<char>(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        decoded += field[i];
    }
    return decoded;
}

std::string WithoutSeparator(const std::string& folder) {
    std::string trimmed = folder;
    while (trimmed.size() > 1 && FileSystem::IsSeparator(trimmed.back())) {
        trimmed.pop_back();
    }
    return trimmed;
}

// A mount point lies on another device than its parent folder, or is its own
// parent (/). Unknown (a status call failed) counts as perhaps.
bool MayBeMountPoint(const std::string& folder) {
    struct stat self {}, parent {};
    const std::string path = WithoutSeparator(folder);
    if (::stat(path.c_str(), &self) != 0 || ::stat((path + "/..").c_str(), &parent) != 0) {
        return true;
    }
    return self.st_dev != parent.st_dev || self.st_ino == parent.st_ino;
}

}  // namespace

bool FatVolume::IsFatType(const std::string& type) {
    if (type == "vfat" || type == "msdos" || type == "fat" || type == "umsdos") {
        return true;
    }
    // FUSE drivers name their type "fuse.<driver>" or "fuseblk.<driver>".
    return type.rfind("fuse", 0) == 0 && type.find("fat") != std::string::npos &&
           type.find("exfat") == std::string::npos;
}

bool FatVolume::IsDiskRootIn(const std::string& folder, const std::string& mountsText) {
    if (IsDriveA(folder)) {
        return true;
    }
    if (folder.empty()) {
        return false;
    }
    const std::string wanted = WithoutSeparator(folder);
    std::istringstream lines(mountsText);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type)) {
            continue;
        }
        if (IsFatType(type) && WithoutSeparator(DecodeMountField(mountPoint)) == wanted) {
            return true;
        }
    }
    return false;
}

bool FatVolume::IsDiskRoot(const std::string& folder) {
    if (IsDriveA(folder)) {
        return true;
    }
    // Most folders are no mount point: two status calls tell, without the mount table.
    if (folder.empty() || !MayBeMountPoint(folder)) {
        return false;
    }
    // /proc files report the size 0, so this reads to the end rather than by size.
    std::ifstream in("/proc/self/mounts");
    if (!in) {
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return IsDiskRootIn(folder, text.str());
}

}  // namespace kalivo
