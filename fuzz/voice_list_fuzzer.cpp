// Reads arbitrary bytes as a voice list file (instrument definitions or table).
#include "TyrosFuzzChecks.h"
#include "common/voices/VoiceListFile.h"

using namespace kalivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VoiceListFile file;
    std::string error;
    if (!file.Parse("fuzz.ins", std::vector<std::uint8_t>(data, data + size), error)) {
        fuzz::Require(error.rfind("fuzz.ins", 0) == 0);  // every refusal names the file
        return 0;
    }
    fuzz::Require(!file.Lists().empty());
    for (const auto& [name, list] : file.Lists()) {
        VoiceList taken;
        fuzz::Require(file.Take(file.IsTable() ? std::string() : name, taken, error));
        std::string shown;
        list.Find(0, 0, 0, shown);
        list.CountNamed(list.ExactKeys());
    }
    return 0;
}
