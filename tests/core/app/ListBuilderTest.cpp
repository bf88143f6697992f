// A list line decodes back to the bank and registration it shows, for the list
// geometry of every real model handler, far beyond the first banks.
#include <gtest/gtest.h>

#include "app/HandlerSet.h"
#include "app/ListBuilder.h"
#include "common/Format.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo {
namespace {

TEST(ListBuilderTest, EveryLineOfEveryModelDecodesToWhatItShows) {
    test::ScriptedUserInterface ui;
    HandlerSet handlers = MakeModelHandlers(ui);
    for (int model = 0; model < kModelCount; ++model) {
        ModelHandler& handler = *handlers[static_cast<std::size_t>(2 * model + 1)];
        const bool tyros = static_cast<Model>(model) == Model::Tyros;
        SCOPED_TRACE(ModelCatalog::NameOf(static_cast<Model>(model)));
        handler.CreateStore();
        handler.ClearDestination(5);
        // A model whose handler is not built yet shows one bank; the others many.
        const int banks = std::max(1, handler.DestinationBankCount());
        for (int bank = 0; bank < banks; ++bank) {
            handler.SetBankName(bank, "Bank" + std::to_string(bank));  // tells the header lines apart
        }
        const auto lines = ListBuilder::Build(handler, ListBuilder::Side::Destination, tyros);
        for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
            const ListPosition at = ListBuilder::Decode(handler, line);
            ASSERT_GE(at.bank, 0) << line;
            ASSERT_LT(at.bank, banks) << line;
            const std::string& shown = lines[static_cast<std::size_t>(line)];
            if (at.slot == kWholeBank) {
                ASSERT_TRUE(handler.HasBankHeaders()) << line;
                std::string name;
                handler.GetBankName(at.bank, name);
                EXPECT_EQ(shown, name) << line;
                continue;
            }
            ASSERT_GE(at.slot, 0) << line;
            ASSERT_LT(at.slot, handler.RegistrationsPerBank()) << line;
            const std::string prefix = tyros ? FormatNumbers("  %i: ", at.slot + 1)
                                             : FormatNumbers("%i-%i: ", at.bank + 1, at.slot + 1);
            EXPECT_EQ(shown.rfind(prefix, 0), 0u) << line << ": " << shown;
        }
        // Tyros lines name no bank: the header above the line must be its bank's.
        if (tyros) {
            const int perBank = handler.RegistrationsPerBank();
            const int line = 3 * (perBank + 1) + 5;  // fourth bank, fifth part
            EXPECT_EQ(ListBuilder::Decode(handler, line).bank, 3);
            EXPECT_EQ(lines[static_cast<std::size_t>(3 * (perBank + 1))], "Bank3");
        }
    }
}

}  // namespace
}  // namespace kalivo
