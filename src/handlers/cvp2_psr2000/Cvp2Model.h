#pragma once
// What differs between the CVP2 Series and the PSR-2000: everything else of
// the two handlers is one implementation.
#include <cstddef>
#include <string>

#include "common/tables/BankSelectVoiceTable.h"

namespace kalivo {

struct Cvp2Model {
    const char* headerModel;         // bytes 16..23 of a bank file
    bool checksHeader;               // "P" at 16 and "2000" at 19..22 required on reading
    const char* fileSuffix;          // added to the listed name to make the file name
    const char* listPattern;         // the bank files ListArchives shows
    const char* defaultArchiveName;  // after clearing
    bool archiveNameKeepsDots;       // a loaded archive is named as listed, else up to its first "."
    bool s917ArchiveNames;           // archive names end in ".s917" and the bank name is the rest
    const char* regfileExtension;
    int regfileBanks;  // banks that CreateRegfiles writes from
    const char* textTitleBanks;
    const char* textTitleRegfiles;
    const char* htmlTitle;
    BankSelectTableId voiceTable;

    static const Cvp2Model& Cvp2();
    static const Cvp2Model& Psr2000();
};

}  // namespace kalivo
