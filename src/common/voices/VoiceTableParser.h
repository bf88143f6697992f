#pragma once
// Voice tables in the tab-separated layout of data/voices and data/tyros: a
// header line naming the columns (program, lsb, msb, name, and an optional
// prefix shown before the name), then one row a voice. '#' starts a comment
// line; a byte outside ASCII may be written \xHH.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/voices/VoiceList.h"
#include "common/voices/VoiceListText.h"

namespace kalivo {

class VoiceTableParser {
public:
    explicit VoiceTableParser(std::string file) : file_(std::move(file)) {}

    // Whether the first line that is neither blank nor a comment has tabs.
    static bool LooksLikeTable(const std::vector<VoiceListLine>& lines);

    std::optional<VoiceList> Parse(const std::vector<VoiceListLine>& lines, std::string& error);

private:
    struct Columns {
        int program = 0, lsb = 1, msb = 2, name = 3, prefix = -1;
        int needed = 4;
    };

    bool ReadHeader(const std::vector<std::string>& fields);
    bool ReadRow(const VoiceListLine& line, const std::vector<std::string>& fields, VoiceList& list,
                 std::string& error) const;

    std::string file_;
    Columns columns_;
    bool headerSeen_ = false;
};

}  // namespace kalivo
