#pragma once
// Text files as the instruments' PC tools write them: every line ends in CR LF
// on every system. Reading drops the CR again.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kalivo {

class TextFile {
public:
    // Lines without their CR LF / LF; false when the file cannot be read.
    static bool ReadLines(const std::string& path, std::vector<std::string>& lines);
    // The same lines from bytes already read.
    static std::vector<std::string> SplitLines(std::span<const std::uint8_t> bytes);
    // Each line followed by CR LF, replacing the file safely.
    static bool WriteLines(const std::string& path, const std::vector<std::string>& lines);
};

// Collects text in memory (LF becomes CR LF) and writes it in one safe step.
class TextFileWriter {
public:
    TextFileWriter& Write(const std::string& text);
    TextFileWriter& Line(const std::string& text) { return Write(text + "\n"); }
    bool Commit(const std::string& path) const;
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace kalivo
