// Stores onto a mounted FAT volume, where names of either case are one file,
// and whose root is the root of an instrument disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/disk/DiskMngHeader.h"
#include "common/fs/FileSystem.h"
#include "core/psr9000/Psr9000Fixture.h"
#include "handlers/StatusCodes.h"
#include "support/FatImage.h"

namespace kalivo::test {
namespace {

namespace stdfs = std::filesystem;

class Psr9000FatStore : public Psr9000Fixture {
protected:
    void SetUp() override {
        Psr9000Fixture::SetUp();
        if (!fat.Mounted()) {
            GTEST_SKIP() << "no FAT volume: " << fat.Why();
        }
        WriteSampleBackup("IN.BUF");
        ASSERT_EQ(destination->LoadDestinationArchive(Folder(), "IN"), Status::kDone);
    }
    std::vector<std::string> RootNames() const {
        std::vector<std::string> names;
        for (const auto& entry : stdfs::directory_iterator(fat.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    FatImage fat;
};
KALIVO_BOTH_PSR9000_MODELS(Psr9000FatStore);

TEST_P(Psr9000FatStore, TheDiskRootGetsDiskMngUnderTheSpellingItAlreadyHas) {
    const std::string root = FileSystem::WithSeparator(fat.Path());
    ASSERT_TRUE(FileSystem::WriteBytesSafely(root + "disk.mng", DiskMngHeader::Build("PSR-8000", "Ver1.00Rev1.00")));
    stdfs::create_directories(root + "old.buf");

    EXPECT_EQ(destination->StoreArchive("OLD", root, 0), Status::kNotValid) << "old.buf is OLD.BUF on this disk";
    ASSERT_EQ(destination->StoreArchive("Live", root, 0), Status::kDone);
    EXPECT_EQ(RootNames(), (std::vector<std::string>{"LIVE.BUF", "disk.mng", "old.buf"}));
    EXPECT_EQ(DiskMngHeader::CheckFile(root + "disk.mng", Model().instrument, 8), DiskMngHeader::Check::Matches);

    ASSERT_EQ(source->LoadSourceArchive(root, "live"), Status::kDone);
    std::vector<std::uint8_t> stored;
    ASSERT_TRUE(FileSystem::ReadBytes(root + "LIVE.BUF/" + Model().registrationFile, stored));
    EXPECT_EQ(stored, dir.ReadBytes(std::string("IN.BUF/") + Model().registrationFile));
    EXPECT_EQ(NameAt(*source, 4, 1), "My Song");
}

TEST_P(Psr9000FatStore, ABackupWhoseDiskMngCannotBeWrittenIsTakenAwayAgain) {
    const std::string root = FileSystem::WithSeparator(fat.Path());
    stdfs::create_directories(root + "DISK.MNG");  // a folder where the file belongs
    EXPECT_EQ(destination->StoreArchive("Live", root, 0), Status::kNotValid);
    EXPECT_EQ(RootNames(), (std::vector<std::string>{"DISK.MNG"}));
    EXPECT_TRUE(AnyMessageContains("DISK.MNG"));
}

}  // namespace
}  // namespace kalivo::test
