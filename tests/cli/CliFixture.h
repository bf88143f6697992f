#pragma once
// Runs kalivo-cli in-process on in-memory handlers and keeps what it printed.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ModelCatalog.h"
#include "cli/CliApplication.h"
#include "support/MemoryHandler.h"
#include "support/TempFolder.h"

namespace kalivo::test {

using Lines = std::vector<std::string>;

inline constexpr ListGeometry kTyrosLike{true, -1, -1, 8};  // banks follow what is loaded
inline constexpr ListGeometry kPsr740Like{false, 32, 32, 4};
inline constexpr ListGeometry kThreeBanks{true, 3, 3, 8};  // fixed banks with headers, like PSR-9000

// Runs app with the words after the program name; keeps what it printed.
int RunCli(CliApplication& app, const std::vector<std::string>& args, std::string& out, std::string& err);

class CliFixture : public ::testing::Test {
protected:
    using HandlerMaker = std::function<std::unique_ptr<MemoryHandler>(UserInterface&, const ListGeometry&)>;

    // Given to every handler the program creates; a test sets it before Run.
    ListGeometry geometry = kTyrosLike;
    // Applied to every pair created (stores are cleared later by CreateStore).
    std::function<void(MemoryHandler& source, MemoryHandler& destination)> prepare;
    HandlerMaker makeHandler;
    TempFolder archiveFolder;
    TempFolder outFolder;
    std::string out;
    std::string err;

    int Run(const std::vector<std::string>& args);
    MemoryHandler& Source(Model model);
    MemoryHandler& Destination(Model model);
    std::vector<std::string> OutLines() const { return SplitLines(out); }
    std::vector<std::string> ErrLines() const { return SplitLines(err); }
    std::string Folder() const { return archiveFolder.Path(); }
    std::string OutDir() const { return outFolder.Path(); }
    // The folders as handlers get them: with a trailing separator.
    std::string FolderGiven() const { return archiveFolder.Path() + "/"; }
    std::string OutGiven() const { return outFolder.Path() + "/"; }
    // Makes the source find these archives, each holding the given banks.
    void Offer(const std::vector<std::pair<std::string, std::vector<MemoryBank>>>& archives);
    static MemoryBank Bank(const std::string& name, const std::vector<std::optional<std::string>>& registrations,
                           int perBank = 8);

private:
    static std::vector<std::string> SplitLines(const std::string& text);

    std::unique_ptr<CliApplication> application_;
    std::array<MemoryHandler*, 2 * kModelCount> handlers_{};
};

}  // namespace kalivo::test
