#include "ui/bank/IconLookup.h"

#include <algorithm>

namespace kalivo {

std::string IconLookup::FileTitle(const std::string& file) {
    return file.size() > 4 ? file.substr(0, file.size() - 4) : std::string();
}

std::optional<std::size_t> IconLookup::FindCode(const std::vector<std::string>& codes, const std::string& code) {
    const auto it = std::find(codes.begin(), codes.end(), code);
    if (it == codes.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - codes.begin());
}

std::optional<std::size_t> IconLookup::FindCodeEnding(const std::vector<std::string>& codes,
                                                      const std::string& suffix) {
    const auto it = std::find_if(codes.begin(), codes.end(), [&suffix](const std::string& code) {
        return code.size() >= suffix.size() && code.compare(code.size() - suffix.size(), suffix.size(), suffix) == 0;
    });
    if (it == codes.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - codes.begin());
}

}  // namespace kalivo
