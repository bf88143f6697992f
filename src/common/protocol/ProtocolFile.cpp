#include "common/protocol/ProtocolFile.h"

#include <cstdint>
#include <vector>

#include "common/fs/FileSystem.h"
#include "handlers/StatusCodes.h"

namespace kalivo {

int ProtocolFile::Write(const std::string& path, const std::string& bytes) {
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    return FileSystem::WriteBytesSafely(path, data) ? status::kDone : status::kProtocolNotCreated;
}

}  // namespace kalivo
