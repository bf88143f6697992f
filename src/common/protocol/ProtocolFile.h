#pragma once
// Writes a finished protocol in one safe step, so a failed write leaves any
// earlier file of that name intact.
#include <string>

#include "common/text/TextEncoding.h"

namespace kalivo {

class ProtocolFile {
public:
    // Replaces the file at path with bytes (Windows-1252). A text protocol
    // asked for in UTF-8 is converted; an HTML page stays as its head declares
    // it. False when the file could not be written.
    static bool Write(const std::string& path, const std::string& bytes,
                     TextEncoding encoding = TextEncoding::Windows1252);
};

}  // namespace kalivo
