#include "common/voices/VoiceTableParser.h"

#include <algorithm>
#include <tuple>

namespace kalivo {
namespace {

std::vector<std::string> SplitTabs(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = text.find('\t', start);
        fields.push_back(text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool IsCommentOrBlank(const std::string& text) {
    const std::string_view trimmed = VoiceListText::Trim(text);
    return trimmed.empty() || trimmed.front() == '#';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "\xHH" stands for one Windows-1252 byte; anything else stays as written.
std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' && HexDigit(text[i + 2]) >= 0 &&
            HexDigit(text[i + 3]) >= 0) {
            out.push_back(static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3])));
            i += 3;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace

bool VoiceTableParser::LooksLikeTable(const std::vector<VoiceListLine>& lines) {
    for (const VoiceListLine& line : lines) {
        if (!IsCommentOrBlank(line.text)) {
            return line.text.find('\t') != std::string::npos;
        }
    }
    return false;
}

bool VoiceTableParser::ReadHeader(const std::vector<std::string>& fields) {
    Columns columns;
    columns.program = columns.lsb = columns.msb = columns.name = -1;
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const std::string_view field = VoiceListText::Trim(fields[static_cast<std::size_t>(i)]);
        for (auto [title, column] : {std::pair{"program", &columns.program}, std::pair{"lsb", &columns.lsb},
                                     std::pair{"msb", &columns.msb}, std::pair{"name", &columns.name},
                                     std::pair{"prefix", &columns.prefix}}) {
            if (VoiceListText::EqualsNoCase(field, title)) {
                *column = i;
            }
        }
    }
    if (columns.program < 0 || columns.lsb < 0 || columns.msb < 0 || columns.name < 0) {
        return false;
    }
    columns.needed = 1 + std::max({columns.program, columns.lsb, columns.msb, columns.name, columns.prefix});
    columns_ = columns;
    headerSeen_ = true;
    return true;
}

std::optional<VoiceList> VoiceTableParser::Parse(const std::vector<VoiceListLine>& lines, std::string& error) {
    VoiceList list;
    for (const VoiceListLine& line : lines) {
        if (IsCommentOrBlank(line.text)) {
            continue;
        }
        const std::vector<std::string> fields = SplitTabs(line.text);
        if (!VoiceListText::Number(VoiceListText::Trim(fields.front()))) {
            // A header names the columns; other lines before it (such as the
            // built-in Tyros table's "table" line) say nothing about voices.
            if (headerSeen_ || (!ReadHeader(fields) && list.RowCount() > 0)) {
                error = VoiceListText::Problem(file_, line.number, "not a row of numbers and a name");
                return std::nullopt;
            }
            continue;
        }
        if (!ReadRow(line, fields, list, error)) {
            return std::nullopt;
        }
    }
    if (list.RowCount() == 0) {
        error = VoiceListText::Problem(file_, 0, "holds no voice rows");
        return std::nullopt;
    }
    return list;
}

bool VoiceTableParser::ReadRow(const VoiceListLine& line, const std::vector<std::string>& fields, VoiceList& list,
                               std::string& error) const {
    if (static_cast<int>(fields.size()) < columns_.needed) {
        error = VoiceListText::Problem(file_, line.number, "a row needs program, lsb, msb and name, tab-separated");
        return false;
    }
    const auto field = [&](int column) { return VoiceListText::Trim(fields[static_cast<std::size_t>(column)]); };
    const auto program = VoiceListText::Number(field(columns_.program));
    const auto lsb = VoiceListText::Number(field(columns_.lsb));
    const auto msb = VoiceListText::Number(field(columns_.msb));
    if (!program || *program < 0 || *program > 127) {
        error = VoiceListText::Problem(file_, line.number,
                                       "program " + std::string(field(columns_.program)) + " is outside 0..127");
        return false;
    }
    for (auto [number, column, title] : {std::tuple{lsb, columns_.lsb, "lsb"}, std::tuple{msb, columns_.msb, "msb"}}) {
        if (!number || *number < 0 || *number > 127) {
            error = VoiceListText::Problem(file_, line.number,
                                           std::string(title) + " " + std::string(field(column)) + " is outside 0..127");
            return false;
        }
    }
    std::string name = Unescape(field(columns_.name));
    if (columns_.prefix >= 0) {
        name.insert(0, Unescape(field(columns_.prefix)));
    }
    if (!name.empty()) {
        list.Add(*msb, *lsb, *program, std::move(name));
    }
    return true;
}

}  // namespace kalivo
