#include "common/fs/FolderListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
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

void FolderListing::ForEachEntry(const std::string& folder,
                                 const std::function<void(std::string_view, Kind)>& visit) {
    // The system's own listing: no path object is built per entry.
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const std::string base = FileSystem::WithSeparator(folder.empty() ? "." : folder);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        Kind kind = entry->d_type == DT_REG ? Kind::File : entry->d_type == DT_DIR ? Kind::Folder : Kind::Other;
        // Only links, and entries of file systems that do not say, cost a status call.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            kind = ::stat((base + entry->d_name).c_str(), &status) == 0 ? KindOfMode(status.st_mode) : Kind::Other;
        }
        visit(name, kind);
    }
    ::closedir(dir);
}

void FolderListing::List() const {
    listed_ = true;
    ForEachEntry(folder_, [this](std::string_view name, Kind kind) {
        names_.emplace_back(name);
        kinds_.push_back(kind);
    });
}

// Sorted only when asked for in order: a lookup needs no order (names that
// differ only in case keep the system's order either way).
void FolderListing::Sort() const {
    sorted_ = true;
    std::vector<std::size_t> order(names_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return FileSystem::LessNoCase(names_[a], names_[b]); });
    std::vector<std::string> names;
    std::vector<Kind> kinds;
    names.reserve(order.size());
    kinds.reserve(order.size());
    for (std::size_t index : order) {
        names.push_back(std::move(names_[index]));
        kinds.push_back(kinds_[index]);
    }
    names_ = std::move(names);
    kinds_ = std::move(kinds);
}

const std::vector<std::string>& FolderListing::Listed() const {
    if (!listed_) {
        List();
    }
    return names_;
}

const std::vector<std::string>& FolderListing::Names() const {
    Listed();
    if (!sorted_) {
        Sort();
    }
    return names_;
}

const std::vector<FolderListing::Kind>& FolderListing::Kinds() const {
    Names();
    return kinds_;
}

void FolderListing::RemoveLeftovers() {
    Listed();
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
    const std::vector<std::string>& names = Listed();
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
