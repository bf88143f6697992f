#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

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

TEST(FileNameSanitizerTest, ReplacesWhatFatRefusesAndNeverEndsInDotOrBlank) {
    EXPECT_EQ(FileNameSanitizer::Sanitize("a<b>c\"d|e?f*g"), "a_b_c_d_e_f_g");
    EXPECT_EQ(FileNameSanitizer::Sanitize("Vol. 2"), "Vol. 2");
    EXPECT_EQ(FileNameSanitizer::Sanitize("Intro."), "Intro_");
    EXPECT_EQ(FileNameSanitizer::Sanitize("End. ."), "End___");
    EXPECT_EQ(FileNameSanitizer::Sanitize("Song "), "Song_");
    EXPECT_EQ(FileNameSanitizer::Sanitize("F\xFCr Elise"), "F\xFCr Elise");  // upper half stays
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

TEST(FileSystemTest, NamesCompareAsUnsignedBytesWithOnlyAsciiFolded) {
    EXPECT_TRUE(FileSystem::EqualsNoCase("JAZZ.S917.RGT", "Jazz.S917.rgt"));
    EXPECT_FALSE(FileSystem::EqualsNoCase("Jazz", "Jazz2"));
    EXPECT_FALSE(FileSystem::EqualsNoCase("Jazz2", "Jazz"));
    EXPECT_FALSE(FileSystem::EqualsNoCase("", "a"));
    EXPECT_FALSE(FileSystem::EqualsNoCase("\xDC", "\xFC"));  // no folding beyond ASCII
    // 0xFC ("ü") sorts after every ASCII letter whatever char's sign is.
    EXPECT_TRUE(FileSystem::LessNoCase("Fa", "F\xFCr Elise"));
    EXPECT_FALSE(FileSystem::LessNoCase("F\xFCr Elise", "Fa"));
    EXPECT_TRUE(FileSystem::LessNoCase("apple", "Banana"));
    EXPECT_TRUE(FileSystem::LessNoCase("Jazz", "jazz2"));
    EXPECT_FALSE(FileSystem::LessNoCase("JAZZ", "jazz"));
    EXPECT_FALSE(FileSystem::LessNoCase("jazz", "JAZZ"));
    // '_' lies between the upper and the lower letters: folding to lower case puts it first.
    EXPECT_TRUE(FileSystem::LessNoCase("A_", "Ab"));
}

TEST(FileSystemTest, SameFileByIdentityOrByNameIgnoringCase) {
    test::TempFolder dir;
    dir.Write("JAZZ.S917.RGT", "x");
    dir.Write("Other.rgt", "y");
    EXPECT_TRUE(FileSystem::SameFile(dir.File("JAZZ.S917.RGT"), dir.File("jazz.s917.rgt")));
    EXPECT_TRUE(FileSystem::SameFile(dir.File("JAZZ.S917.RGT"), dir.Path() + "/./JAZZ.S917.RGT"));
    EXPECT_TRUE(FileSystem::SameFile(dir.File("new.rgt"), dir.File("NEW.RGT")));  // neither exists yet
    EXPECT_FALSE(FileSystem::SameFile(dir.File("JAZZ.S917.RGT"), dir.File("Other.rgt")));
    EXPECT_FALSE(FileSystem::SameFile(dir.File("Jazz.S917.rgt"), dir.File("Jazz.S949.rgt")));
    test::TempFolder elsewhere;
    EXPECT_FALSE(FileSystem::SameFile(dir.File("Other.rgt"), elsewhere.File("Other.rgt")));
}

TEST(FileSystemTest, SafeWriteKeepsTheSpellingOfAFileThatDiffersOnlyInCase) {
    test::TempFolder dir;
    dir.Write("JAZZ.S917.RGT", "old");
    ASSERT_TRUE(FileSystem::WriteBytesSafely(dir.File("Jazz.S917.rgt"), {'n', 'e', 'w'}));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"JAZZ.S917.RGT"});
    EXPECT_EQ(dir.Read("JAZZ.S917.RGT"), "new");
    // An exact name wins over one in other letters.
    dir.Write("Jazz.S917.rgt", "second");
    ASSERT_TRUE(FileSystem::WriteBytesSafely(dir.File("Jazz.S917.rgt"), {'3'}));
    EXPECT_EQ(dir.Read("Jazz.S917.rgt"), "3");
    EXPECT_EQ(dir.Read("JAZZ.S917.RGT"), "new");
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

TEST(FileSystemTest, AWriteThatFailsHalfWayKeepsTheOldFile) {
    test::TempFolder dir;
    dir.Write("bank.rgt", "old content");
    // The file size limit makes the disk refuse the write after 4 KiB, as a
    // full disk would: a real failure in the middle of a real write.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = FileSystem::WriteBytesSafely(dir.File("bank.rgt"), std::vector<std::uint8_t>(4097, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(dir.Read("bank.rgt"), "old content");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"bank.rgt"});
}

TEST(FileSystemTest, LeftoversOfInterruptedWritesAreRemovedAndNothingElse) {
    test::TempFolder dir;
    for (const char* name : {"a.rgt.kalivo-tmp123", "keep.rgt", "keep.kalivo-tmp", "keep.kalivo-tmpx1", "keep.tmp123"}) {
        dir.Write(name, "x");
    }
    ASSERT_TRUE(FileSystem::CreateDirectory(dir.File("DEMO.BUF.kalivo-tmp42")));
    dir.Write("DEMO.BUF.kalivo-tmp42/REG.BUP", "x");
    FileSystem::RemoveLeftovers(dir.Path());
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"keep.kalivo-tmp", "keep.kalivo-tmpx1", "keep.rgt", "keep.tmp123"}));

    // The temporary name of the longest name a disk takes is still a name it takes.
    const std::string longest = dir.File(std::string(FileSystem::kMaxNameBytes, 'n'));
    const std::string temporary = FileSystem::TemporaryNameBeside(longest);
    EXPECT_LE(FileSystem::LastComponent(temporary).size(), FileSystem::kMaxNameBytes);
    EXPECT_TRUE(FileSystem::IsTemporaryName(FileSystem::LastComponent(temporary)));
    EXPECT_TRUE(FileSystem::WriteBytesSafely(longest, {'x'}));
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
