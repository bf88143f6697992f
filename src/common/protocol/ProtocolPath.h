#pragma once
// Which kind of protocol a chosen file name asks for.
#include <string>

namespace kalivo {

enum class ProtocolForm { Text, Html, None };

class ProtocolPath {
public:
    // By the last three characters of the path, "txt" or "htm", compared
    // ignoring case: a file dialog on a FAT disk may well hand back ".TXT".
    static ProtocolForm FormOf(const std::string& path);
};

}  // namespace kalivo
