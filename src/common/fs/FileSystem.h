#pragma once
// The one place where the program touches files. Instrument disks mix the
// case of names ("REG", "reg", "Reg"), so every lookup ignores case; every
// write goes through a temporary file in the same folder and a rename, so a
// failed write never destroys the file it was replacing.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalivo {

class FileSystem {
public:
    // Largest file the readers accept; the instruments' files are far smaller.
    static constexpr std::uintmax_t kMaxReadSize = 64u * 1024u * 1024u;

    static char Separator();
    static bool IsSeparator(char c) { return c == '/' || c == '\\'; }
    // folder + one separator (a root such as "/" keeps its own).
    static std::string WithSeparator(const std::string& folder);
    // The folder as a folder browser returns it: one trailing separator removed,
    // but a bare root stays as it is.
    static std::string WithoutTrailingSeparator(const std::string& folder);
    // The last component of a path, with "/" and "\" both taken as separators.
    static std::string LastComponent(const std::string& path);
    // The folder a path lies in (a trailing separator of path ignored): "."
    // for a bare name, the root itself for an entry of the root.
    static std::string ParentFolder(const std::string& path);

    static bool Exists(const std::string& path);
    static bool IsDirectory(const std::string& path);
    static bool IsRegularFile(const std::string& path);
    static bool Remove(const std::string& path);
    static bool CreateDirectory(const std::string& path);

    // The real name of the entry of folder whose name equals name ignoring case
    // (an exact match wins), as a full path; nothing when there is none.
    static std::optional<std::string> FindNoCase(const std::string& folder, const std::string& name);
    // The name of the entry of folder that equals name (exactly, else ignoring
    // case) as the folder lists it; nothing when there is none.
    static std::optional<std::string> ListedName(const std::string& folder, const std::string& name);
    // Names (not paths) of the regular files of folder that match a wildcard
    // pattern ('*', '?') ignoring case, in case-insensitive name order.
    static std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern);
    // Same for sub-folders.
    static std::vector<std::string> FindFolders(const std::string& folder, const std::string& pattern);
    // Same for entries of any kind (folders, links, devices too), so that a
    // reader can name what it cannot read instead of passing over it.
    static std::vector<std::string> FindEntries(const std::string& folder, const std::string& pattern);

    static bool WildcardMatch(const std::string& pattern, const std::string& name);
    // Bytes compared unsigned with only the ASCII letters folded.
    static bool EqualsNoCase(const std::string& a, const std::string& b);
    // The name as the comparisons ignoring case see it, for keys of lookups.
    static std::string Folded(const std::string& name);
    static bool LessNoCase(const std::string& a, const std::string& b);
    static bool EndsWithNoCase(const std::string& text, const std::string& end);
    // True when both paths name one file: the same entry of the file system,
    // or names equal ignoring case in the same folder (one file on FAT).
    static bool SameFile(const std::string& a, const std::string& b);
    // path, or the existing entry of its folder whose name equals path's name
    // ignoring case, under that entry's spelling.
    static std::string ExistingSpelling(const std::string& path);

    // The size of a regular file; nothing when there is none at that path.
    static std::optional<std::uintmax_t> FileSize(const std::string& path);
    // Whole file; false when it cannot be read or is larger than maxSize.
    static bool ReadBytes(const std::string& path, std::vector<std::uint8_t>& out,
                          std::uintmax_t maxSize = kMaxReadSize);
    // Writes a temporary file beside path, then renames it over path; when the
    // folder holds the name in other letters, over that file under its spelling.
    // Fails, leaving the old file as it was, when writing or closing fails.
    static bool WriteBytesSafely(const std::string& path, const std::vector<std::uint8_t>& bytes);
    // The same for a name the caller knows its folder holds in no spelling
    // (it listed the folder once for many files): no listing per file.
    static bool WriteNewBytesSafely(const std::string& path, const std::vector<std::uint8_t>& bytes);

    // A name beside path for a file or folder being built: path +
    // kTemporaryMark + digits, the one pattern of everything the program
    // writes before renaming it into place.
    static constexpr const char* kTemporaryMark = ".kalivo-tmp";
    // The longest file name (bytes) the file systems in use take.
    static constexpr std::size_t kMaxNameBytes = 255;
    static std::string TemporaryNameBeside(const std::string& path);
    static bool IsTemporaryName(const std::string& name);
    // Removes what an interrupted write of the program left in folder (files
    // and folders named by TemporaryNameBeside), nothing else. A store calls it
    // once for each folder it writes into.
    static void RemoveLeftovers(const std::string& folder);
    // Renames an entry (a file or a whole folder) in one step.
    static bool Rename(const std::string& from, const std::string& to);
};

}  // namespace kalivo
