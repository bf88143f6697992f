#pragma once
// "kalivo.ini": the last active model and, per model, how style archives are
// found. Read and written line by line; option lines are found by position.
#include <optional>
#include <string>

#include "app/ModelCatalog.h"
#include "ui/DialogData.h"

namespace kalivo {

// A voice list remembered for a model; an empty file means the built-in table.
struct VoiceListChoice {
    std::string file;
    std::string instrument;  // as the file spells it (Windows-1252); empty: the only one
};

class SettingsFile {
public:
    explicit SettingsFile(std::string path = "kalivo.ini");

    // The model named after "[Model]", with its options; nothing when the file
    // cannot be read or names no known model (options are then cleared).
    std::optional<Model> ReadStartup(StyleArchiveOptions& options) const;
    // Clears the options, then reads the section of that model if there is one.
    void ReadOptions(const std::string& modelName, StyleArchiveOptions& options) const;
    // Rewrites the file: the active model after every "[Model]", the active
    // model's section with the given options; other sections kept as they are.
    bool Write(const std::string& activeModelName, const StyleArchiveOptions& options) const;
    void Remove() const;
    // The line after the four option lines of a model's section: files
    // written before it still read, and older readers pass over it.
    VoiceListChoice ReadVoiceList(const std::string& modelName) const;
    // Sets or (empty file) removes that line; false when the model has no
    // section yet (Write makes one) or the file cannot be written.
    bool WriteVoiceList(const std::string& modelName, const VoiceListChoice& choice) const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace kalivo
