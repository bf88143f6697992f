#include "web/WebChoiceDialogs.h"

#include <array>
#include <sstream>

#include "ui/OptionsChoice.h"
#include "ui/UserInterface.h"
#include "ui/bank/EditBankFilter.h"
#include "ui/bank/EditIconFilter.h"
#include "ui/cvp2_psr2000/GpBlockCopyChoice.h"
#include "ui/tyros/CopySettingsChoice.h"
#include "web/JsonText.h"
#include "web/WebPageDialog.h"

namespace kalivo {

namespace {

constexpr std::array<const char*, CopySettingsChoice::kChoices> kSettingGroups{
    "Style", "Style-Path", "Right1", "Right2", "Right3", "Left", "Multipad", "Tempo",
    "Tune Trans", "Scale", "Harmony", "Pedal", "Song", "Mic Setting", "Line Out",
};

std::string Row(const std::string& label, const std::string& note, const std::string& box, int state, bool visible,
                bool threeState = false) {
    return JsonText()
        .Add("label", label)
        .Add("note", note)
        .Add("box", box)
        .Add("state", state)
        .Add("visible", visible)
        .Add("threeState", threeState)
        .Text();
}

std::string List(const std::vector<std::string>& rows) {
    std::string out = "[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out += (i == 0 ? "" : ",") + rows[i];
    }
    return out + "]";
}

std::string Names(const std::string& source, const std::string& destination) {
    return JsonText::Strings({"Source", source, "Destination", destination});
}

}  // namespace

std::optional<WebChoiceDialogs::Round> WebChoiceDialogs::Ask(const std::string& request) {
    const auto answer = WebPageDialog::Ask("choices", request);
    if (!answer) {
        return std::nullopt;
    }
    Round round;
    if (answer->rfind("box:", 0) == 0) {
        round.box = std::atoi(answer->c_str() + 4);
        return round;
    }
    std::istringstream in(*answer);
    std::getline(in, round.button);
    std::getline(in, round.field);
    std::string chosen;
    std::getline(in, chosen);
    std::istringstream lines(chosen);
    for (std::string line; std::getline(lines, line, ',');) {
        if (!line.empty()) {
            round.chosen.push_back(std::atoi(line.c_str()));
        }
    }
    return round;
}

bool WebChoiceDialogs::Options(UserInterface& ui, const std::string& modelName, StyleArchiveOptions& options) {
    OptionsChoice choice(options);
    int focus = 0;
    for (;;) {
        const StyleArchiveOptions& now = choice.Options();
        const auto round = Ask(JsonText()
                                   .Add("title", "Options")
                                   .AddRaw("intro", JsonText::Strings({"Model", modelName}))
                                   .AddRaw("rows", List({Row("", "", "Ask for custom-style-archive", now.askForStyleArchive, true),
                                                         Row("", "", "Implicite search for custom-style-archive", now.implicitSearch, true),
                                                         Row("", choice.ShownFolder(), "Default custom-style-archive", now.useDefaultArchive, true)}))
                                   .AddRaw("buttons", R"(["OK","Cancel"])")
                                   .Add("focus", focus)
                                   .Text());
        if (!round) {
            return false;
        }
        focus = round->box;
        switch (round->box) {
            case 0: choice.SetAsk(!now.askForStyleArchive); break;
            case 1: choice.SetImplicitSearch(!now.implicitSearch); break;
            case 2:
                choice.SetUseDefault(
                    !now.useDefaultArchive, [&ui](const std::string& title) { return ui.ChooseFolder(title); },
                    [&ui](const std::string& text) { ui.ShowMessage(text); });
                break;
            default:
                options = choice.Options();
                return true;
        }
    }
}

std::optional<std::vector<bool>> WebChoiceDialogs::CopySettings(const CopySettingsRequest& request) {
    CopySettingsChoice choice(request);
    int focus = 0;
    for (;;) {
        std::vector<std::string> rows;
        for (int i = 0; i < CopySettingsChoice::kChoices; ++i) {
            const std::string group = kSettingGroups[static_cast<std::size_t>(i)];
            rows.push_back(Row(group, choice.PresenceText(i), "Copy " + group + "?", choice.IsChecked(i) ? 1 : 0,
                               choice.IsVisible(i)));
        }
        const auto round = Ask(JsonText()
                                   .Add("title", "Copy Registration Settings")
                                   .AddRaw("intro", Names(request.sourceName, request.destinationName))
                                   .AddRaw("rows", List(rows))
                                   .AddRaw("buttons", R"(["OK","Cancel"])")
                                   .Add("focus", focus)
                                   .Text());
        if (!round) {
            return std::nullopt;
        }
        if (round->box < 0) {
            // Nothing checked: the copy says so and copies nothing.
            return choice.Accept().value_or(std::vector<bool>(CopySettingsChoice::kChoices, false));
        }
        focus = round->box;
        choice.Click(round->box, !choice.IsChecked(round->box));
    }
}

