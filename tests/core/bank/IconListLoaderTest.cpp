#include <gtest/gtest.h>

#include "app/IconListLoader.h"
#include "common/fs/FileSystem.h"
#include "support/TempFolder.h"

namespace kalivo {
namespace {

// A Wine prefix as the icon program's installer leaves it, with names in
// other cases than the program asks for.
class IconPrefix {
public:
    static constexpr const char* kIconFolder =
        "drive_c/Program Files/Yamaha/voice editor for tyros/Module/VEditor/TYROS/Bitmap/Icon";

    IconPrefix() { FileSystem::CreateDirectory(dir.File(kIconFolder)); }

    void WriteRegistry(const std::string& key, const std::string& path) const {
        dir.Write("system.reg",
                  "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n"
                  "[Software\\\\Classes\\\\.txt] 1700000000\n\"Path\"=\"C:\\\\Wrong\"\n\n"
                  "[" + key + "] 1700000001\n#time=1d9e5b1c2a3f4e0\n\"Path\"=\"" + path + "\"\n"
                  "\"Version\"=dword:00000001\n\n"
                  "[Software\\\\Zzz] 1700000002\n\"Path\"=\"C:\\\\Wrong too\"\n");
    }
    void WriteIcon(const std::string& relative) const { dir.Write(std::string(kIconFolder) + "/" + relative, "BM"); }
    void WriteList(const std::string& name, const std::string& text) const {
        dir.Write(std::string(kIconFolder) + "/" + name, text);
    }
    IconSettings Load(const IconSettings& previous = {}) const {
        return IconListLoader::LoadFromWinePrefix(dir.Path(), previous);
    }

    test::TempFolder dir;
};

constexpr const char* kYamahaKey = "Software\\\\YAMAHA\\\\Voice Editor for Tyros\\\\1.0";
constexpr const char* kYamahaPath = "C:\\\\Program Files\\\\YAMAHA";

IconSettings PreviousList() {
    IconSettings previous;
    previous.available = true;
    previous.folder = "/old/";
    previous.codes = {"S999"};
    previous.files = {"Old.bmp"};
    return previous;
}

void ExpectPrevious(const IconSettings& icons) {
    EXPECT_FALSE(icons.available);
    EXPECT_EQ(icons.folder, "/old/");
    EXPECT_EQ(icons.codes, std::vector<std::string>{"S999"});
    EXPECT_EQ(icons.files, std::vector<std::string>{"Old.bmp"});
}

TEST(IconListLoaderTest, ReadsTheListThroughTheWineRegistryIgnoringCase) {
    IconPrefix prefix;
    prefix.WriteRegistry(kYamahaKey, kYamahaPath);
    prefix.WriteIcon("S001_Piano.bmp");
    FileSystem::CreateDirectory(prefix.dir.File(std::string(IconPrefix::kIconFolder) + "/Sub"));
    prefix.WriteIcon("Sub/s002_organ.bmp");
    prefix.WriteIcon("S004_Guitar.bmp");
    prefix.WriteList("iconlistall.INI",
                     "S001 S001_Piano.bmp\r\nS002 sub\\S002_Organ.BMP\r\nS003 Missing.bmp\r\n"
                     "S004=S004_Guitar.bmp\r\n\r\nS005\r\n");

    const IconSettings icons = prefix.Load(PreviousList());

    EXPECT_TRUE(icons.available);
    EXPECT_EQ(icons.folder, FileSystem::WithSeparator(prefix.dir.File(IconPrefix::kIconFolder)));
    EXPECT_EQ(icons.codes, (std::vector<std::string>{"S001", "S002", "S004"}));
    const std::string sep(1, FileSystem::Separator());
    EXPECT_EQ(icons.files, (std::vector<std::string>{"S001_Piano.bmp", "Sub" + sep + "s002_organ.bmp",
                                                     "S004_Guitar.bmp"}));
    for (const std::string& file : icons.files) {
        EXPECT_TRUE(FileSystem::IsRegularFile(icons.folder + file)) << file;
    }
}

TEST(IconListLoaderTest, FindsTheKeyOfA32BitProgramInA64BitPrefix) {
    IconPrefix prefix;
    prefix.WriteRegistry("Software\\\\Wow6432Node\\\\Yamaha\\\\Voice Editor for Tyros\\\\1.0", kYamahaPath);
    prefix.WriteIcon("a.bmp");
    prefix.WriteList("IconListAll.ini", "S010 a.bmp\n");
    EXPECT_EQ(prefix.Load().codes, std::vector<std::string>{"S010"});
}

TEST(IconListLoaderTest, WithoutTheProgramTheOldListStaysAndIconsAreNotAvailable) {
    IconPrefix noRegistry;
    ExpectPrevious(noRegistry.Load(PreviousList()));

    IconPrefix otherKey;
    otherKey.WriteRegistry("Software\\\\YAMAHA\\\\Voice Editor for Tyros\\\\2.0", kYamahaPath);
    ExpectPrevious(otherKey.Load(PreviousList()));

    IconPrefix wrongFolder;
    wrongFolder.WriteRegistry(kYamahaKey, "C:\\\\Programs\\\\YAMAHA");
    ExpectPrevious(wrongFolder.Load(PreviousList()));

    IconPrefix otherDrive;
    otherDrive.WriteRegistry(kYamahaKey, "D:\\\\Program Files\\\\YAMAHA");
    ExpectPrevious(otherDrive.Load(PreviousList()));

    IconPrefix tooLong;
    tooLong.WriteRegistry(kYamahaKey, "C:\\\\" + std::string(260, 'x'));
    ExpectPrevious(tooLong.Load(PreviousList()));
}

TEST(IconListLoaderTest, AFolderWithoutUsableIconsDoesNotMakeIconsAvailable) {
    IconPrefix noList;
    noList.WriteRegistry(kYamahaKey, kYamahaPath);
    ExpectPrevious(noList.Load(PreviousList()));

    IconPrefix noBitmaps;
    noBitmaps.WriteRegistry(kYamahaKey, kYamahaPath);
    noBitmaps.WriteList("IconListAll.ini", "S001 Missing.bmp\nS002 ..\\Icon\\Escapes.bmp\n");
    noBitmaps.WriteIcon("Escapes.bmp");
    const IconSettings icons = noBitmaps.Load(PreviousList());
    EXPECT_FALSE(icons.available);
    EXPECT_TRUE(icons.codes.empty());
    EXPECT_TRUE(icons.files.empty());
}

TEST(IconListLoaderTest, LoadsAnIconFolderGivenDirectly) {
    test::TempFolder dir;
    dir.Write("IconListAll.ini", "S123 x.bmp");
    dir.Write("x.bmp", "BM");
    const IconSettings icons = IconListLoader::LoadIconList(dir.Path(), {});
    EXPECT_TRUE(icons.available);
    EXPECT_EQ(icons.codes, std::vector<std::string>{"S123"});
    ExpectPrevious(IconListLoader::LoadIconList(dir.File("missing"), PreviousList()));
}

}  // namespace
}  // namespace kalivo
