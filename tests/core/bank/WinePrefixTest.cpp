#include <gtest/gtest.h>

#include "app/WinePrefix.h"
#include "common/fs/FileSystem.h"
#include "support/TempFolder.h"

namespace kalivo {
namespace {

TEST(WinePrefixTest, ReadsEscapedAndTypedStringValues) {
    test::TempFolder dir;
    dir.Write("System.reg",
              "WINE REGISTRY Version 2\n"
              "[Software\\\\A\\\\B] 1\n"
              "@=\"default\"\n"
              "\"Size\"=dword:00000010\n"
              "\"Quote\"=\"say \\\"hi\\\"\"\n"
              "\"Expand\"=str(2):\"%ProgramFiles%\\\\X\"\n"
              "\"Wide\"=\"Caf\\xe9\"\n"
              "[Software\\\\A\\\\B\\\\C] 2\n"
              "\"Deeper\"=\"no\"\n");
    const WinePrefix wine(dir.Path());
    EXPECT_EQ(wine.ReadMachineValue("software\\a\\b", "quote"), "say \"hi\"");
    EXPECT_EQ(wine.ReadMachineValue("Software\\A\\B", "Expand"), "%ProgramFiles%\\X");
    EXPECT_EQ(wine.ReadMachineValue("Software\\A\\B", "Wide"), "Caf\xc3\xa9");
    EXPECT_FALSE(wine.ReadMachineValue("Software\\A\\B", "Size").has_value());
    EXPECT_FALSE(wine.ReadMachineValue("Software\\A\\B", "Deeper").has_value());
    EXPECT_FALSE(wine.ReadMachineValue("Software\\A", "Quote").has_value());
    EXPECT_FALSE(WinePrefix(dir.File("none")).ReadMachineValue("Software\\A\\B", "Quote").has_value());
}

TEST(WinePrefixTest, MapsDrivesAndFindsComponentsIgnoringCase) {
    test::TempFolder dir;
    FileSystem::CreateDirectory(dir.File("drive_c/Program Files/YAMAHA"));
    FileSystem::CreateDirectory(dir.File("drive_d/Data"));
    const WinePrefix wine(dir.Path());
    const std::string sep(1, FileSystem::Separator());

    EXPECT_EQ(wine.NativePath("c:\\PROGRAM FILES\\yamaha\\"),
              dir.File("drive_c") + sep + "Program Files" + sep + "YAMAHA");
    EXPECT_EQ(wine.NativePath("D:/data"), dir.File("drive_d") + sep + "Data");
    EXPECT_FALSE(wine.NativePath("C:\\Program Files\\Missing").has_value());
    EXPECT_FALSE(wine.NativePath("E:\\").has_value());
    EXPECT_FALSE(wine.NativePath("\\\\server\\share").has_value());
    EXPECT_FALSE(wine.NativePath("C:\\..\\..\\etc").has_value());
}

}  // namespace
}  // namespace kalivo
