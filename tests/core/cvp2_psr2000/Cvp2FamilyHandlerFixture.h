#pragma once
// A source and a destination handler of one of the two models with their
// stores created, a scripted person and a fresh folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "handlers/cvp2_psr2000/Cvp2Handler.h"
#include "handlers/cvp2_psr2000/Psr2000Handler.h"
#include "support/Cvp2Bytes.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"

namespace kalivo::test {

enum class Cvp2Kind { Cvp2, Psr2000 };

inline std::string KindName(const ::testing::TestParamInfo<Cvp2Kind>& info) {
    return info.param == Cvp2Kind::Cvp2 ? "Cvp2" : "Psr2000";
}

class Cvp2FamilyHandlerFixture : public ::testing::TestWithParam<Cvp2Kind> {
protected:
    ScriptedUserInterface ui;
    TempFolder dir;
    std::unique_ptr<Cvp2FamilyHandler> source = Make();
    std::unique_ptr<Cvp2FamilyHandler> destination = Make();

    void SetUp() override {
        destination->CreateStore();
        source->CreateStore();
    }

    bool IsCvp2() const { return GetParam() == Cvp2Kind::Cvp2; }
    std::unique_ptr<Cvp2FamilyHandler> Make() {
        if (GetParam() == Cvp2Kind::Cvp2) {
            return std::make_unique<Cvp2Handler>(ui);
        }
        return std::make_unique<Psr2000Handler>(ui);
    }
    std::string Model() const { return IsCvp2() ? s917_bytes::kCvp2Model : s917_bytes::kPsr2000Model; }
    // The folder as the main window hands it over: with a trailing separator.
    std::string Folder() const { return dir.Path() + "/"; }

    // The name ListArchives shows for a bank file named bank + ".S917.REG".
    std::string Listed(const std::string& bank) const { return IsCvp2() ? bank + ".S917" : bank; }

    // Writes bank + ".S917.REG" with one registration per name, from slot 0 on.
    void WriteBank(const std::string& bank, const std::vector<std::string>& names) {
        std::array<std::optional<s917_bytes::Bytes>, 8> slots;
        for (std::size_t i = 0; i < names.size(); ++i) {
            slots[i] = s917_bytes::FullBlock(names[i], 100 + static_cast<int>(i));
        }
        dir.Write(bank + ".S917.REG", s917_bytes::BankFile(Model(), slots));
    }

    static std::string NameAt(Cvp2FamilyHandler& handler, int bank, int slot) {
        std::string name;
        handler.GetRegistrationName(bank, slot, name);
        return name;
    }
    static std::string BankName(Cvp2FamilyHandler& handler, int bank) {
        std::string name;
        handler.GetBankName(bank, name);
        return name;
    }
};

}  // namespace kalivo::test
