#include "common/fs/TextFile.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "common/fs/FileSystem.h"

namespace kalivo {

bool TextFile::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::vector<std::uint8_t> bytes;
    if (!FileSystem::ReadBytes(path, bytes)) {
        return false;
    }
    lines = SplitLines(bytes);
    return true;
}

std::vector<std::string> TextFile::SplitLines(std::span<const std::uint8_t> bytes) {
    std::vector<std::string> lines;
    // Each line is cut out whole: no byte-by-byte growth of a string.
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

bool TextFile::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    TextFileWriter writer;
    for (const auto& line : lines) {
        writer.Line(line);
    }
    return writer.Commit(path);
}

TextFileWriter& TextFileWriter::Write(const std::string& text) {
    for (char c : text) {
        if (c == '\n') {
            text_ += '\r';
        }
        text_ += c;
    }
    return *this;
}

bool TextFileWriter::Commit(const std::string& path) const {
    return FileSystem::WriteBytesSafely(path, std::vector<std::uint8_t>(text_.begin(), text_.end()));
}

}  // namespace kalivo
