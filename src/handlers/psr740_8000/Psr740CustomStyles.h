#pragma once
// The names of the custom style slots. A registration keeps only the slot
// number; the names come from the style disk's "sty.mng".
#include <string>
#include <vector>

#include "handlers/psr740_8000/Psr740Model.h"

namespace kalivo {

class Psr740CustomStyles {
public:
    explicit Psr740CustomStyles(const Psr740Model& model);

    void Reset();
    // The name for a custom style number (one of the model's custom slots).
    std::string Name(int styleNumber) const;

    // Reads the entries of sty.mng whose key starts with keyPrefix ("S__" for
    // every set, "S__" + set number for one). False when the file cannot be
    // read or names a slot past the table; names read before that stay.
    bool ReadFile(const std::string& path, const std::string& keyPrefix);
    // The same on lines already read.
    bool ReadLines(const std::vector<std::string>& lines, const std::string& keyPrefix);

    // "sty.mng" of folder, found ignoring case; empty when there is none.
    static std::string StyleFileOf(const std::string& folder);
    // The set number nnn of the first "S__" line of a user file; empty when none.
    static std::string SetNumberOf(const std::string& userFilePath);

private:
    const Psr740Model* model_;
    std::vector<std::string> names_;
};

}  // namespace kalivo