std::optional<GpBlockBoxStates> WebChoiceDialogs::GpBlocks(const GpBlockCopyRequest& request) {
    const GpBlockCopyChoice choice(request);
    GpBlockBoxStates states{};
    int focus = 0;
    for (;;) {
        std::vector<std::string> rows;
        for (int i = 0; i < GpBlockCopyChoice::kBoxes; ++i) {
            rows.push_back(Row(GpBlockCopyChoice::Label(i), choice.SettingText(i), GpBlockCopyChoice::Question(i),
                               states[static_cast<std::size_t>(i)], choice.IsVisible(i),
                               GpBlockCopyChoice::IsThreeState(i)));
        }
        const auto round = Ask(JsonText()
                                   .Add("title", "Copy GP-Block")
                                   .AddRaw("intro", Names(request.sourceName, request.destinationName))
                                   .AddRaw("rows", List(rows))
                                   .AddRaw("buttons", R"(["Copy","Cancel"])")
                                   .Add("focus", focus)
                                   .Text());
        if (!round) {
            return std::nullopt;
        }
        if (round->box < 0 || round->box >= GpBlockCopyChoice::kBoxes) {
            return states;
        }
        focus = round->box;
        auto& state = states[static_cast<std::size_t>(round->box)];
        state = choice.NextState(round->box, state);
    }
}

std::optional<EditBankResult> WebChoiceDialogs::EditBank(const EditBankRequest& request) {
    std::string sequence = request.sequence;
    std::vector<int> ends;
    if (const int end = EditBankFilter::InitialEndLine(request.sequenceEnd); end >= 0) {
        ends.push_back(end);
    }
    const auto& endLines = EditBankFilter::EndLines();
    for (;;) {
        const auto round = Ask(JsonText()
                                   .Add("title", EditBankFilter::Caption(request.bankName))
                                   .AddRaw("field", JsonText()
                                                        .Add("label", "Sequence")
                                                        .Add("value", sequence)
                                                        .Add("filter", "sequence")
                                                        .Add("used", request.usedSlots)
                                                        .Add("maxLength", static_cast<int>(EditBankFilter::kMaxSequenceLength))
                                                        .Text())
                                   .AddRaw("list", JsonText()
                                                       .Add("label", "Sequence End")
                                                       .AddRaw("lines", JsonText::Strings({endLines.begin(), endLines.end()}))
                                                       .AddRaw("chosen", "[" + (ends.empty() ? std::string() : std::to_string(ends[0])) + "]")
                                                       .Text())
                                   .AddRaw("buttons", R"(["OK","Cancel"])")
                                   .Text());
        if (!round) {
            return std::nullopt;
        }
        sequence = round->field;
        EditBankFilter::FilterSequence(sequence, request.usedSlots);
        ends = round->chosen;
        if (auto result = EditBankFilter::Accept(sequence, ends)) {
            return result;
        }
    }
}

std::optional<std::string> WebChoiceDialogs::EditIcon(const std::string& title, const std::string& currentCode) {
    std::string code = currentCode;
    for (;;) {
        const auto round = Ask(JsonText()
                                   .Add("title", EditIconFilter::Caption(title))
                                   .AddRaw("field", JsonText()
                                                        .Add("label", "Icon S")
                                                        .Add("value", code)
                                                        .Add("filter", "icon")
                                                        .Add("maxLength", static_cast<int>(EditIconFilter::kCodeLength))
                                                        .Text())
                                   .AddRaw("buttons", R"(["OK","Cancel"])")
                                   .Text());
        if (!round) {
            return std::nullopt;
        }
        code = round->field;
        if (auto accepted = EditIconFilter::Accept(code)) {
            return accepted;
        }
    }
}

}  // namespace kalivo
