#include "app/IconListLoader.h"

#include <optional>
#include <vector>

#include "app/NoCasePath.h"
#include "app/WinePrefix.h"
#include "common/fs/FileSystem.h"
#include "common/fs/TextFile.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#endif

namespace kalivo {
namespace {

IconSettings NotAvailable(const IconSettings& previous) {
    IconSettings icons = previous;
    icons.available = false;
    return icons;
}

bool FitsPathValue(const std::string& value) { return value.size() < IconListLoader::kMaxPathBytes; }

#ifdef _WIN32
std::optional<std::string> ReadRegistryPath() {
    HKEY key = nullptr;
    // The icon program is a 32-bit program; read its view of the registry.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, IconListLoader::kRegistryKey, 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    char buffer[IconListLoader::kMaxPathBytes] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const LONG result = RegQueryValueExA(key, IconListLoader::kRegistryValue, nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::string path(buffer, size < sizeof buffer ? size : sizeof buffer);
    const auto end = path.find('\0');
    return end == std::string::npos ? path : path.substr(0, end);
}
#endif

}  // namespace

IconSettings IconListLoader::Load(const IconSettings& previous) {
#ifdef _WIN32
    const auto path = ReadRegistryPath();
    if (!path) {
        return NotAvailable(previous);
    }
    return LoadIconList(*path + kIconSubfolder, previous);
#else
    return LoadFromWinePrefix(WinePrefix::Default().Folder(), previous);
#endif
}

IconSettings IconListLoader::LoadFromWinePrefix(const std::string& prefix, const IconSettings& previous) {
    const WinePrefix wine(prefix);
    auto path = wine.ReadMachineValue(kRegistryKey, kRegistryValue);
    if (!path) {
        path = wine.ReadMachineValue(kRegistryKey32On64, kRegistryValue);
    }
    if (!path || !FitsPathValue(*path)) {
        return NotAvailable(previous);
    }
    const auto folder = wine.NativePath(*path + kIconSubfolder);
    if (!folder) {
        return NotAvailable(previous);
    }
    return LoadIconList(*folder, previous);
}

IconSettings IconListLoader::LoadIconList(const std::string& folder, const IconSettings& previous) {
    const auto listFile = FileSystem::FindNoCase(folder, kListFile);
    std::vector<std::string> lines;
    if (!FileSystem::IsDirectory(folder) || !listFile || !TextFile::ReadLines(*listFile, lines)) {
        return NotAvailable(previous);
    }
    IconSettings icons;
    icons.folder = FileSystem::WithSeparator(folder);
    for (const std::string& line : lines) {
        // "Sxxx" + one separator character + the bitmap file, relative to the folder.
        const std::string code = line.substr(0, 4);
        const std::string file = line.size() > 5 ? line.substr(5) : std::string();
        const auto bitmap = NoCasePath::Resolve(icons.folder, file);
        if (file.empty() || !bitmap || !FileSystem::IsRegularFile(*bitmap)) {
            continue;
        }
        icons.codes.push_back(code);
        // The name as found on disk, so that folder + file opens on any system.
        icons.files.push_back(bitmap->substr(icons.folder.size()));
    }
    icons.available = !icons.codes.empty();
    return icons;
}

}  // namespace kalivo
