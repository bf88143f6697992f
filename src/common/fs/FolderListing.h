#pragma once
// The entries of one folder, for a load that looks up several names in it.
// A name is tried as given and in upper case (as the instruments write it)
// with one status call each; the folder is listed only when neither is
// there, and then once for every later lookup, which the listing answers.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalivo {

class FolderListing {
public:
    enum class Kind { File, Folder, Other };
    struct Entry {
        std::string path;
        Kind kind;
    };

    // folder need not exist: then nothing is found.
    explicit FolderListing(std::string folder);

    std::string PathOf(const std::string& name) const;
    // The path of the entry whose name equals name ignoring case (an exact
    // match wins), of any kind, of a regular file, of a folder.
    std::optional<std::string> FindPath(const std::string& name) const;
    std::optional<std::string> FindFile(const std::string& name) const;
    std::optional<std::string> FindFolder(const std::string& name) const;
    // The name as the listing spells it (an exact match wins), without asking
    // the disk first: a disk that ignores case finds any spelling.
    std::optional<std::string> ListedName(const std::string& name) const;
    // Every entry's name, in case-insensitive order (the folder listed once),
    // and the kind of each, index for index.
    const std::vector<std::string>& Names() const;
    const std::vector<Kind>& Kinds() const;
    // Calls visit(name, kind) for every entry of folder but . and .., in the
    // order the system lists them, links followed for the kind.
    static void ForEachEntry(const std::string& folder, const std::function<void(std::string_view, Kind)>& visit);
    // Removes what an interrupted write of this program left in the folder
    // (FileSystem::IsTemporaryName), from the disk and from the listing.
    void RemoveLeftovers();

private:
    std::optional<Entry> Find(const std::string& name) const;
    std::optional<std::size_t> IndexOf(const std::string& name) const;
    std::optional<Entry> Probe(const std::string& name) const;
    void List() const;
    void Sort() const;
    // The entries in the system's order (listing the folder if not yet).
    const std::vector<std::string>& Listed() const;

    std::string folder_;
    mutable bool listed_ = false;
    mutable bool sorted_ = false;
    mutable std::vector<std::string> names_;
    mutable std::vector<Kind> kinds_;
};

}  // namespace kalivo
