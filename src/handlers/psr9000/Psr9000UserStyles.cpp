#include "handlers/psr9000/Psr9000UserStyles.h"

#include <algorithm>

#include "common/ByteReader.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr9000/Psr9000StyleTable.h"

namespace kalivo {

using namespace psr9000;

namespace {

constexpr std::size_t kStyleHeaderSize = 16;
constexpr std::size_t kStyleRecordSize = 512;
constexpr std::size_t kStyleNameOffset = 16;
constexpr std::size_t kStyleNameSize = 16;

bool IsValidStyleRecord(std::span<const std::uint8_t> record) { return record[6] == 24 && record[7] == 8; }

std::string StyleRecordName(std::span<const std::uint8_t> record) {
    const auto field = record.subspan(kStyleNameOffset, kStyleNameSize);
    std::string name(field.begin(), std::find(field.begin(), field.end(), std::uint8_t{0}));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

}  // namespace

void Psr9000UserStyles::Reset() {
    // Every load resets them: the defaults are formatted once.
    static const std::array<std::string, kUserStyleCount> defaults = [] {
        std::array<std::string, kUserStyleCount> names;
        for (std::size_t i = 0; i < names.size(); ++i) {
            names[i] = Psr9000StyleTable::Name(static_cast<std::uint8_t>(kFirstUserStyle + i));
        }
        return names;
    }();
    names_ = defaults;
}

std::string Psr9000UserStyles::Name(std::uint8_t number, bool marked) const {
    if (!Psr9000StyleTable::IsUserStyle(number)) {
        return Psr9000StyleTable::Name(number);
    }
    const std::string& name = names_[number - kFirstUserStyle];
    return marked ? "*" + name + "*" : name;
}

void Psr9000UserStyles::Set(int index, const std::string& name) {
    if (index >= 0 && index < kUserStyleCount) {
        names_[static_cast<std::size_t>(index)] = name;
    }
}

Status Psr9000UserStyles::ReadBackup(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    if (!reader.Skip(kStyleHeaderSize)) {
        return Status::kNotValid;
    }
    for (int index = 0; index < kUserStyleCount; ++index) {
        std::span<const std::uint8_t> record;
        if (!reader.ReadBytes(kStyleRecordSize, record) || !IsValidStyleRecord(record)) {
            return Status::kNotValid;
        }
        if (const std::string name = StyleRecordName(record); name != "No Data") {
            Set(index, name);
        }
    }
    return Status::kDone;
}

}  // namespace kalivo
