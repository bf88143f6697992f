#include "app/WinePrefix.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include "app/NoCasePath.h"
#include "common/fs/FileSystem.h"
#include "common/fs/TextFile.h"

namespace kalivo {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Reads the escaped text from pos up to the first unescaped stop character
// (or the end). Wine escapes '\' and '"' with a backslash and writes other
// characters as \xHHHH. pos ends on the stop character.
std::string Unescape(const std::string& line, std::size_t& pos, char stop) {
    std::string out;
    while (pos < line.size() && line[pos] != stop) {
        const char c = line[pos++];
        if (c != '\\' || pos >= line.size()) {
            out += c;
            continue;
        }
        const char e = line[pos++];
        switch (e) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'x': {
                unsigned code = 0;
                for (int digits = 0; digits < 4 && pos < line.size() && HexDigit(line[pos]) >= 0; ++digits) {
                    code = code * 16 + static_cast<unsigned>(HexDigit(line[pos++]));
                }
                AppendUtf8(out, code);
                break;
            }
            default: out += e; break;
        }
    }
    return out;
}

// The key of a section line "[Software\\Vendor\\Key] 1234567890".
std::optional<std::string> SectionKey(const std::string& line) {
    const auto close = line.rfind(']');
    if (line.empty() || line[0] != '[' || close == std::string::npos) {
        return std::nullopt;
    }
    const std::string inner = line.substr(1, close - 1);
    std::size_t pos = 0;
    return Unescape(inner, pos, '\0');
}

struct RegistryValue {
    std::string name;
    std::optional<std::string> text;  // nothing for values that are not strings
};

// A value line: "Name"="text" or "Name"=str(2):"text"; other lines give nothing.
std::optional<RegistryValue> ParseValueLine(const std::string& line) {
    if (line.empty() || line[0] != '"') {
        return std::nullopt;
    }
    std::size_t pos = 1;
    RegistryValue value;
    value.name = Unescape(line, pos, '"');
    if (pos >= line.size() || line.compare(pos, 2, "\"=") != 0) {
        return std::nullopt;
    }
    pos += 2;
    for (const char* typed : {"str(2):", "str(7):"}) {
        if (line.compare(pos, std::char_traits<char>::length(typed), typed) == 0) {
            pos += std::char_traits<char>::length(typed);
        }
    }
    if (pos < line.size() && line[pos] == '"') {
        ++pos;
        std::string text = Unescape(line, pos, '"');
        if (pos < line.size()) {
            value.text = std::move(text);
        }
    }
    return value;
}

std::string ForwardToBackslashes(std::string key) {
    for (char& c : key) {
        if (c == '/') c = '\\';
    }
    return key;
}

}  // namespace

WinePrefix WinePrefix::Default() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0') {
        return WinePrefix(prefix);
    }
    const char* home = std::getenv("HOME");
    return WinePrefix(FileSystem::WithSeparator(home != nullptr ? home : "") + ".wine");
}

std::optional<std::string> WinePrefix::ReadMachineValue(const std::string& key, const std::string& valueName) const {
    const auto file = FileSystem::FindNoCase(folder_, "system.reg");
    std::vector<std::string> lines;
    if (!file || !TextFile::ReadLines(*file, lines)) {
        return std::nullopt;
    }
    const std::string wanted = ForwardToBackslashes(key);
    bool inKey = false;
    for (const std::string& line : lines) {
        if (const auto section = SectionKey(line)) {
            inKey = FileSystem::EqualsNoCase(*section, wanted);
            continue;
        }
        if (!inKey) {
            continue;
        }
        const auto value = ParseValueLine(line);
        if (value && FileSystem::EqualsNoCase(value->name, valueName)) {
            return value->text;
        }
    }
    return std::nullopt;
}

std::optional<std::string> WinePrefix::NativePath(const std::string& windowsPath) const {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(windowsPath[0]))) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    auto drive = FileSystem::FindNoCase(folder_, std::string("drive_") + letter);
    if (!drive || !FileSystem::IsDirectory(*drive)) {
        drive = NoCasePath::Resolve(folder_, std::string("dosdevices/") + letter + ":");
    }
    if (!drive || !FileSystem::IsDirectory(*drive)) {
        return std::nullopt;
    }
    return NoCasePath::Resolve(*drive, windowsPath.substr(2));
}

}  // namespace kalivo
