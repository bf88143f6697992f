#pragma once
// Moves the bank memory between memory and a stored set on an instrument
// disk: DISK.MNG, NAME.USR, and the folder REG with REG.MNG and the data files.
#include <string>

#include "handlers/psr740_8000/PsrBankMemory.h"
#include "ui/UserInterface.h"

namespace kalivo {

class PsrDiskSet {
public:
    // Reads set setName of folder into memory (a fresh store the caller keeps
    // only on success) and the set number of its data files. 0, or the load
    // result; every failure is reported to the person, naming the file.
    static int Load(const PsrModel& model, UserInterface& ui, const std::string& folder, const std::string& setName,
                    PsrBankMemory& memory, std::string& setNumber);

    // Writes memory as a new set named archive (cut to 8, upper case) into
    // folder. 0, or 2 with a message when the set exists or nothing could be
    // written; nothing is written then.
    static int Store(const PsrModel& model, UserInterface& ui, const PsrBankMemory& memory,
                     const std::string& archive, const std::string& folder);

    // The set name as stored: cut to 8 characters, upper case.
    static std::string StoredName(const std::string& archive);
};

}  // namespace kalivo
