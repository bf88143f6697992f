#include <gtest/gtest.h>

#include "common/fs/FileSystem.h"
#include "support/FatImage.h"

namespace kalivo {
namespace {

// On a FAT volume "Jazz.S917.rgt" and "JAZZ.S917.RGT" are one file.
class FatVolumeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fat_.Mounted()) {
            GTEST_SKIP() << "no FAT volume: " << fat_.Why();
        }
    }
    void Put(const std::string& path, const std::string& text) {
        ASSERT_TRUE(FileSystem::WriteBytesSafely(path, std::vector<std::uint8_t>(text.begin(), text.end())));
    }
    std::string Get(const std::string& path) {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(FileSystem::ReadBytes(path, bytes));
        return std::string(bytes.begin(), bytes.end());
    }
    test::FatImage fat_;
};

TEST_F(FatVolumeTest, SafeWriteReplacesAnUpperCaseFileUnderItsOwnName) {
    const std::string dir = fat_.Folder("REG");
    Put(dir + "/JAZZ.S917.RGT", "old");
    Put(dir + "/Jazz.S917.rgt", "new");
    EXPECT_EQ(FileSystem::FindFiles(dir, "*"), std::vector<std::string>{"JAZZ.S917.RGT"});
    EXPECT_EQ(Get(dir + "/JAZZ.S917.RGT"), "new");
}

TEST_F(FatVolumeTest, SameFileSeesBothSpellingsAsOne) {
    const std::string dir = fat_.Folder("REG");
    Put(dir + "/JAZZ.S917.RGT", "x");
    EXPECT_TRUE(FileSystem::SameFile(dir + "/JAZZ.S917.RGT", dir + "/jazz.s917.rgt"));
    EXPECT_FALSE(FileSystem::SameFile(dir + "/JAZZ.S917.RGT", dir + "/JAZZ.S949.RGT"));
}

}  // namespace
}  // namespace kalivo
