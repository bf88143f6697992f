#include "handlers/psr740_8000/Psr740StyleEntry.h"

#include "common/fs/TextFile.h"

namespace kalivo {

namespace {

constexpr std::size_t kKeyLength = 8;  // "S__" nnn ss

}  // namespace

Psr740StyleEntry Psr740StyleEntry::Read(const std::optional<std::string>& styleFile, const std::string& setNumber) {
    Psr740StyleEntry entry;
    std::vector<std::string> lines;
    if (setNumber.empty() || !styleFile || !TextFile::ReadLines(*styleFile, lines)) {
        return entry;
    }
    const std::string key = "S__" + setNumber;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].size() >= kKeyLength && lines[i].compare(0, key.size(), key) == 0) {
            entry.lines_.emplace_back(lines[i].substr(key.size(), 2), lines[i + 1]);
            ++i;
        }
    }
    return entry;
}

std::string Psr740StyleEntry::LinesFor(const std::string& setNumber) const {
    std::string text;
    for (const auto& [slot, name] : lines_) {
        text += "S__" + setNumber + slot + "\r\n" + name + "\r\n";
    }
    return text;
}

}  // namespace kalivo
