#pragma once
// Whole-archive copying from the source handler to the destination handler,
// made of the same calls the window's New (right) and ">>" make.
#include "handlers/ModelHandler.h"

namespace kalivo {

class ArchiveCopier {
public:
    // ">>" on two bank header lines: the destination bank becomes a copy of
    // the source bank, its name, sequence and icon included.
    static void CopyWholeBank(ModelHandler& destination, int dstBank, ModelHandler& source, int srcBank);
    // New (right), then every source bank copied to the same bank of the
    // destination (without bank headers: every registration, one by one).
    static void CopyArchive(ModelHandler& destination, ModelHandler& source);
};

}  // namespace kalivo
