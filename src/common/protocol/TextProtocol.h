#pragma once
// Collects a tab-separated text protocol. Protocols are Windows-1252 text and
// end every line in CR LF, as on the instruments' own PC tools.
#include <string>
#include <vector>

namespace kalivo {

class TextProtocol {
public:
    void Line(const std::string& text);                   // text + CR LF
    void Fields(const std::vector<std::string>& fields);  // joined by TAB, + CR LF
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace kalivo
