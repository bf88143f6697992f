#pragma once
// "DISK.MNG", the 128-byte header in the root of a PSR-740, PSR-8000,
// PSR-9000 or 9000Pro disk that names the model the disk belongs to.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalivo {

class DiskMngHeader {
public:
    static constexpr std::size_t kSize = 128;
    static constexpr const char* kFileName = "DISK.MNG";
    static constexpr std::size_t kModelOffset = 16;

    // "DISK    MNG   ", model string, version, five blank lines; each a management line.
    static std::vector<std::uint8_t> Build(std::string_view modelString, std::string_view version);

    enum class Check { Missing, Matches, WrongModel };
    // Compares compareCount bytes from offset 16 of the DISK.MNG file at path
    // (none: Missing) with modelString (blank-padded). A file too short to
    // hold them, or unreadable, counts as WrongModel.
    static Check CheckFile(const std::optional<std::string>& path, std::string_view modelString,
                           std::size_t compareCount);
    // The same test on bytes already read.
    static bool ModelMatches(const std::vector<std::uint8_t>& bytes, std::string_view modelString,
                             std::size_t compareCount);
};

}  // namespace kalivo
