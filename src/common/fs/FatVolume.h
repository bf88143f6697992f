#pragma once
// Where a floppy's root is. The instruments write DISK.MNG only into the root
// of a floppy ("A:\" on the PC); here that is also the mount point of a
// mounted FAT volume, and no other folder.
#include <string>

namespace kalivo {

class FatVolume {
public:
    // True for "A:\" / "a:\" (with or without the backslash), and, on Linux, for
    // the mount point of a mounted FAT volume (per /proc/self/mounts), compared
    // after removing a trailing separator. False for every other folder.
    static bool IsDiskRoot(const std::string& folder);
    // The same test against a given mounts table (the text of /proc/self/mounts).
    static bool IsDiskRootIn(const std::string& folder, const std::string& mountsText);
    // FAT file system types as the kernel and FUSE drivers name them.
    static bool IsFatType(const std::string& type);
};

}  // namespace kalivo
