#include <gtest/gtest.h>

#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/fs/TextFile.h"
#include "support/TempFolder.h"

namespace kalivo {
namespace {

TEST(FileNameSanitizerTest, KeepsOrdinaryNamesAndNeutralisesPathParts) {
    EXPECT_EQ(FileNameSanitizer::Sanitize("Jazz Bank 2"), "Jazz Bank 2");
    EXPECT_EQ(FileNameSanitizer::Sanitize("a/b\\c:d"), "a_b_c_d");
    EXPECT_EQ(FileNameSanitizer::Sanitize("../../etc"), "_.._.._etc");
    EXPECT_EQ(FileNameSanitizer::Sanitize(".hidden"), "_.hidden");
    EXPECT_EQ(FileNameSanitizer::Sanitize(""), "_");
    EXPECT_EQ(FileNameSanitizer::Sanitize(std::string("x\ty\x01", 4)), "x_y_");
}

TEST(FileSystemTest, WildcardsIgnoreCase) {
    EXPECT_TRUE(FileSystem::WildcardMatch("*.rgt", "BANK.RGT"));
    EXPECT_TRUE(FileSystem::WildcardMatch("Jazz*.rgt", "jazz2.rgt"));
    EXPECT_TRUE(FileSystem::WildcardMatch("*.S???.reg", "USER.S917.REG"));
    EXPECT_FALSE(FileSystem::WildcardMatch("*.S???.reg", "USER.S9170.REG"));
    EXPECT_FALSE(FileSystem::WildcardMatch("*.rgt", "bank.rgt.bak"));
    EXPECT_TRUE(FileSystem::WildcardMatch("*", ""));
}

TEST(FileSystemTest, FindsEntriesWhateverTheirCase) {
    test::TempFolder dir;
    dir.Write("Reg.MNG", "x");
    dir.Write("b.rgt", "1");
    dir.Write("A.RGT", "2");
    const auto found = FileSystem::FindNoCase(dir.Path(), "REG.mng");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(FileSystem::LastComponent(*found), "Reg.MNG");
    EXPECT_FALSE(FileSystem::FindNoCase(dir.Path(), "missing").has_value());
    EXPECT_EQ(FileSystem::FindFiles(dir.Path(), "*.rgt"), (std::vector<std::string>{"A.RGT", "b.rgt"}));
}

TEST(FileSystemTest, SeparatorsAndRoots) {
    EXPECT_EQ(FileSystem::WithSeparator("/"), "/");
    EXPECT_EQ(FileSystem::WithSeparator("/tmp"), "/tmp/");
    EXPECT_EQ(FileSystem::WithoutTrailingSeparator("/"), "/");
    EXPECT_EQ(FileSystem::WithoutTrailingSeparator("A:\\"), "A:");
    EXPECT_EQ(FileSystem::LastComponent("C:\\x\\y/z.rgt"), "z.rgt");
}

TEST(FileSystemTest, SafeWriteReplacesWholeAndLeavesNoTemporaryFile) {
    test::TempFolder dir;
    dir.Write("f.bin", "old content");
    ASSERT_TRUE(FileSystem::WriteBytesSafely(dir.File("f.bin"), {'n', 'e', 'w'}));
    EXPECT_EQ(dir.Read("f.bin"), "new");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"f.bin"});
    // A folder that does not exist: nothing is written, the call fails.
    EXPECT_FALSE(FileSystem::WriteBytesSafely(dir.File("no/such/f.bin"), {'x'}));
}

TEST(FileSystemTest, ReadRefusesFilesOverTheLimitAndFolders) {
    test::TempFolder dir;
    dir.Write("big", std::string(100, 'x'));
    std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_FALSE(FileSystem::ReadBytes(dir.File("big"), bytes, 99));
    EXPECT_EQ(bytes.size(), 3u);  // left unchanged
    EXPECT_FALSE(FileSystem::ReadBytes(dir.Path(), bytes));
    EXPECT_TRUE(FileSystem::ReadBytes(dir.File("big"), bytes, 100));
    EXPECT_EQ(bytes.size(), 100u);
}

TEST(TextFileTest, WritesCrLfAndReadsLinesWithoutCr) {
    test::TempFolder dir;
    ASSERT_TRUE(TextFile::WriteLines(dir.File("t.txt"), {"a", "", "b c"}));
    EXPECT_EQ(dir.Read("t.txt"), "a\r\n\r\nb c\r\n");
    dir.Write("mixed.txt", "one\r\ntwo\nthree");
    std::vector<std::string> lines;
    ASSERT_TRUE(TextFile::ReadLines(dir.File("mixed.txt"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three"}));
}

}  // namespace
}  // namespace kalivo
