#include "handlers/tyros/TyrosRegfile.h"

#include <algorithm>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "handlers/tyros/TyrosByteText.h"

namespace kalivo {

using namespace tyros;

TyrosRegfile::Header TyrosRegfile::MakeHeader(const std::string& bankName, int part) {
    Header header = kRegfileHeaderTemplate;
    const std::size_t length = std::min(bankName.size(), kRegfileNameWidth);
    header[kRegfileNameLengthAt] = 0;
    header[kRegfileNameLengthAt + 1] = static_cast<std::uint8_t>(length);
    std::copy_n(bankName.begin(), length, header.begin() + kRegfileNameAt);
    header[kRegfilePartAt] = static_cast<std::uint8_t>(part >> 8);
    header[kRegfilePartAt + 1] = static_cast<std::uint8_t>(part);
    return header;
}

std::string TyrosRegfile::BankName(const Header& header) {
    const std::size_t length = std::min<std::size_t>(ByteReader::U16At(header, kRegfileNameLengthAt),
                                                     kRegfileNameWidth);
    return std::string(header.begin() + kRegfileNameAt, header.begin() + kRegfileNameAt + length);
}

int TyrosRegfile::Part(const Header& header) {
    const int part = ByteReader::U16At(header, kRegfilePartAt);
    return part < kPartsPerBank ? part : -1;
}

std::vector<std::uint8_t> TyrosRegfile::Write(const Header& header, const TyrosRegistration& registration) {
    ByteWriter out;
    out.Bytes(header);
    registration.Serialize(out);
    return out.Take();
}

Outcome TyrosRegfile::Read(std::span<const std::uint8_t> bytes, Header& header, TyrosRegistration& registration,
                           UserInterface& ui, bool& warningCarry, TyrosRegistration::ParseOptions options) {
    if (bytes.size() < kRegfileHeaderSize || !StartsWithId(bytes, kRegfileMagic)) {
        return {Status::kNotValid, std::string()};
    }
    std::copy_n(bytes.begin(), kRegfileHeaderSize, header.begin());
    options.toEnd = true;
    const std::string problem = registration.Parse(bytes.subspan(kRegfileHeaderSize), false, warningCarry, ui, options);
    warningCarry = registration.StopWarnings();
    // A regfile is written only for a registration: one that parses to none,
    // or holds only blocks that are never written back (type 0), is damaged.
    const bool sound = !registration.IsEmpty() && registration.SerializedSize() > kHeadSize;
    return {sound ? Status::kDone : Status::kNotValid, problem};
}

}  // namespace kalivo
