#pragma once
// The entry of one stored set in its disk's STY.MNG: for each custom style
// slot a key line "S__" nnn ss and the style name on the next line. A set
// stored from another set carries this entry under its own number, so that
// its custom style names come back with it.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kalivo {

class Psr740StyleEntry {
public:
    // The entry of set nnn in a disk's STY.MNG; empty when there is none or
    // the file cannot be read (the load that wants the names reports that).
    static Psr740StyleEntry Read(const std::optional<std::string>& styleFile, const std::string& setNumber);

    bool Empty() const { return lines_.empty(); }
    // The entry as STY.MNG lines (CR LF) for set nnn.
    std::string LinesFor(const std::string& setNumber) const;
    bool operator==(const Psr740StyleEntry&) const = default;

private:
    std::vector<std::pair<std::string, std::string>> lines_;  // slot digits, name line as read
};

}  // namespace kalivo
