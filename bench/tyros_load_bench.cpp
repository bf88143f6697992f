// How long the Tyros source side takes for a full load: 512 bank files of
// eight realistic registrations, loaded and listed as Load Archive does (the
// folder listed, every bank read, the list built), then written as a text
// protocol, each compared with merely reading the same files' bytes; and the
// same load out of a folder of 4,096 files.
// Target: load and list within 3 times the plain read.
#include <algorithm>
#include <filesystem>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/ListBuilder.h"
#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "core/tyros/TyrosTestBytes.h"
#include "handlers/tyros/TyrosHandler.h"

using namespace kalivo;
using namespace kalivo::bench;
namespace bytes = kalivo::test::tyros_bytes;

namespace {

constexpr int kBanks = 512;
constexpr int kFolderFiles = 4096;
std::vector<std::string> WriteBanks(const std::string& folder) {
    std::vector<std::string> titles;
    for (int bank = 0; bank < kBanks; ++bank) {
        std::vector<bytes::Bytes> registrations;
        for (int part = 0; part < 8; ++part) {
            registrations.push_back(bytes::RealisticRegistration(bank * 8 + part));
        }
        const std::string title = FormatNumbers("Bank %03i.S%03i", bank, bank % 256);
        WriteOrExit(folder + title + ".rgt", bytes::BankFile(registrations));
        titles.push_back(title);
    }
    return titles;
}

// Other files beside the banks, as on a well-used stick.
void WriteOtherFiles(const std::string& folder, int count) {
    const std::vector<std::uint8_t> bytes(64, 0);
    for (int file = 0; file < count; ++file) {
        WriteOrExit(folder + FormatNumbers("Song %04i.mid", file), bytes);
    }
}

}  // namespace

int main() {
    const std::string folder = MakeFolder();
    const std::vector<std::string> titles = WriteBanks(folder);
    std::uintmax_t totalBytes = 0;

    std::vector<std::string> files;
    for (const std::string& title : titles) {
        files.push_back(title + ".rgt");
    }

    test::AlternatingUserInterface ui;
    TyrosHandler source(ui);
    std::size_t lines = 0;
    // Each round starts from an empty source side, as after New (left).
    const auto loadAll = [&] {
        StringList archives;
        source.ListArchives(folder, archives);
        for (const std::string& title : archives) {
            source.LoadSourceArchive(folder, title);
        }
        lines = ListBuilder::Build(source, ListBuilder::Side::Source, true).size();
    };
    const Work plainRead = PlainRead(folder, files, totalBytes);
    const Work load{loadAll, [&] { source.ClearSource(); }};
    const std::vector<double> timed = BestInTurns({plainRead, load});
    const double plain = timed[0];
    const double loadAndList = timed[1];

    StringList listed;
    const double listArchives = BestOf([&] {
        listed.clear();
        source.ListArchives(folder, listed);
    });

    const std::string protocolPath = folder + "protocol.txt";
    const double protocol = BestOf([&] { source.WriteProtocol(protocolPath); });

    WriteOtherFiles(folder, kFolderFiles - kBanks);
    // Timed in turns with a plain read of its own (the same bank files).
    const std::vector<double> inFull = BestInTurns({plainRead, load});

    std::printf("%d bank files, %ju bytes, %zu list lines, %d messages; %s\n", kBanks, totalBytes,
                lines, ui.messages, kRoundsText);
    std::printf("%-40s %8.2f ms\n", "plain read of the bank files", plain);
    Report("load all and build the list", loadAndList, plain);
    Report("list the bank files (ListArchives)", listArchives, plain);
    Report("text protocol of all", protocol, plain);
    Report("load and list, folder of 4,096 files", inFull[1], inFull[0]);
    Target("load and list", loadAndList <= 3.0 * plain && inFull[1] <= 3.0 * inFull[0]);

    RemoveAll(folder);
    return 0;
}
