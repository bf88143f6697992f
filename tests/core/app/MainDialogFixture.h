#pragma once
// A main window logic with in-memory handlers, a fake view, a scripted person
// and its settings file in a fresh folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/CommandRules.h"
#include "app/MainDialog.h"
#include "support/FakeMainView.h"
#include "support/MemoryHandler.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"

namespace kalivo::test {

class MainDialogFixture : public ::testing::Test {
protected:
    TempFolder dir;
    ScriptedUserInterface ui;
    FakeMainView view;
    std::array<MemoryHandler*, 2 * kModelCount> handlers{};
    std::unique_ptr<MainDialog> dialog;

    static ListGeometry GeometryOf(Model model);
    std::string SettingsPath() const { return dir.File("kalivo.ini"); }
    void Create();
    // Starts with a settings file naming the model (padded name string).
    void StartWith(Model model);
    MemoryHandler& Source(Model model) { return *handlers[static_cast<std::size_t>(2 * static_cast<int>(model))]; }
    MemoryHandler& Destination(Model model) {
        return *handlers[static_cast<std::size_t>(2 * static_cast<int>(model) + 1)];
    }
    // Line index of (bank, slot) in a list with bank headers of n registrations; slot -1 = header.
    static int LineOf(int bank, int slot, int perBank = 8) { return bank * (perBank + 1) + slot + 1; }
};

}  // namespace kalivo::test
