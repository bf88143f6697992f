// Reads arbitrary bytes as a PSR-9000 family style backup, alone and laid
// over a valid one (so that short inputs still reach every record).
#include <cstdlib>
#include <vector>

#include "LaidOver.h"
#include "core/psr9000/Psr9000TestBytes.h"
#include "handlers/psr9000/Psr9000UserStyles.h"

using namespace kalivo;

namespace {

void Exercise(const std::vector<std::uint8_t>& file) {
    Psr9000UserStyles styles;
    const Status result = styles.ReadBackup(file);
    if (result != Status::kDone && result != Status::kNotValid) {
        std::abort();
    }
    for (int number = 0; number < 256; ++number) {
        if (styles.Name(static_cast<std::uint8_t>(number), true).empty() && number < 125) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Exercise(std::vector<std::uint8_t>(data, data + size));

    static const std::vector<std::uint8_t> base = test::psr9000_bytes::StyleBackup({"One", "Two"});
    Exercise(fuzz::LaidOver(base, data, size, 8));
    return 0;
}
