#pragma once
// A source and a destination handler of one PSR-9000 family model, a
// scripted person and a fresh folder to put backups in.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/psr9000/Psr9000TestBytes.h"
#include "handlers/psr9000/Psr9000BackupFile.h"
#include "handlers/psr9000/Psr9000FamilyHandler.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"

namespace kalivo::test {

class Psr9000Fixture : public ::testing::TestWithParam<const Psr9000Model*> {
protected:
    ScriptedUserInterface ui;
    TempFolder dir;
    std::unique_ptr<Psr9000FamilyHandler> source;
    std::unique_ptr<Psr9000FamilyHandler> destination;

    void SetUp() override {
        source = std::make_unique<Psr9000FamilyHandler>(ui, Model());
        destination = std::make_unique<Psr9000FamilyHandler>(ui, Model());
        destination->CreateStore();
        source->CreateStore();
    }

    const Psr9000Model& Model() const { return GetParam() != nullptr ? *GetParam() : Psr9000Model::Psr9000(); }

    // The folder as the main window hands it over: with a trailing separator.
    std::string Folder() const { return dir.Path() + "/"; }

    // A table with three registrations: bank 0 slots 0 and 2, bank 4 slot 1.
    static Psr9000BankTable SampleTable(const Psr9000Model& model) {
        Psr9000BankTable table;
        table.Reset(model.DefaultHeader());
        using psr9000_bytes::Registration;
        psr9000_bytes::Put(table, 0, 0, Registration("Ballad", 10, 72, {{{0, 0, 0}, {0, 0, 48}, {}, {}}}));
        psr9000_bytes::Put(table, 0, 2, Registration("Flash Song", 130, 90));
        psr9000_bytes::Put(table, 4, 1, Registration("My Song", 20, 120));
        psr9000_bytes::NameBank(table, 0, "Evening");
        return table;
    }

    // Writes a backup folder folderName holding the registration file fileName.
    std::string WriteBackup(const std::string& folderName, const std::vector<std::uint8_t>& bytes,
                            std::string fileName = std::string()) {
        std::filesystem::create_directories(dir.File(folderName));
        if (fileName.empty()) {
            fileName = Model().registrationFile;
        }
        dir.Write(folderName + "/" + fileName, bytes);
        return dir.File(folderName + "/" + fileName);
    }

    std::string WriteSampleBackup(const std::string& folderName) {
        return WriteBackup(folderName, Psr9000BackupFile::Write(SampleTable(Model())));
    }

    static std::string NameAt(ModelHandler& handler, int bank, int slot) {
        std::string name;
        handler.GetRegistrationName(bank, slot, name);
        return name;
    }
    static std::string BankName(ModelHandler& handler, int bank) {
        std::string name;
        handler.GetBankName(bank, name);
        return name;
    }
    static std::string StyleAt(ModelHandler& handler, int bank, int slot, int form = 0) {
        const RegistrationContent content = handler.ContentOf(RegistrationRef::Slot(bank, slot));
        return form == 1 ? content.markedStyle : content.style;
    }
    bool AnyMessageContains(const std::string& text) const {
        for (const std::string& message : ui.MessageTexts()) {
            if (message.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
};

inline std::string ModelTestName(const ::testing::TestParamInfo<const Psr9000Model*>& info) {
    return info.param == &Psr9000Model::Psr9000() ? "Psr9000" : "Pro";
}

#define KALIVO_BOTH_PSR9000_MODELS(Suite)                                                                          \
    INSTANTIATE_TEST_SUITE_P(BothModels, Suite, ::testing::Values(&Psr9000Model::Psr9000(), &Psr9000Model::Pro()), \
                             ModelTestName)

}  // namespace kalivo::test
