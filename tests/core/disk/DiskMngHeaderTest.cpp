#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/disk/DiskMngHeader.h"
#include "common/disk/ManagementLine.h"
#include "support/TempFolder.h"

namespace kalivo {
namespace {

// Appended after bytes already there, which stay.
std::string Appended(const std::function<void(std::vector<std::uint8_t>&)>& append) {
    std::vector<std::uint8_t> bytes{'>'};
    append(bytes);
    return std::string(bytes.begin(), bytes.end());
}

TEST(ManagementLineTest, FourteenCharactersThenCrLf) {
    const std::pair<const char*, const char*> cases[] = {{"P,I", ">P,I           \r\n"},
                                                         {"", ">              \r\n"},
                                                         {"ABCDEFGHIJKLMN", ">ABCDEFGHIJKLMN\r\n"},
                                                         {"ABCDEFGHIJKLMNOP", ">ABCDEFGHIJKLMN\r\n"}};
    for (const auto& [text, line] : cases) {
        EXPECT_EQ(Appended([&](auto& out) { ManagementLine::Append(out, text); }), line) << text;
    }
    EXPECT_EQ(Appended([](auto& out) { ManagementLine::AppendBlank32(out); }), ">" + std::string(30, ' ') + "\r\n");
}

TEST(ManagementLineTest, TextOfDropsLineEndAndTrailingBlanks) {
    EXPECT_EQ(ManagementLine::TextOf("RPK001ALREG   \r\n"), "RPK001ALREG");
    EXPECT_EQ(ManagementLine::TextOf("  lead kept   \n"), "  lead kept");
    EXPECT_EQ(ManagementLine::TextOf("no end"), "no end");
    EXPECT_EQ(ManagementLine::TextOf(std::string("AB\0CD  ", 7)), "AB");
    EXPECT_EQ(ManagementLine::TextOf("              \r\n"), "");
    EXPECT_EQ(ManagementLine::TextOf(""), "");
}

TEST(DiskMngHeaderTest, BuildsEightManagementLines) {
    const std::vector<std::uint8_t> bytes = DiskMngHeader::Build("PSR-740", "Ver0.59Rev0.00");
    ASSERT_EQ(bytes.size(), DiskMngHeader::kSize);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.substr(0, 48), "DISK    MNG   \r\nPSR-740       \r\nVer0.59Rev0.00\r\n");
    for (std::size_t line = 3; line < 8; ++line) {
        EXPECT_EQ(text.substr(line * 16, 16), std::string(14, ' ') + "\r\n") << line;
    }
}

TEST(DiskMngHeaderTest, CheckFileComparesTheModel) {
    test::TempFolder folder;
    EXPECT_EQ(DiskMngHeader::CheckFile(std::nullopt, "PSR-740", 7), DiskMngHeader::Check::Missing);
    folder.Write("DISK.MNG", DiskMngHeader::Build("PSR-8000", "Ver0.67Rev0.00"));
    EXPECT_EQ(DiskMngHeader::CheckFile(folder.File("DISK.MNG"), "PSR-8000", 8), DiskMngHeader::Check::Matches);
    EXPECT_EQ(DiskMngHeader::CheckFile(folder.File("DISK.MNG"), "PSR-740", 7), DiskMngHeader::Check::WrongModel);
    EXPECT_EQ(DiskMngHeader::CheckFile(folder.File("DISK.MNG"), "PSR-9000", 8), DiskMngHeader::Check::WrongModel);
}

TEST(DiskMngHeaderTest, ComparesOnlyTheGivenCount) {
    // "PSR-740" is compared in 7 bytes, so what follows at byte 23 does not matter.
    std::vector<std::uint8_t> bytes = DiskMngHeader::Build("PSR-7400", "x");
    EXPECT_TRUE(DiskMngHeader::ModelMatches(bytes, "PSR-740", 7));
    EXPECT_FALSE(DiskMngHeader::ModelMatches(bytes, "PSR-740", 8));
    EXPECT_TRUE(DiskMngHeader::ModelMatches(DiskMngHeader::Build("PSR-740", "x"), "PSR-740", 8));
}

TEST(DiskMngHeaderTest, ShortFilesAtTheExactBoundary) {
    const std::vector<std::uint8_t> full = DiskMngHeader::Build("PSR-8000", "Ver0.67Rev0.00");
    // Exactly 16 + 8 bytes hold the model string; one byte fewer does not.
    const std::vector<std::uint8_t> exact(full.begin(), full.begin() + 24);
    const std::vector<std::uint8_t> oneShort(full.begin(), full.begin() + 23);
    EXPECT_TRUE(DiskMngHeader::ModelMatches(exact, "PSR-8000", 8));
    EXPECT_FALSE(DiskMngHeader::ModelMatches(oneShort, "PSR-8000", 8));
    EXPECT_FALSE(DiskMngHeader::ModelMatches(std::vector<std::uint8_t>(), "PSR-8000", 8));

    test::TempFolder folder;
    folder.Write("DISK.MNG", oneShort);
    EXPECT_EQ(DiskMngHeader::CheckFile(folder.File("DISK.MNG"), "PSR-8000", 8), DiskMngHeader::Check::WrongModel);
    folder.Write("DISK.MNG", exact);
    EXPECT_EQ(DiskMngHeader::CheckFile(folder.File("DISK.MNG"), "PSR-8000", 8), DiskMngHeader::Check::Matches);
    folder.Write("DISK.MNG", std::vector<std::uint8_t>());
    EXPECT_EQ(DiskMngHeader::CheckFile(folder.File("DISK.MNG"), "PSR-8000", 8), DiskMngHeader::Check::WrongModel);
}

}  // namespace
}  // namespace kalivo
