#pragma once
// The regfile list: single registrations read from a folder of ".p74" or
// ".p8k" files (one bare record each), and the writing of such files.
#include <cstdint>
#include <string>
#include <vector>

#include "handlers/psr740_8000/Psr740Model.h"
#include "handlers/Outcome.h"

namespace kalivo {

struct Psr740RegfileEntry {
    std::string title;                 // file name without folder and extension (Windows-1252)
    std::vector<std::uint8_t> record;  // always one whole record
};

class Psr740Regfiles {
public:
    explicit Psr740Regfiles(const Psr740Model& model) : model_(&model) {}

    // Replaces the list with the regfiles of folder, sorted by title ignoring
    // case. A file that is no whole, sound record of the model is left out and
    // named. 0; 21 when some were left out; 12 with "No reg-files found" or
    // when none was sound (the old list is gone then).
    Outcome Load(const std::string& folder);
    void Clear() { entries_.clear(); }
    const Psr740RegfileEntry* Entry(int index) const;
    const std::vector<Psr740RegfileEntry>& Entries() const { return entries_; }

    // The file base of a registration's regfile: the title with blanks, "?",
    // "*" and "'" made "_" (trailing ones dropped), "_", the archive name and
    // "(bank-slot)", 1-based.
    static std::string FileBase(const std::string& title, const std::string& archive, int bank, int slot);

private:
    const Psr740Model* model_;
    std::vector<Psr740RegfileEntry> entries_;
};

}  // namespace kalivo
