#include "common/fs/FolderListing.h"

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

FolderListing::Kind KindOf(stdfs::file_type type) {
    switch (type) {
        case stdfs::file_type::regular: return FolderListing::Kind::File;
        case stdfs::file_type::directory: return FolderListing::Kind::Folder;
        default: return FolderListing::Kind::Other;
    }
}

}  // namespace

FolderListing::FolderListing(std::string folder) : folder_(folder.empty() ? "." : std::move(folder)) {}

std::string FolderListing::PathOf(const std::string& name) const { return FileSystem::WithSeparator(folder_) + name; }

std::optional<FolderListing::Entry> FolderListing::Probe(const std::string& name) const {
    std::error_code ec;
    const stdfs::file_status status = stdfs::status(PathOf(name), ec);
    if (ec || !stdfs::exists(status)) {
        return std::nullopt;
    }
    return Entry{PathOf(name), KindOf(status.type())};
}

void FolderListing::List() const {
    listed_ = true;
    std::vector<std::string> names;
    std::vector<Kind> kinds;
    std::error_code ec;
    stdfs::directory_iterator it(folder_, ec);
    for (; !ec && it != stdfs::directory_iterator(); it.increment(ec)) {
        // The type comes with the listing; only links cost a status call.
        std::error_code typeError;
        const Kind kind = it->is_regular_file(typeError) ? Kind::File
                          : it->is_directory(typeError)  ? Kind::Folder
                                                         : Kind::Other;
        names.push_back(it->path().filename().string());
        kinds.push_back(kind);
    }
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return FileSystem::LessNoCase(names[a], names[b]); });
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
    const std::vector<std::string>& names = Names();
    std::optional<std::size_t> match;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            match = i;
            break;
        }
        if (!match && FileSystem::EqualsNoCase(names[i], name)) {
            match = i;
        }
    }
    if (!match) {
        return std::nullopt;
    }
    return Entry{PathOf(names[*match]), kinds_[*match]};
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
