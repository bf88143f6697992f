#pragma once
// A folder that regfiles are created in: a new regfile never replaces a file
// already there (or made before), it gets the next free "#1", "#2", ... name.
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace kalivo {

class TyrosRegfileFolder {
public:
    // folder ends in a separator; the names already in it are read once.
    explicit TyrosRegfileFolder(std::string folder);

    // Writes base + ".tyr", or the first free base + "#n" + ".tyr"; path is
    // the file chosen. False when the file cannot be written.
    bool Write(const std::string& base, const std::vector<std::uint8_t>& bytes, std::string& path);

private:
    static std::string Key(const std::string& name);  // names compare ignoring case
    std::string FreeName(const std::string& base) const;

    std::string folder_;
    std::unordered_set<std::string> taken_;
};

}  // namespace kalivo
