#pragma once
// The bank files the last Load Archive list showed, by title, as their folder
// spells them (Tyros, CVP2 Series, PSR-2000). A load of many banks reads each
// by that name, so the folder is not listed once per bank; only a file
// renamed since, or never listed, is looked for again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kalivo {

class ListedBankFiles {
public:
    // The titles of the files in folder that match pattern and are longer than
    // the suffixSize characters that end them, in the order they were found.
    std::vector<std::string> List(const std::string& folder, const std::string& pattern, std::size_t suffixSize);

    struct Read {
        std::string file;  // the name as the folder spells it (or as asked, when none is there)
        std::string path;
        bool read = false;
    };
    // Reads the bank file of title (title + suffix in any spelling) from folder
    // into bytes: by its listed name, else by its exact name, else by the
    // folder's current spelling.
    Read ReadBank(const std::string& folder, const std::string& title, const std::string& suffix,
                  std::vector<std::uint8_t>& bytes) const;

private:
    std::string folder_;
    std::unordered_map<std::string, std::string> files_;
};

}  // namespace kalivo
