#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "handlers/Outcome.h"

namespace kalivo {

// A folder new regfiles go into, whatever the model's extension: a new file
// never replaces one already there (or written before), it takes the next
// free "#1", "#2", ... name.
class RegfileFolder {
public:
    RegfileFolder(std::string folder, std::string extension);
    // A name as a part of a regfile name (instrument text): blanks, '\'', '*'
    // and '?' become '_', and trailing '_' go.
    static std::string Underscored(std::string name);
    // Writes base (Windows-1252) as a file name; path is the file chosen.
    bool Write(const std::string& base, const std::vector<std::uint8_t>& bytes, std::string& path);
    // After the last Write: done, or kNotValid with one message naming the
    // first file that could not be written and how many more failed (a folder
    // refusing every file must not ask for hundreds of clicks).
    Outcome Failures() const;

private:
    static std::string Key(const std::string& name);
    std::string FreeName(const std::string& base) const;

    std::string folder_;
    std::string extension_;
    std::unordered_set<std::string> taken_;
    std::vector<std::string> failed_;
};

}  // namespace kalivo
