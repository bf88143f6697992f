#pragma once
// Finds the icon pictures of the icon program ("Voice Editor for Tyros"):
// its folder from the registry value "Path" (on Windows the registry itself,
// elsewhere the user's Wine prefix), then its list "IconListAll.ini".
#include <cstddef>
#include <string>

#include "ui/DialogData.h"

namespace kalivo {

class IconListLoader {
public:
    static constexpr const char* kRegistryKey = "SOFTWARE\\YAMAHA\\Voice Editor for Tyros\\1.0";
    // 32-bit programs in a 64-bit Wine prefix keep their keys here instead.
    static constexpr const char* kRegistryKey32On64 = "SOFTWARE\\Wow6432Node\\YAMAHA\\Voice Editor for Tyros\\1.0";
    static constexpr const char* kRegistryValue = "Path";
    // The registry value is read into this many bytes, its end included.
    static constexpr std::size_t kMaxPathBytes = 256;
    static constexpr const char* kIconSubfolder =
        "\\Voice Editor for Tyros\\Module\\VEditor\\Tyros\\Bitmap\\Icon\\";
    static constexpr const char* kListFile = "IconListAll.ini";

    // Icons are available only when the icon folder was found and lists at
    // least one icon whose bitmap exists; otherwise the previous lists are
    // kept and icons are not available.
    static IconSettings Load(const IconSettings& previous);
    // Same, with the registry and drives of the given Wine prefix.
    static IconSettings LoadFromWinePrefix(const std::string& prefix, const IconSettings& previous);
    // The list of an icon folder given as a native path.
    static IconSettings LoadIconList(const std::string& folder, const IconSettings& previous);
};

}  // namespace kalivo
