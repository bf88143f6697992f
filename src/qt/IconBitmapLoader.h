#pragma once
// The icon pictures of the icon program: small Windows bitmaps in its icon
// folder. Loading never throws; a file that is missing, too large or not a
// bitmap simply gives no picture, and the caller tells the person.
#include <QImage>
#include <cstdint>
#include <optional>
#include <string>

namespace kalivo {

class IconBitmapLoader {
public:
    // Icons are a few kilobytes; anything far larger is not one of them.
    static constexpr std::uintmax_t kMaxFileSize = 4u * 1024u * 1024u;

    // The bitmap at path, or nothing when it cannot be loaded.
    static std::optional<QImage> Load(const std::string& path);
    // What the person is told when Load gave nothing.
    static std::string FailureMessage(const std::string& path);
};

}  // namespace kalivo
