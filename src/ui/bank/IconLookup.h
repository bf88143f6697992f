#pragma once
// Finding icons of the icon list by their codes, and the text shown for an
// icon's file. Shared by the Select Icon and View Bank dialogs.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kalivo {

class IconLookup {
public:
    // The file without its last four characters (the extension).
    static std::string FileTitle(const std::string& file);
    // The first icon whose code equals code.
    static std::optional<std::size_t> FindCode(const std::vector<std::string>& codes, const std::string& code);
    // The first icon whose code ends in suffix.
    static std::optional<std::size_t> FindCodeEnding(const std::vector<std::string>& codes,
                                                     const std::string& suffix);
};

}  // namespace kalivo
