#include "app/SettingsFile.h"

#include <utility>
#include <vector>

#include "common/fs/FileSystem.h"
#include "common/fs/TextFile.h"

namespace kalivo {

namespace {

const char* const kModelHeader = "[Model]";
const char* const kAskKey = "CustomStyleDlg=";
const char* const kImplicitKey = "ImpliciteSearchForStyles=";
const char* const kDefaultKey = "DefaultCustomArchive=";
const char* const kPathKey = "CustomArchivePath=";
// File and instrument, a tab between them: neither holds a tab in practice.
const char* const kVoiceListKey = "VoiceList=";
constexpr std::size_t kVoiceListLine = 5;  // after the header and its four option lines

std::string SectionHeader(const std::string& modelName) { return "[" + modelName + "]"; }

bool StartsWith(const std::string& line, const std::string& key) { return line.compare(0, key.size(), key) == 0; }

// A flag line counts only when it begins with its key and "1" follows it.
bool ReadFlag(const std::vector<std::string>& lines, std::size_t index, const std::string& key) {
    return index < lines.size() && StartsWith(lines[index], key) && lines[index].size() > key.size() &&
           lines[index][key.size()] == '1';
}

void ReadSection(const std::vector<std::string>& lines, const std::string& modelName, StyleArchiveOptions& options) {
    const std::string header = SectionHeader(modelName);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != header) {
            continue;
        }
        options.askForStyleArchive = ReadFlag(lines, i + 1, kAskKey);
        options.implicitSearch = ReadFlag(lines, i + 2, kImplicitKey);
        options.useDefaultArchive = ReadFlag(lines, i + 3, kDefaultKey);
        if (options.useDefaultArchive && i + 4 < lines.size() && StartsWith(lines[i + 4], kPathKey)) {
            options.defaultArchiveFolder = lines[i + 4].substr(std::string(kPathKey).size());
        }
        return;
    }
}

std::vector<std::string> OptionLines(const StyleArchiveOptions& options) {
    auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    return {kAskKey + flag(options.askForStyleArchive), kImplicitKey + flag(options.implicitSearch),
            kDefaultKey + flag(options.useDefaultArchive), kPathKey + options.defaultArchiveFolder};
}

}  // namespace

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

std::optional<Model> SettingsFile::ReadStartup(StyleArchiveOptions& options) const {
    options = StyleArchiveOptions{};
    std::vector<std::string> lines;
    if (!TextFile::ReadLines(path_, lines)) {
        return std::nullopt;
    }
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != kModelHeader) {
        ++i;
    }
    if (i + 1 >= lines.size()) {
        return std::nullopt;
    }
    const auto model = ModelCatalog::FromExactName(lines[i + 1]);
    if (model) {
        ReadSection(lines, lines[i + 1], options);
    }
    return model;
}

void SettingsFile::ReadOptions(const std::string& modelName, StyleArchiveOptions& options) const {
    options = StyleArchiveOptions{};
    std::vector<std::string> lines;
    if (TextFile::ReadLines(path_, lines)) {
        ReadSection(lines, modelName, options);
    }
}

bool SettingsFile::Write(const std::string& activeModelName, const StyleArchiveOptions& options) const {
    std::vector<std::string> lines;
    if (!TextFile::ReadLines(path_, lines)) {
        lines = {kModelHeader, activeModelName};
    }
    const std::string header = SectionHeader(activeModelName);
    const auto optionLines = OptionLines(options);
    std::vector<std::string> out;
    bool sectionWritten = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out.push_back(lines[i]);
        if (lines[i] == kModelHeader) {
            out.push_back(activeModelName);
            if (i + 1 < lines.size() && !StartsWith(lines[i + 1], "[")) {
                ++i;  // the old model line is replaced
            }
        } else if (lines[i] == header) {
            // The four lines after the header are replaced. A short section
            // (file end or the next section header within them) gets its
            // missing lines inserted, so no other section is overwritten.
            std::size_t replaced = 0;
            while (replaced < 4 && i + 1 < lines.size() && !StartsWith(lines[i + 1], "[")) {
                ++i;
                ++replaced;
            }
            out.insert(out.end(), optionLines.begin(), optionLines.end());
            sectionWritten = true;
        }
    }
    if (!sectionWritten) {
        out.push_back(header);
        out.insert(out.end(), optionLines.begin(), optionLines.end());
    }
    return TextFile::WriteLines(path_, out);
}

void SettingsFile::Remove() const { FileSystem::Remove(path_); }

VoiceListChoice SettingsFile::ReadVoiceList(const std::string& modelName) const {
    std::vector<std::string> lines;
    if (!TextFile::ReadLines(path_, lines)) {
        return {};
    }
    const std::string header = SectionHeader(modelName);
    for (std::size_t i = 0; i + kVoiceListLine < lines.size(); ++i) {
        if (lines[i] == header && StartsWith(lines[i + kVoiceListLine], kVoiceListKey)) {
            const std::string value = lines[i + kVoiceListLine].substr(std::string(kVoiceListKey).size());
            const std::size_t tab = value.find('\t');
            return tab == std::string::npos ? VoiceListChoice{value, {}}
                                            : VoiceListChoice{value.substr(0, tab), value.substr(tab + 1)};
        }
    }
    return {};
}

bool SettingsFile::WriteVoiceList(const std::string& modelName, const VoiceListChoice& choice) const {
    std::vector<std::string> lines;
    if (!TextFile::ReadLines(path_, lines)) {
        return false;
    }
    const std::string header = SectionHeader(modelName);
    for (std::size_t i = 0; i + kVoiceListLine - 1 < lines.size(); ++i) {
        if (lines[i] != header) {
            continue;
        }
        const auto at = lines.begin() + static_cast<std::ptrdiff_t>(i + kVoiceListLine);
        const bool present = i + kVoiceListLine < lines.size() && StartsWith(*at, kVoiceListKey);
        const std::string line = kVoiceListKey + choice.file + (choice.instrument.empty() ? "" : "\t" + choice.instrument);
        if (choice.file.empty()) {
            if (present) {
                lines.erase(at);
            }
        } else if (present) {
            *at = line;
        } else {
            lines.insert(at, line);
        }
        return TextFile::WriteLines(path_, lines);
    }
    return false;
}

}  // namespace kalivo
