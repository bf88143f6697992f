// The committed example sets are what the writer makes today, and they load.
#include <gtest/gtest.h>

#include "core/psr740_8000/Psr740Examples.h"
#include "core/psr740_8000/Psr740TestSupport.h"
#include "support/CommittedExample.h"

namespace kalivo::test::psr {
namespace {

class Psr740ExamplesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(Psr740ExamplesTest, CommittedExampleIsWhatTheWriterMakes) {
    const std::string model = GetParam();
    ExpectCommittedExample(model, [&model](const std::string& folder) { return WriteExample(model, folder); });
}

INSTANTIATE_TEST_SUITE_P(Models, Psr740ExamplesTest, ::testing::Values("psr740", "psr8000"));

TEST(Psr740ExamplesLoadTest, ExamplesLoadWithTheirCustomStyleNames) {
    ScriptedUserInterface ui;
    Psr740Handler psr740(ui);
    psr740.CreateStore();
    psr740.SetStyleArchiveOptions(false, false, "", true);
    ASSERT_EQ(psr740.LoadSourceArchive(std::string(KALIVO_EXAMPLES_DIR) + "/psr740/", "DEMO"), Status::kDone);
    std::string text;
    psr740.GetStyleName(0, 3, text, 1);
    EXPECT_EQ(text, "*Late Ballad*");
    psr740.GetRegistrationName(2, 0, text);
    EXPECT_EQ(text, "Rock Night");

    Psr8000Handler psr8000(ui);
    psr8000.CreateStore();
    psr8000.SetStyleArchiveOptions(false, false, "", true);
    ASSERT_EQ(psr8000.LoadSourceArchive(std::string(KALIVO_EXAMPLES_DIR) + "/psr8000/", "DEMO"), Status::kDone);
    psr8000.GetStyleName(0, 2, text, 1);
    EXPECT_EQ(text, "*Funky Groove*");
    psr8000.GetVoiceName3(0, 2, text);
    EXPECT_EQ(text, "Custom 1");
    EXPECT_TRUE(ui.messages.empty());
}

// Options' three ways to custom style names all work on the examples: the
// default archive, the archive asked for (examples/*/styles) and the implicit search.
TEST(Psr740ExamplesLoadTest, EveryStyleOptionNamesTheCustomStyles) {
    struct Case {
        std::string model;
        int bank, slot;
        std::string styleName;
    };
    for (const Case& c : {Case{"psr740", 0, 3, "*Late Ballad*"}, Case{"psr8000", 0, 2, "*Funky Groove*"}}) {
        const std::string folder = std::string(KALIVO_EXAMPLES_DIR) + "/" + c.model + "/";
        for (int option = 0; option < 3; ++option) {
            ScriptedUserInterface ui;
            std::unique_ptr<Psr740FamilyHandler> handler;
            if (c.model == "psr740") {
                handler = std::make_unique<Psr740Handler>(ui);
            } else {
                handler = std::make_unique<Psr8000Handler>(ui);
            }
            handler->CreateStore();
            ASSERT_TRUE(handler->SetStyleArchiveOptions(option == 1, option == 0, folder, option == 2)) << c.model;
            const Status loaded = handler->LoadSourceArchive(folder, "DEMO");
            if (option == 1) {
                ASSERT_EQ(loaded, Status::kStyleArchiveWanted) << c.model;
                ASSERT_EQ(handler->LoadStyleArchive(folder + "styles/", "STYLES"), Status::kDone) << c.model;
            } else {
                ASSERT_EQ(loaded, Status::kDone) << c.model << " option " << option;
            }
            std::string text;
            handler->GetStyleName(c.bank, c.slot, text, 1);
            EXPECT_EQ(text, c.styleName) << c.model << " option " << option;
            EXPECT_TRUE(ui.messages.empty()) << c.model << " option " << option;
        }
    }
}

}  // namespace
}  // namespace kalivo::test::psr
