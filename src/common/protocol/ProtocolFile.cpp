#include "common/protocol/ProtocolFile.h"

#include <cstdint>
#include <vector>

#include "common/fs/FileSystem.h"
#include "common/protocol/ProtocolPath.h"
#include "common/text/Cp1252.h"

namespace kalivo {

bool ProtocolFile::Write(const std::string& path, const std::string& bytes, TextEncoding encoding) {
    const bool utf8 = encoding == TextEncoding::Utf8 && ProtocolPath::FormOf(path) == ProtocolForm::Text;
    const std::string text = utf8 ? Cp1252::ToUtf8(bytes) : bytes;
    const std::vector<std::uint8_t> data(text.begin(), text.end());
    return FileSystem::WriteBytesSafely(path, data);
}

}  // namespace kalivo
