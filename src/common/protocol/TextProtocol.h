#pragma once
// Collects a tab-separated text protocol. Protocols are Windows-1252 text and
// end every line in CR LF, as on the instruments' own PC tools.
#include <string>
#include <vector>

namespace kalivo {

class TextProtocol {
public:
    void Line(const std::string& text);                   // text + CR LF
    // Joined by TAB, + CR LF; each field as Field makes it.
    void Fields(const std::vector<std::string>& fields);
    // A TAB, CR or LF inside a name would break the columns: they become blanks.
    static std::string Field(std::string text);
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace kalivo
