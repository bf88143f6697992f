// How long the PSR-9000 source side takes: a full backup (64 banks of eight
// registrations, the most one holds) loaded and listed, and a folder of 4,096
// regfiles loaded and listed, each compared with merely reading the same
// files' bytes. Target: load and list within 3 times the plain read.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/ListBuilder.h"
#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"
#include "core/psr9000/Psr9000TestBytes.h"
#include "core/tyros/AlternatingUserInterface.h"
#include "handlers/psr9000/Psr9000BackupFile.h"
#include "handlers/psr9000/Psr9000FamilyHandler.h"

using namespace kalivo;
namespace bytes = kalivo::test::psr9000_bytes;

namespace {

constexpr int kRegfiles = 4096;
constexpr int kRounds = 7;
constexpr const char* kArchive = "FULL";

using Clock = std::chrono::steady_clock;

// The best of several rounds, in milliseconds: the figure least disturbed by
// other work on the machine. prepare runs untimed before each round.
double BestOf(const std::function<void()>& work, const std::function<void()>& prepare = [] {}) {
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        prepare();
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

std::string MakeFolder() {
    std::mt19937 random{std::random_device{}()};
    const std::string base = std::filesystem::temp_directory_path().string() + "/kalivo-bench-";
    for (;;) {
        const std::string folder = base + std::to_string(random());
        if (!FileSystem::Exists(folder) && FileSystem::CreateDirectory(folder)) {
            return FileSystem::WithSeparator(folder);
        }
    }
}

void Write(const std::string& path, const std::vector<std::uint8_t>& data) {
    if (!FileSystem::WriteBytesSafely(path, data)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

psr9000::Record Realistic(int index) {
    const std::uint8_t style = static_cast<std::uint8_t>(index % 245);
    const std::uint16_t tempo = static_cast<std::uint16_t>(60 + index % 180);
    const auto program = static_cast<std::uint8_t>(index % 128);
    return bytes::Registration(FormatNumbers("Song %04i", index), style, tempo,
                               {{{0, 0, program}, {0, 18, 0}, {127, 0, 0}, {0, 112, program}}});
}

// A backup with every bank used and a style backup, beside a few other
// backups as on a real disk. The registration file's path.
std::string WriteFullBackup(const std::string& folder) {
    Psr9000BankTable table;
    table.Reset(Psr9000Model::Psr9000().DefaultHeader());
    for (int bank = 0; bank < psr9000::kBanks; ++bank) {
        bytes::NameBank(table, bank, FormatNumbers("Bank %02i", bank + 1));
        for (int slot = 0; slot < psr9000::kSlots; ++slot) {
            bytes::Put(table, bank, slot, Realistic(bank * 8 + slot));
        }
    }
    for (const char* name : {"FULL.BUF", "OTHER.BUF", "OLD.B01"}) {
        FileSystem::CreateDirectory(folder + name);
    }
    const std::string path = folder + kArchive + ".BUF/REG.BUP";
    Write(path, Psr9000BackupFile::Write(table));
    std::vector<std::string> styleNames;
    for (int style = 0; style < psr9000::kUserStyleCount; ++style) {
        styleNames.push_back(FormatNumbers("Style %03i", style));
    }
    Write(folder + kArchive + ".BUF/STY.BUP", bytes::StyleBackup(styleNames));
    return path;
}

std::vector<std::string> WriteRegfiles(const std::string& folder) {
    std::vector<std::string> paths;
    for (int index = 0; index < kRegfiles; ++index) {
        const auto record = Realistic(index);
        paths.push_back(folder + FormatNumbers("Song_%04i_FULL_(Bank_01-1).p9k", index));
        Write(paths.back(), std::vector<std::uint8_t>(record.begin(), record.end()));
    }
    return paths;
}

double PlainRead(const std::vector<std::string>& paths, std::uintmax_t& total) {
    return BestOf([&] {
        total = 0;
        for (const std::string& path : paths) {
            std::vector<std::uint8_t> data;
            FileSystem::ReadBytes(path, data);
            total += data.size();
        }
    });
}

void Report(const char* what, double ms, double plainMs) {
    std::printf("%-34s %8.2f ms  %6.2f x plain read\n", what, ms, ms / plainMs);
}

}  // namespace

int main() {
    const std::string folder = MakeFolder();
    const std::string backupPath = WriteFullBackup(folder);
    const std::string regfileFolder = folder + "regfiles/";
    FileSystem::CreateDirectory(regfileFolder);
    const std::vector<std::string> regfilePaths = WriteRegfiles(regfileFolder);

    test::AlternatingUserInterface ui;
    Psr9000FamilyHandler source(ui, Psr9000Model::Psr9000());
    source.CreateStore();

    std::uintmax_t backupBytes = 0;
    // A load reads the style backup beside the registration file too.
    const double plainBackup = PlainRead({backupPath, folder + kArchive + ".BUF/STY.BUP"}, backupBytes);
    source.SetStyleArchiveOptions(false, false, std::string(), true);
    std::size_t lines = 0;
    const double loadBackup = BestOf(
        [&] {
            source.LoadSourceArchive(folder, kArchive);
            lines = ListBuilder::Build(source, ListBuilder::Side::Source, false).size();
        },
        [&] { source.ClearSource(); });

    std::uintmax_t regfileBytes = 0;
    const double plainRegfiles = PlainRead(regfilePaths, regfileBytes);
    std::size_t listed = 0;
    const double loadRegfiles = BestOf([&] {
        source.LoadRegfiles(FileSystem::WithoutTrailingSeparator(regfileFolder));
        StringList names;
        source.ListRegfiles(names);
        // The window shows the names as UTF-8.
        std::vector<std::string> shown;
        for (const std::string& name : names) {
            shown.push_back(Cp1252::ToUtf8(name));
        }
        listed = shown.size();
    });

    std::printf("backup: %ju bytes, %zu list lines; regfiles: %zu of %d, %ju bytes; %d messages; best of %d rounds\n",
                backupBytes, lines, listed, kRegfiles, regfileBytes, ui.messages, kRounds);
    std::printf("%-34s %8.2f ms\n", "plain read of the backup", plainBackup);
    Report("load the backup and build the list", loadBackup, plainBackup);
    std::printf("%-34s %8.2f ms\n", "plain read of the regfiles", plainRegfiles);
    Report("load the regfiles and the list", loadRegfiles, plainRegfiles);
    const bool met = loadBackup <= 3.0 * plainBackup && loadRegfiles <= 3.0 * plainRegfiles;
    std::printf("target (load and list each within 3 x plain read): %s\n", met ? "met" : "NOT met");

    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return 0;
}
