#include <gtest/gtest.h>

#include "handlers/RegistrationViewer.h"
#include "handlers/StatusCodes.h"
#include "support/MemoryHandler.h"
#include "support/ScriptedUserInterface.h"

namespace kalivo::test {
namespace {

// The in-memory handler with the style, tempo and voice readers of a simple
// model; names are Windows-1252 as a real handler's are.
class DetailedHandler : public MemoryHandler {
public:
    explicit DetailedHandler(UserInterface& ui) : MemoryHandler(ui, ListGeometry{false, 4, 4, 4}) {}

    int failingVoice = 0;  // 1..4: that voice accessor reports "no registration"

    RegistrationContent ContentOf(const RegistrationRef& at) override { return ReadRegistrationContent(*this, at); }

    Status GetStyleName(int bank, int slot, std::string& name, int form) {
        std::string title;
        if (const Status result = GetRegistrationName(bank, slot, title); result != Status::kDone) {
            return result;
        }
        name = form == 1 ? "*Funky*" : "Funky";
        return Status::kDone;
    }
    Status GetTempo(int, int, int& tempo) {
        tempo = 90;
        return Status::kDone;
    }
    Status GetVoiceName1(int, int, std::string& name) { return Voice(1, "Strings", name); }
    Status GetVoiceName2(int, int, std::string& name) { return Voice(2, std::string("60\x91s Organ"), name); }
    Status GetVoiceName3(int, int, std::string& name) { return Voice(3, "GrandPno", name); }
    Status GetVoiceName4(int, int, std::string& name) { return Voice(4, "***********", name); }

    Status GetRegfileName(int regfile, std::string& name) override {
        if (regfile >= static_cast<int>(regfiles.size())) {
            return Status::kNoRegistration;
        }
        name = regfiles[static_cast<std::size_t>(regfile)];
        return Status::kDone;
    }
    Status GetRegfileStyleName(int, std::string& name) {
        name = "Custom 1";
        return Status::kDone;
    }
    Status GetRegfileTempo(int, int& tempo) {
        tempo = 5;
        return Status::kDone;
    }
    Status GetRegfileVoiceName1(int, std::string& name) { return Voice(-1, "a", name); }
    Status GetRegfileVoiceName2(int, std::string& name) { return Voice(-1, "b", name); }
    Status GetRegfileVoiceName3(int, std::string& name) { return Voice(-1, "c", name); }
    Status GetRegfileVoiceName4(int, std::string& name) { return Voice(-1, "d", name); }

private:
    Status Voice(int which, const std::string& value, std::string& name) const {
        if (which == failingVoice) {
            return Status::kNoRegistration;
        }
        name = value;
        return Status::kDone;
    }
};

class RegistrationViewerTest : public ::testing::Test {
protected:
    RegistrationViewerTest() : handler(ui) {
        handler.AddBank("BANK 1", {std::string("Caf\xe9"), std::nullopt});
        handler.regfiles = {"Let_s_go_MYSET(2-3)"};
    }

    ScriptedUserInterface ui;
    DetailedHandler handler;
};

TEST_F(RegistrationViewerTest, BankSlotShowsMarkedStyleTempoAndVoicesInUtf8) {
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, -1, 0, 0), Status::kDone);
    ASSERT_EQ(ui.simpleRegistrationViews.size(), 1u);
    const RegistrationView& view = ui.simpleRegistrationViews.back();
    EXPECT_EQ(view.title, "Caf\xc3\xa9");
    EXPECT_EQ(view.style, "*Funky*");
    EXPECT_EQ(view.tempo, "90");
    EXPECT_EQ(view.voices[0], "Strings");
    EXPECT_EQ(view.voices[1], "60\xe2\x80\x98s Organ");
    EXPECT_EQ(view.voices[2], "GrandPno");
    EXPECT_EQ(view.voices[3], "***********");
}

TEST_F(RegistrationViewerTest, RegfileEntryUsesTheRegfileAccessors) {
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, 0, -1, -1), Status::kDone);
    ASSERT_EQ(ui.simpleRegistrationViews.size(), 1u);
    const RegistrationView& view = ui.simpleRegistrationViews.back();
    EXPECT_EQ(view.title, "Let_s_go_MYSET(2-3)");
    EXPECT_EQ(view.style, "Custom 1");
    EXPECT_EQ(view.tempo, "5");
    EXPECT_EQ(view.voices, (std::array<std::string, 4>{"a", "b", "c", "d"}));
    // The regfile index wins over a bank and slot given too.
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, 0, 0, 0), Status::kDone);
    EXPECT_EQ(ui.simpleRegistrationViews.back().title, "Let_s_go_MYSET(2-3)");
}

TEST_F(RegistrationViewerTest, NothingShownForEmptyUnusedNegativeOrFailing) {
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, -1, 0, 1), Status::kDone);  // empty slot
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, -1, 3, 0), Status::kDone);  // unused bank
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, -1, -1, 0), Status::kDone);
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, -1, 0, -1), Status::kDone);
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, 1, 0, 0), Status::kDone);  // past the regfile list
    handler.failingVoice = 4;
    EXPECT_EQ(RegistrationViewer::Show(handler, ui, -1, 0, 0), Status::kDone);
    EXPECT_TRUE(ui.simpleRegistrationViews.empty());
}

}  // namespace
}  // namespace kalivo::test
