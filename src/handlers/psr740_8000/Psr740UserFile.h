#pragma once
// The user file of a stored set (NAME.USR): a list of management lines whose
// "REG" section names the set's registration data files.
#include <cstdint>
#include <string>
#include <vector>

#include "handlers/StatusCodes.h"
#include "handlers/psr740_8000/Psr740Model.h"

namespace kalivo {

struct Psr740DataFileRef {
    int bank = -1;     // 0-based bank of a per-bank data file; -1 for the one file of all banks
    std::string stem;  // file name without ".reg", as the user file spells it
};

struct Psr740SetContents {
    std::string setNumber;  // nnn of the data files
    std::vector<Psr740DataFileRef> files;
};

class Psr740UserFile {
public:
    // The lines as read, without CR LF. Done, or what the file lacks to name
    // its data files (Status::kUserFile...).
    static Status Parse(const Psr740Model& model, const std::vector<std::string>& lines, Psr740SetContents& contents);

    // Whether the lines are a user file the other model of the family wrote:
    // its model line (line 4) names that model.
    static bool OfOtherModel(const Psr740Model& model, const std::vector<std::string>& lines);

    // The user file of set nnn named NAME holding the data files of usedBanks
    // (0-based, ascending; ignored for the model with one data file).
    static std::vector<std::uint8_t> Build(const Psr740Model& model, const std::string& name, int setNumber,
                                           const std::vector<int>& usedBanks);
    // The management line of a data file, without its padding: "RPK001ALREG" or "RPK00105REG".
    static std::string DataLine(const Psr740Model& model, int setNumber, int bank);

    static constexpr std::size_t kModelLine = 4;
};

}  // namespace kalivo
