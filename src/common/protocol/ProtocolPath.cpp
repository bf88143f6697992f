#include "common/protocol/ProtocolPath.h"

#include "common/fs/FileSystem.h"

namespace kalivo {

ProtocolForm ProtocolPath::FormOf(const std::string& path) {
    if (path.size() < 3) {
        return ProtocolForm::None;
    }
    const std::string ending = path.substr(path.size() - 3);
    if (FileSystem::EqualsNoCase(ending, "txt")) {
        return ProtocolForm::Text;
    }
    if (FileSystem::EqualsNoCase(ending, "htm")) {
        return ProtocolForm::Html;
    }
    return ProtocolForm::None;
}

}  // namespace kalivo
