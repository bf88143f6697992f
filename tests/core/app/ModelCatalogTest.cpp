// The catalogue row of each model agrees with the handler class it names, and
// the window shows a model's buttons as its row says.
#include <gtest/gtest.h>

#include "app/HandlerSet.h"
#include "app/ModelCatalog.h"
#include "handlers/TyrosExtras.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test {
namespace {

TEST(ModelCatalogTest, EachRowAgreesWithItsHandlerClass) {
    ScriptedUserInterface ui;
    const HandlerSet handlers = MakeModelHandlers(ui);
    for (int i = 0; i < kModelCount; ++i) {
        const Model model = static_cast<Model>(i);
        const ModelFacts& facts = ModelCatalog::FactsOf(model);
        ASSERT_TRUE(handlers[static_cast<std::size_t>(2 * i)]) << facts.name;
        ModelHandler& handler = *handlers[static_cast<std::size_t>(2 * i)];
        EXPECT_EQ(facts.styleArchives, !handler.HasNoStyleOptions()) << facts.name;
        EXPECT_EQ(facts.bankEdits, dynamic_cast<TyrosExtras*>(&handler) != nullptr) << facts.name;
        EXPECT_EQ(ModelCatalog::FromExactName(facts.name), model) << facts.name;
        EXPECT_EQ(std::string(facts.name).size(), 11u) << facts.name;
        // One fact for Rename and Archivename: a model without archive names has no limit for them.
        EXPECT_EQ(facts.limits.archive == 0, facts.bankFiles) << facts.name;
    }
}

}  // namespace
}  // namespace kalivo::test
