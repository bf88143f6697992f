#pragma once
// A Wine prefix: the folder where Wine keeps a Windows registry and drives.
// Outside Windows, programs such as the icon program live in one, so the
// registry values and paths they leave there are read from it directly.
#include <optional>
#include <string>
#include <utility>

namespace kalivo {

class WinePrefix {
public:
    explicit WinePrefix(std::string folder) : folder_(std::move(folder)) {}

    // The user's default prefix: $WINEPREFIX, or ~/.wine when that is not set.
    static WinePrefix Default();

    const std::string& Folder() const { return folder_; }

    // A string value of a key under HKEY_LOCAL_MACHINE, as kept in the prefix's
    // system.reg. Key and value names ignore case, as in the registry.
    std::optional<std::string> ReadMachineValue(const std::string& key, const std::string& valueName) const;

    // The native path of a Windows path "X:\a\b" inside the prefix (drive X
    // is the folder drive_x, or the prefix's device link "x:"), each component
    // found ignoring case. Nothing when the drive or a component is missing.
    std::optional<std::string> NativePath(const std::string& windowsPath) const;

private:
    std::string folder_;
};

}  // namespace kalivo
