#pragma once
// Creates regfiles in a folder. A new regfile never replaces a file already
// there: it takes the next free "#1", "#2", ... name, however many exist.
#include <string>

#include "handlers/psr9000/Psr9000Record.h"

namespace kalivo {

class Psr9000RegfileWriter {
public:
    // folder ends in a separator.
    Psr9000RegfileWriter(std::string folder, std::string extension);

    // "<name>_<archive>_(<bank>-<slot 1..8>)" with blanks and the instrument's
    // filler characters in the names made "_"; instrument text.
    static std::string FileBase(const std::string& name, const std::string& bankName, const std::string& archive,
                                int slot);
    // Writes the record under base (made a safe UTF-8 file name); path is the
    // file chosen. False when it cannot be written.
    bool Write(const std::string& base, const psr9000::Record& record, std::string& path) const;

private:
    std::string FreeName(const std::string& base) const;

    std::string folder_;
    std::string extension_;
};

}  // namespace kalivo
