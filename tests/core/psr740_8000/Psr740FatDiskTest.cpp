// Stored sets on a real FAT volume, where "REG" and "reg" are one folder.
#include <gtest/gtest.h>

#include "core/psr740_8000/Psr740TestSupport.h"
#include "support/FatImage.h"

namespace kalivo::test::psr {
namespace {

TEST_F(Psr8000Fixture, SetStoredOntoAFatDiskThatHoldsUpperCaseNames) {
    FatImage fat;
    if (!fat.Mounted()) {
        GTEST_SKIP() << fat.Why();
    }
    const std::string root = FileSystem::WithSeparator(fat.Path());
    Fill(destination, {{0, 0, {"First"}}});
    ASSERT_EQ(destination.StoreArchive("FIRST", root, 0), Status::kDone);
    // The disk root of an instrument disk carries the disk header.
    ASSERT_TRUE(FileSystem::FindNoCase(fat.Path(), "DISK.MNG"));

    Fill(destination, {{3, 1, {"Second"}}});
    ASSERT_EQ(destination.StoreArchive("second", root, 0), Status::kDone);
    EXPECT_TRUE(Messages().empty()) << Messages()[0];
    // One REG folder, one index with two entries, four data files.
    EXPECT_EQ(FileSystem::FindFolders(fat.Path(), "*").size(), 1u);
    const std::string reg = *FileSystem::FindNoCase(fat.Path(), "reg");
    EXPECT_EQ(FileSystem::FindFiles(reg, "*.reg").size(), 3u);
    std::vector<std::uint8_t> index;
    ASSERT_TRUE(FileSystem::ReadBytes(*FileSystem::FindNoCase(reg, "reg.mng"), index));
    EXPECT_EQ(index.size(), 128u + 3u * 128u);
    EXPECT_EQ(Text(index, 32, 16), Line("FILE003"));

    EXPECT_EQ(destination.StoreArchive("First", root, 0), Status::kNotValid);  // exists, in any case

    ASSERT_EQ(source.LoadSourceArchive(root, "SECOND"), Status::kDone);
    EXPECT_EQ(Name(source, 3, 1), "Second");
    EXPECT_EQ(Name(source, 0, 0), "First");
    ASSERT_EQ(source.LoadSourceArchive(root, "first"), Status::kDone);
    EXPECT_FALSE(source.Memory().IsUsed(3));

    // A PSR-740 set is not stored onto this PSR-8000 disk: its header would go.
    Psr740Handler psr740(ui);
    psr740.CreateStore();
    ui.messages.clear();
    EXPECT_EQ(psr740.StoreArchive("OTHER", root, 0), Status::kNotValid);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_FALSE(FileSystem::FindNoCase(fat.Path(), "OTHER.USR"));
    ASSERT_EQ(source.LoadSourceArchive(root, "SECOND"), Status::kDone);

    // A folder below the root is no disk root: no disk header there.
    const std::string below = fat.Folder("below");
    ASSERT_EQ(destination.StoreArchive("x", FileSystem::WithSeparator(below), 0), Status::kDone);
    EXPECT_FALSE(FileSystem::FindNoCase(below, "DISK.MNG"));
}

}  // namespace
}  // namespace kalivo::test::psr
