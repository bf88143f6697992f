#include "app/NoCasePath.h"

#include "common/fs/FileSystem.h"

namespace kalivo {

std::optional<std::string> NoCasePath::Resolve(const std::string& base, const std::string& relative) {
    std::string current = FileSystem::WithSeparator(base);
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = start;
        while (end < relative.size() && !FileSystem::IsSeparator(relative[end])) {
            ++end;
        }
        const std::string component = relative.substr(start, end - start);
        start = end + 1;
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            return std::nullopt;
        }
        const auto found = FileSystem::FindNoCase(current, component);
        if (!found) {
            return std::nullopt;
        }
        current = *found;
    }
    return current;
}

}  // namespace kalivo
