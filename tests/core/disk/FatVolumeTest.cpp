#include <gtest/gtest.h>

#include "common/fs/FatVolume.h"

namespace kalivo {
namespace {

const char* const kMounts =
    "sysfs /sys sysfs rw,nosuid 0 0\n"
    "/dev/sda1 / ext4 rw,relatime 0 0\n"
    "/dev/sdb1 /media/me/FLOPPY vfat rw,uid=1000 0 0\n"
    "/dev/sdc1 /media/me/MY\\040STICK msdos rw 0 0\n"
    "/dev/sdd1 /mnt/big ntfs3 rw 0 0\n"
    "/dev/sde1 /mnt/fuse fuseblk rw 0 0\n"
    "/dev/sdf1 /mnt/ex exfat rw 0 0\n";

TEST(FatVolumeDiskRoot, DriveARootsAreDiskRootsEverywhere) {
    for (const char* folder : {"A:\\", "a:\\", "A:", "a:"}) {
        EXPECT_TRUE(FatVolume::IsDiskRootIn(folder, "")) << folder;
        EXPECT_TRUE(FatVolume::IsDiskRoot(folder)) << folder;
    }
    for (const char* folder : {"A:\\REG", "B:\\", "a:/x", "A", ""}) {
        EXPECT_FALSE(FatVolume::IsDiskRootIn(folder, kMounts)) << folder;
    }
}

TEST(FatVolumeDiskRoot, MountPointsOfFatVolumesOnly) {
    EXPECT_TRUE(FatVolume::IsDiskRootIn("/media/me/FLOPPY", kMounts));
    EXPECT_TRUE(FatVolume::IsDiskRootIn("/media/me/FLOPPY/", kMounts));
    EXPECT_TRUE(FatVolume::IsDiskRootIn("/media/me/MY STICK", kMounts));
    // A folder on the volume is not its root; other file systems never count.
    EXPECT_FALSE(FatVolume::IsDiskRootIn("/media/me/FLOPPY/REG", kMounts));
    EXPECT_FALSE(FatVolume::IsDiskRootIn("/media/me", kMounts));
    EXPECT_FALSE(FatVolume::IsDiskRootIn("/", kMounts));
    EXPECT_FALSE(FatVolume::IsDiskRootIn("/mnt/big", kMounts));
    EXPECT_FALSE(FatVolume::IsDiskRootIn("/mnt/fuse", kMounts));
    EXPECT_FALSE(FatVolume::IsDiskRootIn("/mnt/ex", kMounts));
    EXPECT_FALSE(FatVolume::IsDiskRootIn("/media/me/FLOPPY", "garbage\n\n/dev/x\n"));
}

TEST(FatVolumeDiskRoot, FatTypeNames) {
    EXPECT_TRUE(FatVolume::IsFatType("vfat"));
    EXPECT_TRUE(FatVolume::IsFatType("msdos"));
    EXPECT_TRUE(FatVolume::IsFatType("fuse.fatfs"));
    EXPECT_FALSE(FatVolume::IsFatType("fuseblk"));
    EXPECT_FALSE(FatVolume::IsFatType("exfat"));
    EXPECT_FALSE(FatVolume::IsFatType("ext4"));
}

TEST(FatVolumeDiskRoot, AnOrdinaryFolderOfThisSystemIsNoDiskRoot) {
    EXPECT_FALSE(FatVolume::IsDiskRoot("/proc"));
}

}  // namespace
}  // namespace kalivo
