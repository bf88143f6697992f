// Reads arbitrary bytes as a CVP2 Series / PSR-2000 regfile, as Load Regfiles does.
#include "S917FuzzChecks.h"

using namespace kalivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto registration = Cvp2Registration::FromRegfile({data, size})) {
        fuzz::ExerciseS917(*registration);
    }
    return 0;
}
