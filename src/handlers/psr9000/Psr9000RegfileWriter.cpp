#include "handlers/psr9000/Psr9000RegfileWriter.h"

#include <utility>
#include <vector>

#include "common/Format.h"
#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"

namespace kalivo {

namespace {

std::string Underscored(std::string text) {
    for (char& c : text) {
        if (c == '\0' || c == '\x01' || c == ' ' || c == '\'' || c == '*' || c == '?') {
            c = '_';
        }
    }
    text.erase(text.find_last_not_of('_') + 1);
    return text;
}

}  // namespace

Psr9000RegfileWriter::Psr9000RegfileWriter(std::string folder, std::string extension)
    : folder_(std::move(folder)), extension_(std::move(extension)) {}

std::string Psr9000RegfileWriter::FileBase(const std::string& name, const std::string& bankName,
                                           const std::string& archive, int slot) {
    return Underscored(name) + "_" + archive + "_(" + Underscored(bankName) + FormatNumbers("-%i)", slot + 1);
}

std::string Psr9000RegfileWriter::FreeName(const std::string& base) const {
    std::string name = base + extension_;
    for (int number = 1; FileSystem::FindNoCase(folder_, name); ++number) {
        name = base + FormatNumbers("#%i", number) + extension_;
    }
    return name;
}

bool Psr9000RegfileWriter::Write(const std::string& base, const psr9000::Record& record, std::string& path) const {
    path = folder_ + FreeName(FileNameSanitizer::Sanitize(Cp1252::ToUtf8(base)));
    return FileSystem::WriteBytesSafely(path, std::vector<std::uint8_t>(record.begin(), record.end()));
}

}  // namespace kalivo
