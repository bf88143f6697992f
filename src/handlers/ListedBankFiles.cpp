#include "handlers/ListedBankFiles.h"

#include "common/fs/FileSystem.h"

namespace kalivo {

std::vector<std::string> ListedBankFiles::List(const std::string& folder, const std::string& pattern,
                                               std::size_t suffixSize) {
    folder_ = folder;
    files_.clear();
    std::vector<std::string> titles;
    for (const std::string& file : FileSystem::FindFiles(folder, pattern)) {
        if (file.size() > suffixSize) {
            titles.push_back(file.substr(0, file.size() - suffixSize));
            files_.emplace(titles.back(), file);
        }
    }
    return titles;
}

ListedBankFiles::Read ListedBankFiles::ReadBank(const std::string& folder, const std::string& title,
                                                const std::string& suffix, std::vector<std::uint8_t>& bytes) const {
    const std::string base = folder.empty() ? folder : FileSystem::WithSeparator(folder);
    const auto attempt = [&](const std::string& file) {
        Read result{file, base + file, false};
        result.read = FileSystem::ReadBytes(result.path, bytes);
        return result;
    };
    std::string listed;
    if (folder == folder_) {
        if (const auto found = files_.find(title); found != files_.end()) {
            listed = found->second;
            if (Read result = attempt(listed); result.read) {
                return result;
            }
        }
    }
    const std::string exact = title + suffix;
    if (exact != listed) {
        if (Read result = attempt(exact); result.read) {
            return result;
        }
    }
    // Only now the folder as it is: a file renamed since, or in other letters.
    const auto current = FileSystem::ListedName(folder, exact);
    if (current && *current != exact && *current != listed) {
        return attempt(*current);
    }
    // Not read: named as the folder holds it, if it does.
    const std::string file = current.value_or(exact);
    return Read{file, base + file, false};
}

}  // namespace kalivo
