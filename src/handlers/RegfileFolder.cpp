#include "handlers/RegfileFolder.h"

#include <algorithm>
#include <utility>

#include "common/Format.h"
#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"

namespace kalivo {

RegfileFolder::RegfileFolder(std::string folder, std::string extension)
    : folder_(FileSystem::WithSeparator(folder)), extension_(std::move(extension)) {
    for (const std::string& name : FileSystem::FindFiles(folder_, "*")) {
        taken_.insert(Key(name));
    }
    for (const std::string& name : FileSystem::FindFolders(folder_, "*")) {
        taken_.insert(Key(name));
    }
}

std::string RegfileFolder::Underscored(std::string name) {
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == ' ' || c == '\'' || c == '*' || c == '?'; }, '_');
    name.erase(name.find_last_not_of('_') + 1);
    return name;
}

std::string RegfileFolder::Key(const std::string& name) { return FileSystem::Folded(name); }

std::string RegfileFolder::FreeName(const std::string& base) const {
    const auto taken = [this](const std::string& name) {
        return taken_.count(Key(name)) != 0;
    };
    std::string name = base + extension_;
    // Counting goes on past 999, so that no file is ever overwritten.
    for (int number = 1; taken(name); ++number) {
        name = base + FormatNumbers("#%i", number) + extension_;
    }
    return name;
}

bool RegfileFolder::Write(const std::string& base, const std::vector<std::uint8_t>& bytes, std::string& path) {
    const std::string name = FreeName(FileNameSanitizer::Sanitize(Cp1252::ToUtf8(base)));
    path = folder_ + name;
    // FreeName took a name the folder holds in no spelling.
    if (!FileSystem::WriteNewBytesSafely(path, bytes)) {
        failed_.push_back(path);
        return false;
    }
    taken_.insert(Key(name));
    return true;
}

Outcome RegfileFolder::Failures() const {
    if (failed_.empty()) {
        return Outcome::Done();
    }
    const std::string more =
        failed_.size() > 1 ? FormatNumbers(" (and %i more)", static_cast<int>(failed_.size() - 1)) : std::string();
    return Outcome::Failed(Status::kNotValid, InsertText("File %s cannot be written", failed_.front()) + more);
}

}  // namespace kalivo
