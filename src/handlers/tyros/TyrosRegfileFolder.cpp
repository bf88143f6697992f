#include "handlers/tyros/TyrosRegfileFolder.h"

#include <cctype>
#include <utility>

#include "common/Format.h"
#include "common/fs/FileSystem.h"

namespace kalivo {

namespace {
constexpr const char* kExtension = ".tyr";
}

TyrosRegfileFolder::TyrosRegfileFolder(std::string folder) : folder_(std::move(folder)) {
    for (const std::string& name : FileSystem::FindFiles(folder_, "*")) {
        taken_.insert(Key(name));
    }
    for (const std::string& name : FileSystem::FindFolders(folder_, "*")) {
        taken_.insert(Key(name));
    }
}

std::string TyrosRegfileFolder::Key(const std::string& name) {
    std::string key = name;
    for (char& c : key) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

std::string TyrosRegfileFolder::FreeName(const std::string& base) const {
    std::string name = base + kExtension;
    for (int number = 1; taken_.count(Key(name)) != 0; ++number) {
        name = base + FormatNumbers("#%i", number) + kExtension;
    }
    return name;
}

bool TyrosRegfileFolder::Write(const std::string& base, const std::vector<std::uint8_t>& bytes, std::string& path) {
    const std::string name = FreeName(base);
    path = folder_ + name;
    if (!FileSystem::WriteBytesSafely(path, bytes)) {
        return false;
    }
    taken_.insert(Key(name));
    return true;
}

}  // namespace kalivo
