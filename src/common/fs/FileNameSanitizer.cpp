#include "common/fs/FileNameSanitizer.h"

namespace kalivo {

std::string FileNameSanitizer::Sanitize(const std::string& name) {
    std::string out;
    out.reserve(name.size() + 1);
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        const bool unsafe = c == '/' || c == '\\' || c == ':' || u < 0x20 || u == 0x7F;
        out += unsafe ? '_' : c;
    }
    if (out.empty() || out.front() == '.') {
        out.insert(out.begin(), '_');
    }
    return out;
}

}  // namespace kalivo
