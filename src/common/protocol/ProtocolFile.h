#pragma once
// Writes a finished protocol in one safe step, so a failed write leaves any
// earlier file of that name intact.
#include <string>

namespace kalivo {

class ProtocolFile {
public:
    // Replaces the file at path with bytes. 0, or status::kProtocolNotCreated (10).
    static int Write(const std::string& path, const std::string& bytes);
};

}  // namespace kalivo
