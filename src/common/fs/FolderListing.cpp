#include "common/fs/FolderListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <system_error>

#include "common/fs/FileSystem.h"

namespace kalivo {

namespace stdfs = std::filesystem;

namespace {

std::string Upper(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return name;
}

FolderListing::Kind KindOfMode(mode_t mode) {
    return S_ISREG(mode) ? FolderListing::Kind::File : S_ISDIR(mode) ? FolderListing::Kind::Folder : FolderListing::Kind::Other;
}

}  // namespace

FolderListing::FolderListing(std::string folder) : folder_(folder.empty() ? "." : std::move(folder)) {}

std::string FolderListing::PathOf(const std::string& name) const { return FileSystem::WithSeparator(folder_) + name; }

std::optional<FolderListing::Entry> FolderListing::Probe(const std::string& name) const {
    std::string path = PathOf(name);
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return Entry{std::move(path), KindOfMode(status.st_mode)};
}

FolderListing::Kind FolderListing::KindOfEntry(const dirent& entry) const {
    switch (entry.d_type) {
        case DT_REG: return Kind::File;
        case DT_DIR: return Kind::Folder;
        case DT_LNK:
        case DT_UNKNOWN: break;
        default: return Kind::Other;
    }
    // Only links, and entries of file systems that do not say, cost a status call.
    struct stat status {};
    return ::stat(PathOf(entry.d_name).c_str(), &status) == 0 ? KindOfMode(status.st_mode) : Kind::Other;
}

void FolderListing::List() const {
    listed_ = true;
    std::vector<std::string> names;
    std::vector<Kind> kinds;
    // The system's own listing: no path object is built per entry.
    if (DIR* dir = ::opendir(folder_.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") {
                names.emplace_back(name);
                kinds.push_back(KindOfEntry(*entry));
            }
        }
        ::closedir(dir);
    }
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return FileSystem::LessNoCase(names[a], names[b]); });
    names_.reserve(names.size());
    kinds_.reserve(names.size());
    for (std::size_t index : order) {
        names_.push_back(std::move(names[index]));
        kinds_.push_back(kinds[index]);
    }
}

const std::vector<std::string>& FolderListing::Names() const {
    if (!listed_) {
        List();
    }
    return names_;
}

const std::vector<FolderListing::Kind>& FolderListing::Kinds() const {
    Names();
    return kinds_;
}

void FolderListing::RemoveLeftovers() {
    Names();
    for (std::size_t i = names_.size(); i-- > 0;) {
        if (FileSystem::IsTemporaryName(names_[i])) {
            std::error_code ignored;
            stdfs::remove_all(PathOf(names_[i]), ignored);
            names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(i));
            kinds_.erase(kinds_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

std::optional<std::size_t> FolderListing::IndexOf(const std::string& name) const {
    const std::vector<std::string>& names = Names();
    std::optional<std::size_t> match;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return i;
        }
        if (!match && FileSystem::EqualsNoCase(names[i], name)) {
            match = i;
        }
    }
    return match;
}

std::optional<std::string> FolderListing::ListedName(const std::string& name) const {
    const auto index = IndexOf(name);
    return index ? std::optional<std::string>(names_[*index]) : std::nullopt;
}

std::optional<FolderListing::Entry> FolderListing::Find(const std::string& name) const {
    if (!listed_) {
        if (auto found = Probe(name)) {
            return found;
        }
        if (const std::string upper = Upper(name); upper != name) {
            if (auto found = Probe(upper)) {
                return found;
            }
        }
    }
    const auto index = IndexOf(name);
    if (!index) {
        return std::nullopt;
    }
    return Entry{PathOf(names_[*index]), kinds_[*index]};
}

std::optional<std::string> FolderListing::FindPath(const std::string& name) const {
    const auto found = Find(name);
    return found ? std::optional<std::string>(found->path) : std::nullopt;
}

std::optional<std::string> FolderListing::FindFile(const std::string& name) const {
    const auto found = Find(name);
    return found && found->kind == Kind::File ? std::optional<std::string>(found->path) : std::nullopt;
}

std::optional<std::string> FolderListing::FindFolder(const std::string& name) const {
    const auto found = Find(name);
    return found && found->kind == Kind::Folder ? std::optional<std::string>(found->path) : std::nullopt;
}

}  // namespace kalivo
