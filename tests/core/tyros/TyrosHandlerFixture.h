#pragma once
// A source and a destination Tyros handler with their stores created, a
// scripted person and a fresh folder.
#include <gtest/gtest.h>

#include <string>

#include "handlers/tyros/TyrosHandler.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"
#include "core/tyros/TyrosTestBytes.h"

namespace kalivo::test {

class TyrosHandlerFixture : public ::testing::Test {
protected:
    ScriptedUserInterface ui;
    TempFolder dir;
    TyrosHandler source{ui};
    TyrosHandler destination{ui};

    void SetUp() override {
        destination.CreateStore();
        source.CreateStore();
    }

    // The folder as the main window hands it over: with a trailing separator.
    std::string Folder() const { return dir.Path() + "/"; }

    // Writes title + ".rgt" holding one registration per name (no other settings).
    void WriteBank(const std::string& title, const std::vector<std::string>& names) {
        std::vector<tyros_bytes::Bytes> blocks;
        for (const std::string& name : names) {
            blocks.push_back(tyros_bytes::Registration({tyros_bytes::Name(name), tyros_bytes::Tempo(100)}));
        }
        dir.Write(title + ".rgt", tyros_bytes::BankFile(blocks));
    }

    void LoadSource(const std::string& title) {
        ASSERT_EQ(source.LoadSourceArchive(Folder(), title), Status::kDone);
    }

    std::string NameAt(TyrosHandler& handler, int bank, int slot) {
        std::string name;
        handler.GetRegistrationName(bank, slot, name);
        return name;
    }
    std::string BankName(TyrosHandler& handler, int bank) {
        std::string name;
        handler.GetBankName(bank, name);
        return name;
    }
};

}  // namespace kalivo::test
