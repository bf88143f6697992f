// How long the CVP2 Series / PSR-2000 source side takes to load: ten bank
// files (the most a model holds) picked from a folder that also holds 4,096
// other files, and a folder of 4,096 regfiles, each loaded and listed and
// compared with merely reading the same files' bytes.
// Target: load and list within 3 times the plain read.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/ListBuilder.h"
#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/cvp2_psr2000/Cvp2Handler.h"
#include "support/Cvp2Bytes.h"

using namespace kalivo;
namespace bytes = kalivo::test::s917_bytes;

namespace {

constexpr int kBanks = 10;
constexpr int kCrowd = 4096;
void Write(const std::string& path, const bytes::Bytes& data) { bench::WriteOrExit(path, data); }

bytes::Bytes Registration(int number) {
    return bytes::FullBlock(FormatNumbers("Reg %04i", number), 60 + number % 140);
}

// Bank files as a computer may have copied them: ".reg" in small letters, so
// the name the list shows plus ".REG" is never the exact file name.
std::vector<std::string> WriteBanks(const std::string& folder) {
    std::vector<std::string> files;
    for (int bank = 0; bank < kBanks; ++bank) {
        std::array<std::optional<bytes::Bytes>, 8> slots;
        for (int slot = 0; slot < 8; ++slot) {
            slots[static_cast<std::size_t>(slot)] = Registration(bank * 8 + slot);
        }
        files.push_back(FormatNumbers("Bank %02i.S917.reg", bank));
        Write(folder + files.back(), bytes::BankFile(bytes::kCvp2Model, slots));
    }
    for (int other = 0; other < kCrowd; ++other) {
        Write(folder + FormatNumbers("song %04i.mid", other), bytes::Bytes(64, 0));
    }
    return files;
}

std::vector<std::string> WriteRegfiles(const std::string& folder) {
    std::vector<std::string> files;
    for (int number = 0; number < kCrowd; ++number) {
        files.push_back(FormatNumbers("Reg %04i.cvp", number));
        Write(folder + files.back(), Registration(number));
    }
    return files;
}

}  // namespace

using namespace kalivo::bench;

int main() {
    const std::string bankFolder = MakeFolder();
    const std::string regfileFolder = MakeFolder();
    const std::vector<std::string> bankFiles = WriteBanks(bankFolder);
    const std::vector<std::string> regfiles = WriteRegfiles(regfileFolder);

    test::AlternatingUserInterface ui;
    Cvp2Handler source(ui);
    source.CreateStore();

    std::uintmax_t bankBytes = 0;
    StringList listed;
    // The person sees the list first, as Load Archive shows it, then loads every bank.
    const double listArchives = BestOf([&] {
        listed.clear();
        source.ListArchives(bankFolder, listed);
    });
    std::vector<std::string> chosen;
    std::copy_if(listed.begin(), listed.end(), std::back_inserter(chosen),
                 [](const std::string& name) { return name.rfind("Bank ", 0) == 0; });
    std::size_t bankLines = 0;
    const std::vector<double> banks = BestInTurns({PlainRead(bankFolder, bankFiles, bankBytes),
                                                   {[&] {
                                                        for (const std::string& name : chosen) {
                                                            source.LoadSourceArchive(bankFolder, name);
                                                        }
                                                        bankLines = ListBuilder::Build(source, ListBuilder::Side::Source,
                                                                                       false).size();
                                                    },
                                                    [&] { source.ClearSource(); }}});
    const double plainBanks = banks[0];
    const double loadBanks = banks[1];

    std::uintmax_t regfileBytes = 0;
    std::size_t regfileLines = 0;
    const std::vector<double> regs = BestInTurns({PlainRead(regfileFolder, regfiles, regfileBytes), {[&] {
                                                      source.LoadRegfiles(regfileFolder);
                                                      StringList names;
                                                      source.ListRegfiles(names);
                                                      regfileLines = names.size();
                                                  }}});
    const double plainRegfiles = regs[0];
    const double loadRegfiles = regs[1];

    std::printf("%zu of %zu listed bank files loaded (%ju bytes, %zu list lines) beside %d other files;\n"
                "%zu regfiles (%ju bytes, %zu list lines); %d messages; %s\n",
                chosen.size(), listed.size(), bankBytes, bankLines, kCrowd, regfiles.size(), regfileBytes,
                regfileLines, ui.messages, kRoundsText);
    std::printf("%-40s %8.2f ms\n", "plain read of the 10 bank files", plainBanks);
    Report("load 10 banks and build the list", loadBanks, plainBanks);
    Report("list the bank files (ListArchives)", listArchives, plainBanks);
    std::printf("%-40s %8.2f ms\n", "plain read of the regfiles", plainRegfiles);
    Report("Load Regfiles and build the list", loadRegfiles, plainRegfiles);
    Target("banks: load and list", loadBanks <= 3.0 * plainBanks);
    Target("regfiles: load and list", loadRegfiles <= 3.0 * plainRegfiles);

    RemoveAll(bankFolder);
    RemoveAll(regfileFolder);
    return 0;
}
