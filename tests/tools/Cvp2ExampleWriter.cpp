// Writes the example bank files of the CVP2 Series and the PSR-2000 with the
// program's own bank file writer:
//   s917_example_writer EXAMPLES_DIR
// gives EXAMPLES_DIR/cvp2/MY BANK.S917.REG and EXAMPLES_DIR/psr2000/MY BANK.S917.REG.
#include <filesystem>
#include <iostream>

#include "common/fs/FileSystem.h"
#include "handlers/cvp2_psr2000/Cvp2BankFile.h"
#include "support/Cvp2Bytes.h"

namespace {

using namespace kalivo;
using namespace kalivo::test::s917_bytes;

// A few registrations of different make-up, so that every view has something to show.
Cvp2Bank ExampleBank() {
    Cvp2Bank bank;
    bank.name = "MY BANK";
    const Bytes blocks[] = {
        FullBlock("Summertime", 96),
        Block({Name("Swing Night"), Filler(1, 0), Filler(3, 0), Path(16, "STYLE/JAZZ/BigBand.STY"),
               Voice(4, 0, 0, 61), Voice(6, 127, 0, 32), Filler(7, 0), Tempo(132), Filler(20, 0)}),
        Block({Name("Piano Ballad"), Filler(1, 0), Voice(4, 0, 0, 0), Voice(5, 0, 0, 48), Filler(7, 0),
               Filler(9, 0), Tempo(72), Path(17, "PAD/Chimes.PAD"), Filler(13, 0)}),
    };
    int slot = 0;
    for (const Bytes& block : blocks) {
        bank.slots[static_cast<std::size_t>(slot)] = Cvp2Registration::FromRelative(block);
        slot += 2;
    }
    return bank;
}

bool WriteExample(const std::string& folder, const Cvp2Model& model) {
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/MY BANK.S917.REG";
    if (!FileSystem::WriteBytesSafely(path, Cvp2BankFile::Write(ExampleBank(), model))) {
        std::cerr << "cannot write " << path << '\n';
        return false;
    }
    std::cout << path << '\n';
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: s917_example_writer EXAMPLES_DIR\n";
        return 2;
    }
    const std::string examples = argv[1];
    const bool written =
        WriteExample(examples + "/cvp2", Cvp2Model::Cvp2()) && WriteExample(examples + "/psr2000", Cvp2Model::Psr2000());
    return written ? 0 : 1;
}
