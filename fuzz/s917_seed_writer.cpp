// Writes the seed corpus of the S917 fuzz targets with the program's own
// writer: bank files into the first folder, regfiles into the second.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "SeedFiles.h"
#include "handlers/cvp2_psr2000/Cvp2BankFile.h"
#include "support/Cvp2Bytes.h"

using namespace kalivo;
namespace bytes = kalivo::test::s917_bytes;

namespace {

std::vector<bytes::Bytes> Samples() {
    using namespace bytes;
    return {
        FullBlock("Full", 120),
        Block({Name("Bare")}),
        Block({Tempo(90), Path(16, "A/B/Style.STY"), Name("Odd order"), Voice(6, 127, 0, 32)}, 12),
        Block({Path(17, std::string(264, 'x')), Filler(13, 1)}),
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s BANK_FOLDER REGFILE_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string banks = argv[1];
    const std::string regfiles = argv[2];
    const auto samples = Samples();
    Cvp2Bank bank;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        fuzz::SaveSeed(regfiles + "/regfile" + std::to_string(i), samples[i]);
        bank.slots[i * 2] = Cvp2Registration::FromRelative(samples[i]);
    }
    fuzz::SaveSeed(banks + "/cvp2", Cvp2BankFile::Write(bank, Cvp2Model::Cvp2()));
    fuzz::SaveSeed(banks + "/psr2000", Cvp2BankFile::Write(bank, Cvp2Model::Psr2000()));
    fuzz::SaveSeed(banks + "/empty", Cvp2BankFile::Write(Cvp2Bank{}, Cvp2Model::Psr2000()));
    return 0;
}
