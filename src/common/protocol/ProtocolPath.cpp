#include "common/protocol/ProtocolPath.h"

#include "common/fs/FileSystem.h"

namespace kalivo {

ProtocolForm ProtocolPath::FormOf(const std::string& path) {
    if (FileSystem::EndsWithNoCase(path, "txt")) {
        return ProtocolForm::Text;
    }
    return FileSystem::EndsWithNoCase(path, "htm") ? ProtocolForm::Html : ProtocolForm::None;
}

}  // namespace kalivo
