#include "common/fs/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include "common/fs/FolderListing.h"
#include "common/text/Cp1252.h"

namespace kalivo {

namespace stdfs = std::filesystem;

namespace {

// Repeats step (a read or write of up to n bytes at offset at) until count
// bytes moved, resuming after an interruption; false when the file ends early
// or fails.
template <typename Step>
bool Transfer(std::size_t count, Step step) {
    for (std::size_t done = 0; done < count;) {
        const ssize_t moved = step(done, count - done);
        if (moved < 0 && errno == EINTR) {
            continue;
        }
        if (moved <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(moved);
    }
    return true;
}

// Only the ASCII letters fold: names are single-byte instrument text or UTF-8,
// and a locale's idea of case for the upper half would differ between machines.
unsigned char Lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

enum class EntryKind { File, Folder, Any };

std::vector<std::string> ListEntries(const std::string& folder, const std::string& pattern, EntryKind kind) {
    std::vector<std::string> found;
    FolderListing::ForEachEntry(folder, [&](std::string_view name, FolderListing::Kind listed) {
        if ((kind == EntryKind::Folder && listed != FolderListing::Kind::Folder) ||
            (kind == EntryKind::File && listed != FolderListing::Kind::File)) {
            return;
        }
        if (std::string entry(name); FileSystem::WildcardMatch(pattern, entry)) {
            found.push_back(std::move(entry));
        }
    });
    // Only what matched is sorted: a few bank files among thousands of others.
    std::stable_sort(found.begin(), found.end(), FileSystem::LessNoCase);
    return found;
}

}  // namespace

char FileSystem::Separator() { return static_cast<char>(stdfs::path::preferred_separator); }

std::string FileSystem::WithSeparator(const std::string& folder) {
    if (!folder.empty() && IsSeparator(folder.back())) {
        return folder;
    }
    return folder + Separator();
}

std::string FileSystem::WithoutTrailingSeparator(const std::string& folder) {
    if (folder.size() > 1 && IsSeparator(folder.back())) {
        return folder.substr(0, folder.size() - 1);
    }
    return folder;
}

std::string FileSystem::LastComponent(const std::string& path) {
    const auto at = path.find_last_of("/\\");
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string FileSystem::ParentFolder(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    const auto at = trimmed.find_last_of("/\\");
    if (at == std::string::npos) {
        return ".";
    }
    return at == 0 ? trimmed.substr(0, 1) : trimmed.substr(0, at);
}

bool FileSystem::Exists(const std::string& path) {
    std::error_code ec;
    return stdfs::exists(path, ec);
}

bool FileSystem::IsDirectory(const std::string& path) {
    std::error_code ec;
    return stdfs::is_directory(path, ec);
}

bool FileSystem::IsRegularFile(const std::string& path) {
    std::error_code ec;
    return stdfs::is_regular_file(path, ec);
}

bool FileSystem::Remove(const std::string& path) {
    std::error_code ec;
    return stdfs::remove(path, ec);
}

bool FileSystem::CreateDirectory(const std::string& path) {
    std::error_code ec;
    stdfs::create_directories(path, ec);
    return IsDirectory(path);
}

std::string FileSystem::Folded(const std::string& name) {
    std::string folded(name.size(), '\0');
    std::transform(name.begin(), name.end(), folded.begin(), [](char c) { return static_cast<char>(Lower(c)); });
    return folded;
}

bool FileSystem::EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}


bool FileSystem::EndsWithNoCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && EqualsNoCase(text.substr(text.size() - end.size()), end);
}

bool FileSystem::LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

bool FileSystem::WildcardMatch(const std::string& pattern, const std::string& name) {
    // Iterative matcher with one back-tracking point for the last '*'.
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::optional<std::string> FileSystem::FindNoCase(const std::string& folder, const std::string& name) {
    const std::string base = WithSeparator(folder.empty() ? "." : folder);
    if (Exists(base + name)) {
        return base + name;
    }
    const auto listed = ListedName(folder, name);
    return listed ? std::optional<std::string>(base + *listed) : std::nullopt;
}

std::optional<std::string> FileSystem::ListedName(const std::string& folder, const std::string& name) {
    return FolderListing(folder).ListedName(name);
}

std::vector<std::string> FileSystem::FindFiles(const std::string& folder, const std::string& pattern) {
    return ListEntries(folder, pattern, EntryKind::File);
}

std::vector<std::string> FileSystem::FindFolders(const std::string& folder, const std::string& pattern) {
    return ListEntries(folder, pattern, EntryKind::Folder);
}

std::vector<std::string> FileSystem::FindEntries(const std::string& folder, const std::string& pattern) {
    return ListEntries(folder, pattern, EntryKind::Any);
}

std::optional<std::uintmax_t> FileSystem::FileSize(const std::string& path) {
    std::error_code ec;
    if (!stdfs::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    const auto size = stdfs::file_size(path, ec);
    return ec ? std::nullopt : std::optional<std::uintmax_t>(size);
}

bool FileSystem::ReadBytes(const std::string& path, std::vector<std::uint8_t>& out, std::uintmax_t maxSize) {
    // Asked before opening: a pipe or a device is never opened, only refused.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uintmax_t>(status.st_size) > maxSize) {
        return false;
    }
    // Non-blocking, should a pipe have taken the file's place since: it then
    // reads nothing and is refused instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size));
    // A file that shrank since it was asked about reads short and is refused.
    const bool read = Transfer(bytes.size(), [&](std::size_t at, std::size_t n) { return ::read(fd, bytes.data() + at, n); });
    ::close(fd);
    if (!read) {
        return false;
    }
    out = std::move(bytes);
    return true;
}

bool FileSystem::SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (stdfs::equivalent(a, b, ec) && !ec) {
        return true;
    }
    // On a disk that ignores case both names are one file even before it exists.
    const stdfs::path pathA(a), pathB(b);
    if (!EqualsNoCase(pathA.filename().string(), pathB.filename().string())) {
        return false;
    }
    const stdfs::path folderA = pathA.parent_path().empty() ? "." : pathA.parent_path();
    const stdfs::path folderB = pathB.parent_path().empty() ? "." : pathB.parent_path();
    std::error_code folderError;
    return folderA == folderB || (stdfs::equivalent(folderA, folderB, folderError) && !folderError);
}

std::string FileSystem::ExistingSpelling(const std::string& path) {
    // The folder is listed rather than asked: a disk that ignores case says a
    // name exists under any spelling, but lists it under its real one.
    const stdfs::path target(path);
    const auto listed = ListedName(target.parent_path().string(), target.filename().string());
    return listed ? (target.parent_path() / *listed).string() : path;
}

std::string FileSystem::TemporaryNameBeside(const std::string& path) {
    static std::mt19937 random{std::random_device{}()};
    const std::string suffix = kTemporaryMark + std::to_string(random() % 1000000);
    // A name the disk takes must not fail for its temporary name: the mark
    // takes the place of the name's end where the whole would be too long.
    const std::string target = WithoutTrailingSeparator(path);
    const std::string name = LastComponent(target);
    const std::size_t room = kMaxNameBytes - suffix.size();
    if (name.size() <= room) {
        return target + suffix;
    }
    return target.substr(0, target.size() - name.size()) + Cp1252::Utf8Prefix(name, room) + suffix;
}

bool FileSystem::IsTemporaryName(const std::string& name) {
    const std::string mark = kTemporaryMark;
    const auto at = name.rfind(mark);
    if (at == std::string::npos || at == 0 || at + mark.size() == name.size()) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(at + mark.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

void FileSystem::RemoveLeftovers(const std::string& folder) { FolderListing(folder).RemoveLeftovers(); }

bool FileSystem::Rename(const std::string& from, const std::string& to) {
    std::error_code ec;
    stdfs::rename(from, to, ec);
    return !ec;
}

bool FileSystem::WriteBytesSafely(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // A file whose name differs only in case is the same file on FAT: replacing
    // it under its own spelling keeps one file, as the instrument expects.
    return WriteNewBytesSafely(ExistingSpelling(path), bytes);
}

bool FileSystem::WriteNewBytesSafely(const std::string& target, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = TemporaryNameBeside(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const bool written =
        Transfer(bytes.size(), [&](std::size_t at, std::size_t n) { return ::write(fd, bytes.data() + at, n); });
    // A full disk may show only when the last block is written at close.
    if (::close(fd) != 0 || !written) {
        Remove(temporary);
        return false;
    }
    std::error_code ec;
    stdfs::rename(temporary, target, ec);
    if (ec) {
        Remove(temporary);
        return false;
    }
    return true;
}

}  // namespace kalivo
