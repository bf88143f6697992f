#include "common/fs/TextFile.h"

#include <cstdint>

#include "common/fs/FileSystem.h"

namespace kalivo {

bool TextFile::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::vector<std::uint8_t> bytes;
    if (!FileSystem::ReadBytes(path, bytes)) {
        return false;
    }
    lines.clear();
    std::string current;
    for (std::uint8_t b : bytes) {
        if (b == '\n') {
            if (!current.empty() && current.back() == '\r') {
                current.pop_back();
            }
            lines.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(b);
        }
    }
    if (!current.empty()) {
        if (current.back() == '\r') {
            current.pop_back();
        }
        lines.push_back(current);
    }
    return true;
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
