#include "common/fs/FileNameSanitizer.h"

#include <cstring>

namespace kalivo {

namespace {

// What FAT and Windows refuse in a name, besides control characters.
bool Refused(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || std::strchr("<>:\"/\\|?*", c) != nullptr;
}

}  // namespace

std::string FileNameSanitizer::ReplaceRefused(const std::string& name) {
    std::string out;
    out.reserve(name.size() + 1);
    for (char c : name) {
        out += Refused(c) ? '_' : c;
    }
    return out;
}

std::string FileNameSanitizer::Sanitize(const std::string& name) {
    std::string out = ReplaceRefused(name);
    if (out.empty() || out.front() == '.') {
        out.insert(out.begin(), '_');
    }
    // Windows drops a final dot or blank, so such a name would come back as another.
    for (auto it = out.rbegin(); it != out.rend() && (*it == '.' || *it == ' '); ++it) {
        *it = '_';
    }
    return out;
}

}  // namespace kalivo
