#include "common/voices/VoiceListFile.h"

#include <optional>

#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"
#include "common/voices/InstrumentDefinitionParser.h"
#include "common/voices/VoiceListText.h"
#include "common/voices/VoiceTableParser.h"

namespace kalivo {
namespace {

bool IsValidUtf8(const std::vector<std::uint8_t>& bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t b = bytes[i];
        std::size_t follow = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
        } else if ((b & 0xF0) == 0xE0) {
            follow = 2;
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
        } else if (b >= 0x80) {
            return false;
        }
        for (std::size_t k = 1; k <= follow; ++k) {
            if (i + k >= bytes.size() || (bytes[i + k] & 0xC0) != 0x80) {
                return false;
            }
        }
        i += follow + 1;
    }
    return true;
}

// A control byte other than tab, CR, LF or a closing Ctrl-Z means the file is
// not text; its line is named.
int FirstBinaryLine(const std::vector<std::uint8_t>& bytes) {
    int line = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t b = bytes[i];
        if (b == '\n') {
            ++line;
        } else if ((b < 0x20 && b != '\t' && b != '\r' && !(b == 0x1A && i + 1 == bytes.size())) || b == 0x7F) {
            return line;
        }
    }
    return 0;
}

// Lines without CR LF / LF, names as Windows-1252 (valid UTF-8 is converted,
// anything else is taken to be Windows-1252 already).
std::vector<VoiceListLine> SplitLines(const std::vector<std::uint8_t>& bytes) {
    std::string text(bytes.begin(), bytes.end());
    const bool utf8 = IsValidUtf8(bytes);
    if (utf8 && text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    std::vector<VoiceListLine> lines;
    std::size_t start = 0;
    int number = 1;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\x1A')) {
            line.pop_back();
        }
        lines.push_back({number++, utf8 ? Cp1252::FromUtf8(line) : std::move(line)});
        start = end + 1;
    }
    return lines;
}

}  // namespace

bool VoiceListFile::Read(const std::string& path, std::string& error) {
    const auto size = FileSystem::FileSize(path);
    if (!size) {
        error = VoiceListText::Problem(path, 0, "not found or not a file");
        return false;
    }
    if (*size > kMaxSize) {
        error = VoiceListText::Problem(path, 0, "too large for a voice list (more than 4 MB)");
        return false;
    }
    std::vector<std::uint8_t> bytes;
    if (!FileSystem::ReadBytes(path, bytes, kMaxSize)) {
        error = VoiceListText::Problem(path, 0, "cannot be read");
        return false;
    }
    return Parse(path, bytes, error);
}

bool VoiceListFile::Parse(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error) {
    if (bytes.size() > kMaxSize) {
        error = VoiceListText::Problem(path, 0, "too large for a voice list (more than 4 MB)");
        return false;
    }
    if (const int line = FirstBinaryLine(bytes); line > 0) {
        error = VoiceListText::Problem(path, line, "not a text file (a control byte)");
        return false;
    }
    const std::vector<VoiceListLine> lines = SplitLines(bytes);
    std::optional<std::vector<std::pair<std::string, VoiceList>>> lists;
    bool isTable = false;
    if (InstrumentDefinitionParser::LooksLikeDefinitions(lines)) {
        lists = InstrumentDefinitionParser(path).Parse(lines, error);
    } else if (VoiceTableParser::LooksLikeTable(lines)) {
        isTable = true;
        if (auto list = VoiceTableParser(path).Parse(lines, error)) {
            lists.emplace().emplace_back(std::string(), std::move(*list));
        }
    } else {
        error = VoiceListText::Problem(path, 0, "neither an instrument definition file nor a voice table");
    }
    if (!lists) {
        return false;
    }
    path_ = path;
    isTable_ = isTable;
    lists_ = std::move(*lists);
    for (auto& [instrument, list] : lists_) {
        list.SetOrigin(path_, instrument);
    }
    return true;
}

std::vector<std::string> VoiceListFile::Instruments() const {
    std::vector<std::string> names;
    if (!isTable_) {
        for (const auto& entry : lists_) {
            names.push_back(entry.first);
        }
    }
    return names;
}

std::string VoiceListFile::InstrumentNames() const {
    std::string names;
    for (const auto& entry : lists_) {
        names += (names.empty() ? "" : ", ") + Cp1252::ToUtf8(entry.first);
    }
    return names;
}

bool VoiceListFile::Take(const std::string& instrument, VoiceList& list, std::string& error) const {
    if (instrument.empty()) {
        if (lists_.size() == 1) {
            list = lists_.front().second;
            return true;
        }
        error = VoiceListText::Problem(path_, 0, "holds several instruments; choose one of: " + InstrumentNames());
        return false;
    }
    for (const auto& [name, candidate] : lists_) {
        if (!isTable_ && name == instrument) {
            list = candidate;
            return true;
        }
    }
    error = VoiceListText::Problem(path_, 0,
                                   isTable_ ? "a voice table holds no instruments to choose from"
                                            : "holds no instrument \"" + Cp1252::ToUtf8(instrument) +
                                                  "\"; it holds: " + InstrumentNames());
    return false;
}

}  // namespace kalivo
