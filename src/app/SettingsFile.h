#pragma once
// "kalivo.ini": the last active model and, per model, how style archives are
// found. Read and written line by line; option lines are found by position.
#include <optional>
#include <string>

#include "app/ModelCatalog.h"
#include "ui/DialogData.h"

namespace kalivo {

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

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace kalivo
