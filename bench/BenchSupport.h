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
// A work of microseconds runs until this much time has passed: seven rounds
// of it would measure the machine's hiccups more than the work.
inline constexpr double kLeastMs = 250;
inline constexpr char kRoundsText[] = "best of 7 rounds or of a quarter second's, timed in turns";

// A timed work and what runs untimed before each of its rounds.
struct Work {
    std::function<void()> run;
    std::function<void()> prepare = [] {};
};

// The best time of each work in milliseconds: the figure least disturbed by
// other work on the machine. The works take turns round by round, so that a
// slow spell of the machine falls on all of them alike.
inline std::vector<double> BestInTurns(const std::vector<Work>& works) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> best(works.size(), 1e300);
    std::vector<double> spent(works.size(), 0);
    const auto done = [&](int round) {
        return round >= kRounds && std::all_of(spent.begin(), spent.end(), [](double ms) { return ms >= kLeastMs; });
    };
    for (int round = 0; !done(round); ++round) {
        for (std::size_t i = 0; i < works.size(); ++i) {
            works[i].prepare();
            const auto start = Clock::now();
            works[i].run();
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            best[i] = std::min(best[i], ms);
            spent[i] += ms;
        }
    }
    return best;
}

inline double BestOf(const std::function<void()>& run, const std::function<void()>& prepare = [] {}) {
    return BestInTurns({{run, prepare}})[0];
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
inline Work PlainRead(const std::string& folder, const std::vector<std::string>& files, std::uintmax_t& total) {
    return {[folder, files, &total] {
        total = 0;
        for (const std::string& file : files) {
            std::vector<std::uint8_t> data;
            FileSystem::ReadBytes(folder + file, data);
            total += data.size();
        }
    }};
}

inline void Report(const char* what, double ms, double plainMs) {
    std::printf("%-40s %8.2f ms  %6.2f x plain read\n", what, ms, ms / plainMs);
}

inline void Target(const char* what, [[maybe_unused]] bool met) {
#ifdef NDEBUG
    std::printf("target (%s within 3 x plain read): %s\n", what, met ? "met" : "NOT met");
#else
    // The targets are for optimised code; a Debug build is many times slower.
    std::printf("target (%s within 3 x plain read): not judged in a Debug build; measure with make bench\n", what);
#endif
}

}  // namespace kalivo::bench
