#pragma once
// What every load benchmark shares: timing rounds, a scratch folder, the
// plain read every figure is compared with, and the report lines.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "common/fs/FileSystem.h"

namespace kalivo::bench {

inline constexpr int kRounds = 7;

// The best of several rounds, in milliseconds: the figure least disturbed by
// other work on the machine. prepare runs untimed before each round.
inline double BestOf(const std::function<void()>& work, const std::function<void()>& prepare = [] {}) {
    using Clock = std::chrono::steady_clock;
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        prepare();
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

// A new empty folder under the temporary folder, with a trailing separator.
inline std::string MakeFolder() {
    std::mt19937 random{std::random_device{}()};
    const std::string base = std::filesystem::temp_directory_path().string() + "/kalivo-bench-";
    for (;;) {
        const std::string folder = base + std::to_string(random());
        if (!FileSystem::Exists(folder) && FileSystem::CreateDirectory(folder)) {
            return FileSystem::WithSeparator(folder);
        }
    }
}

inline void RemoveAll(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

// Into a fresh folder, so without looking for the name in other letters.
inline void WriteOrExit(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (!FileSystem::WriteNewBytesSafely(path, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// Reading the same files' bytes and nothing more: the measure of the others.
inline double PlainRead(const std::string& folder, const std::vector<std::string>& files, std::uintmax_t& total) {
    return BestOf([&] {
        total = 0;
        for (const std::string& file : files) {
            std::vector<std::uint8_t> data;
            FileSystem::ReadBytes(folder + file, data);
            total += data.size();
        }
    });
}

inline void Report(const char* what, double ms, double plainMs) {
    std::printf("%-40s %8.2f ms  %6.2f x plain read\n", what, ms, ms / plainMs);
}

inline void Target(const char* what, bool met) {
#ifndef NDEBUG
    // The targets are for optimised code; a Debug build is many times slower.
    std::printf("note: a Debug build; measure with -DCMAKE_BUILD_TYPE=Release (see bench/)\n");
#endif
    std::printf("target (%s within 3 x plain read): %s\n", what, met ? "met" : "NOT met");
}

}  // namespace kalivo::bench
