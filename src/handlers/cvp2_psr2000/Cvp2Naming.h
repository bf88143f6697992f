#pragma once
// How archives, banks and regfiles of the two models are named. Names are
// Windows-1252 text; file names are UTF-8.
//
// One rule serves the name shown, the bank file stored and the regfiles made:
// what a file name on the instrument's disk cannot hold becomes "_" as soon as
// a name is taken, so all three read the same. A name's extension starts at
// its first "." after the first other character, so a name that begins with
// a dot keeps it.
#include <string>

#include "handlers/cvp2_psr2000/Cvp2Model.h"

namespace kalivo {

struct Cvp2Names {
    std::string archive;
    std::string bank;
};

class Cvp2Naming {
public:
    // The archive name after loading the archive listed as listedName.
    static std::string ArchiveNameOfListed(const Cvp2Model& model, const std::string& listedName);
    // The bank name of a bank file: its name as the folder lists it, up to its
    // extension. Only the file name counts, whatever the folders above it are called.
    static std::string BankNameOfFile(const std::string& fileName);
    // Archivename on the destination.
    static Cvp2Names FromArchiveName(const Cvp2Model& model, const std::string& name);
    // Rename of the destination's bank header line.
    static Cvp2Names FromBankName(const Cvp2Model& model, const std::string& name);
    // The file name part made from an archive name; a suffix always follows it,
    // so a leading or final dot stays as it is.
    static std::string FileNamePart(const std::string& name);
    // The regfile file name before "#n" and the extension: the registration
    // name with blanks, "'", "*" and "?" as "_" (trailing ones dropped), then
    // "_" + bank name + "(bank-slot)", both 1-based.
    static std::string RegfileBase(const std::string& registrationName, const std::string& bankName, int bank,
                                   int slot);

    // name with every character a file name cannot hold as "_".
    static std::string Clean(const std::string& name);
    // name up to its extension.
    static std::string Stem(const std::string& name);
};

}  // namespace kalivo
