// How long the PSR-740 / PSR-8000 source side takes: a stored set with every
// bank the model holds, loaded and listed, and a folder of 4,096 regfiles,
// loaded and listed; each compared with merely reading the same files' bytes.
// Target: load and list within 3 times the plain read.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/ListBuilder.h"
#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/psr740_8000/Psr740Handler.h"
#include "handlers/psr740_8000/Psr8000Handler.h"

using namespace kalivo;
using namespace kalivo::bench;

namespace {

constexpr int kRegfiles = 4096;
using Bytes = std::vector<std::uint8_t>;

// A registration as the instrument writes it: the default, a title, a tempo, a style.
Bytes Registration(const Psr740Model& model, int number) {
    Bytes record(model.recordSize);
    model.makeDefault(record, 0, 0);
    const std::string title = FormatNumbers("Reg %05i", number);
    std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(model.titleOffset), 16, 0);
    std::copy(title.begin(), title.end(), record.begin() + static_cast<std::ptrdiff_t>(model.titleOffset));
    record[model.tempoOffset] = 0;
    record[model.tempoOffset + 1] = static_cast<std::uint8_t>(60 + number % 140);
    record[model.styleOffset] = static_cast<std::uint8_t>(number % 100);
    return record;
}

void Need(bool ok, const std::string& what) {
    if (!ok) {
        std::fprintf(stderr, "cannot %s\n", what.c_str());
        std::exit(1);
    }
}

// Returns whether both ratios are within the target.
bool Measure(Psr740FamilyHandler& source, Psr740FamilyHandler& destination, test::AlternatingUserInterface& ui) {
    const Psr740Model& model = source.Model();
    std::printf("%s\n", model.protocolModel);

    // A folder of regfiles, also the registrations that fill the set.
    const std::string regfiles = MakeFolder();
    std::vector<std::string> regfilePaths;
    for (int i = 0; i < kRegfiles; ++i) {
        regfilePaths.push_back(regfiles + FormatNumbers("Reg %05i", i) + model.regfileExtension);
        WriteOrExit(regfilePaths.back(), Registration(model, i));
    }
    std::uintmax_t regfileBytes = 0;
    StringList names;
    const std::vector<double> regs = BestInTurns({PlainRead(std::string(), regfilePaths, regfileBytes), {[&] {
                                                      source.LoadRegfiles(regfiles);
                                                      names.clear();
                                                      source.ListRegfiles(names);
                                                  }}});
    const double regfilePlain = regs[0];
    const double regfileLoad = regs[1];
    Need(names.size() == static_cast<std::size_t>(kRegfiles), "load every regfile");

    // A set with every bank in use.
    destination.CreateStore();
    int next = 0;
    for (int bank = 0; bank < model.banks; ++bank) {
        for (int slot = 0; slot < model.slots; ++slot) {
            destination.CopyRegfile(bank, slot, &source, next++);
        }
    }
    const std::string disk = MakeFolder();
    Need(destination.StoreArchive("BENCH", disk, 0) == Status::kDone, "store the set");
    std::vector<std::string> setPaths{disk + "BENCH.USR"};
    for (const std::string& file : FileSystem::FindFiles(disk + "REG", "*")) {
        setPaths.push_back(disk + "REG/" + file);
    }
    std::uintmax_t setBytes = 0;
    std::size_t lines = 0;
    const std::vector<double> set = BestInTurns({PlainRead(std::string(), setPaths, setBytes),
                                                 {[&] {
                                                      source.LoadSourceArchive(disk, "BENCH");
                                                      lines = ListBuilder::Build(source, ListBuilder::Side::Source,
                                                                                 false).size();
                                                  },
                                                  [&] { source.ClearSource(); }}});
    const double setPlain = set[0];
    const double setLoad = set[1];
    Need(lines == static_cast<std::size_t>(model.banks * model.slots), "list the set");
    const double listOnly = BestOf([&] { ListBuilder::Build(source, ListBuilder::Side::Source, false); });

    std::printf("  set: %zu files, %ju bytes, %zu list lines; regfiles: %d files, %ju bytes; %d messages\n",
                setPaths.size(), setBytes, lines, kRegfiles, regfileBytes, ui.messages);
    std::printf("  %-40s %8.2f ms\n", "plain read of the set's files", setPlain);
    Report("  load the set and build the list", setLoad, setPlain);
    Report("  of which building the list", listOnly, setPlain);
    std::printf("  %-40s %8.2f ms\n", "plain read of the regfiles", regfilePlain);
    Report("  Load Regfiles and list them", regfileLoad, regfilePlain);

    RemoveAll(regfiles);
    RemoveAll(disk);
    return setLoad <= 3.0 * setPlain && regfileLoad <= 3.0 * regfilePlain;
}

}  // namespace

int main() {
    test::AlternatingUserInterface ui;
    Psr740Handler source740(ui), destination740(ui);
    Psr8000Handler source8000(ui), destination8000(ui);
    source740.CreateStore();
    source8000.CreateStore();
    std::printf("%s\n", kRoundsText);
    const bool met740 = Measure(source740, destination740, ui);
    const bool met8000 = Measure(source8000, destination8000, ui);
    Target("load and list", met740 && met8000);
    return 0;
}
