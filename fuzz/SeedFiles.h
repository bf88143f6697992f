#pragma once
// Seed writers stop at the first file they cannot write.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/fs/FileSystem.h"

namespace kalivo::fuzz {

inline void SaveSeed(const std::string& path, const std::vector<std::uint8_t>& data) {
    if (!FileSystem::WriteBytesSafely(path, data)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

}  // namespace kalivo::fuzz
