#include "handlers/psr740_8000/Psr740CustomStyles.h"

#include "common/fs/FileSystem.h"
#include "common/fs/TextFile.h"
#include "common/tables/StyleList.h"

namespace kalivo {

namespace {

constexpr const char* kKey = "S__";
constexpr std::size_t kSlotAt = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Psr740CustomStyles::Psr740CustomStyles(const Psr740Model& model) : model_(&model) { Reset(); }

void Psr740CustomStyles::Reset() {
    names_.clear();
    for (int i = 0; i < model_->customStyleCount; ++i) {
        names_.push_back(model_->styles().Name(static_cast<std::uint8_t>(model_->firstCustomStyle + i)));
    }
}

std::string Psr740CustomStyles::Name(int styleNumber) const {
    const int index = styleNumber - model_->firstCustomStyle;
    return index >= 0 && index < static_cast<int>(names_.size()) ? names_[static_cast<std::size_t>(index)]
                                                                   : model_->styles().Name(0xFF);
}

bool Psr740CustomStyles::ReadLines(const std::vector<std::string>& lines, const std::string& keyPrefix) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string& key = lines[i];
        if (key.compare(0, keyPrefix.size(), keyPrefix) != 0 || key.size() < kSlotAt + 2 ||
            !IsDigit(key[kSlotAt]) || !IsDigit(key[kSlotAt + 1])) {
            continue;
        }
        const int slot = (key[kSlotAt] - '0') * 10 + (key[kSlotAt + 1] - '0');
        if (slot > static_cast<int>(names_.size())) {
            return false;
        }
        std::string name = lines[++i];
        name.erase(name.find_last_not_of(std::string(" \0", 2)) + 1);
        if (slot > 0) {  // "00" names no slot
            names_[static_cast<std::size_t>(slot - 1)] = name;
        }
    }
    return true;
}

bool Psr740CustomStyles::ReadFile(const std::string& path, const std::string& keyPrefix) {
    std::vector<std::string> lines;
    return !path.empty() && TextFile::ReadLines(path, lines) && ReadLines(lines, keyPrefix);
}

std::string Psr740CustomStyles::StyleFileOf(const std::string& folder) {
    return FileSystem::FindNoCase(folder, "sty.mng").value_or(std::string());
}

std::string Psr740CustomStyles::SetNumberOf(const std::string& userFilePath) {
    std::vector<std::string> lines;
    if (!TextFile::ReadLines(userFilePath, lines)) {
        return std::string();
    }
    for (const std::string& line : lines) {
        if (line.compare(0, 3, kKey) == 0) {
            return line.substr(3, 3);
        }
    }
    return std::string();
}

}  // namespace kalivo
