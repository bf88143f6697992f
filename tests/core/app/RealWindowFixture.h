#pragma once
// The main window logic on the real handlers, a fake view, a scripted person
// and a disk folder for the instruments' files.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "app/MainDialog.h"
#include "support/FakeMainView.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"

namespace kalivo::test {

class RealWindowFixture : public ::testing::Test {
protected:
    TempFolder dir;
    TempFolder disk;
    ScriptedUserInterface ui;
    FakeMainView view;
    std::unique_ptr<MainDialog> dialog;

    void StartWith(Model model) {
        std::ofstream(dir.File("kalivo.ini"), std::ios::binary) << "[Model]\r\n" << ModelCatalog::NameOf(model) << "\r\n";
        dialog = std::make_unique<MainDialog>(view, ui, dir.File("kalivo.ini"), MakeModelHandlers,
                                              [](const IconSettings& icons) { return icons; });
        dialog->Initialize();
    }
};

}  // namespace kalivo::test
