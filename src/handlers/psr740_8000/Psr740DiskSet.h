#pragma once
// Moves the bank memory between memory and a stored set on an instrument
// disk: DISK.MNG, NAME.USR, and the folder REG with REG.MNG and the data files.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "handlers/psr740_8000/Psr740BankMemory.h"
#include "handlers/psr740_8000/Psr740StyleEntry.h"
#include "handlers/Outcome.h"

namespace kalivo {

class Psr740DiskSet {
public:
    // Writes one file whole or not at all; false when it could not.
    using WriteFile = std::function<bool(const std::string& path, const std::vector<std::uint8_t>& bytes)>;

    // Reads set setName of folder into memory (a fresh store the caller keeps
    // only on success), the set number of its data files and its entry in the
    // disk's STY.MNG. Done, or the load result with a message naming the file.
    static Outcome Load(const Psr740Model& model, const std::string& folder, const std::string& setName,
                        Psr740BankMemory& memory, std::string& setNumber, Psr740StyleEntry& styleEntry);

    // Writes memory as a new set named archive (as a disk keeps it, 8
    // characters) into folder, with styleEntry (when not empty) added to the
    // disk's STY.MNG under the new set number; setNumber is the number it
    // got. Done, or kNotValid with a message when the name is empty as
    // stored, the set exists or a file cannot be written; a store that cannot
    // finish removes what it wrote and puts REG.MNG and STY.MNG back as they were.
    static Outcome Store(const Psr740Model& model, const Psr740BankMemory& memory, const std::string& archive,
                         const std::string& folder, const Psr740StyleEntry& styleEntry, std::string& setNumber,
                         const WriteFile& write = DefaultWrite());

    static WriteFile DefaultWrite();
    // The user file a store of archive writes ("MY REGS.USR").
    static std::string StoredUserFile(const std::string& archive);
};

}  // namespace kalivo
