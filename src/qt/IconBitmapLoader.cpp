#include "qt/IconBitmapLoader.h"

#include <cstdint>
#include <vector>

#include "common/Format.h"
#include "common/fs/FileSystem.h"

namespace kalivo {

std::optional<QImage> IconBitmapLoader::Load(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!FileSystem::ReadBytes(path, bytes, kMaxFileSize)) {
        return std::nullopt;
    }
    QImage image;
    // Only bitmaps, as the icon program writes them; another format under a
    // bitmap's name is refused like a broken file.
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP")) {
        return std::nullopt;
    }
    return image;
}

std::string IconBitmapLoader::FailureMessage(const std::string& path) {
    return InsertText("Error LoadBitmapFromFile %s", path);
}

}  // namespace kalivo
