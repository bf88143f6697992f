#include "ui/cvp2_psr2000/GpBlockCopyChoice.h"

#include <array>
#include <initializer_list>

namespace kalivo {

namespace {

constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kIndeterminate = 2;

struct BoxRule {
    const char* label;
    int setting;  // index into the request's setting texts
    bool threeState;
    std::initializer_list<int> blocks;
};

// The left voice travels with the style, so its box brings no block of its own.
const std::array<BoxRule, GpBlockCopyChoice::kBoxes>& Rules() {
    static const std::array<BoxRule, GpBlockCopyChoice::kBoxes> rules{{
        {"Style", 0, false, {3, 16, 6, 20}},
        {"Voice Main", 1, true, {4, 18}},
        {"Voice Layer", 2, false, {5, 19}},
        {"Voice Left", 3, false, {}},
        {"Multipad", 9, true, {13, 17}},
        {"Tempo", 7, true, {11}},
        {"Tune Trans", 4, true, {8}},
        {"Scale", 5, true, {9}},
        {"Harmony", 6, true, {10}},
        {"Pedal", 8, true, {12}},
        {"Song/Mic", 10, true, {14}},
    }};
    return rules;
}

const BoxRule& Rule(int box) { return Rules().at(static_cast<std::size_t>(box)); }

}  // namespace

GpBlockCopyChoice::GpBlockCopyChoice(const GpBlockCopyRequest& request) {
    for (int box = 0; box < kBoxes; ++box) {
        settings_[static_cast<std::size_t>(box)] = request.settings[static_cast<std::size_t>(Rule(box).setting)];
    }
}

const char* GpBlockCopyChoice::Label(int box) { return Rule(box).label; }

const char* GpBlockCopyChoice::Question(int box) {
    static const std::array<std::string, kBoxes> questions = [] {
        std::array<std::string, kBoxes> texts;
        for (int box = 0; box < kBoxes; ++box) {
            texts[static_cast<std::size_t>(box)] = std::string("Copy ") + Rule(box).label + "?";
        }
        return texts;
    }();
    return questions.at(static_cast<std::size_t>(box)).c_str();
}

bool GpBlockCopyChoice::IsThreeState(int box) { return Rule(box).threeState; }

const std::string& GpBlockCopyChoice::SettingText(int box) const { return settings_.at(static_cast<std::size_t>(box)); }

bool GpBlockCopyChoice::IsVisible(int box) const { return SettingText(box) != "-"; }

int GpBlockCopyChoice::NextState(int box, int state) const {
    const std::string& text = SettingText(box);
    if (!text.empty() && text.front() == '-') {
        return kUnchecked;
    }
    if (state == kUnchecked) {
        return kChecked;
    }
    return state == kChecked && IsThreeState(box) ? kIndeterminate : kUnchecked;
}

std::optional<std::vector<bool>> GpBlockCopyChoice::Flags(const GpBlockBoxStates& states) {
    int any = 0;
    for (int state : states) {
        any |= state;
    }
    if (any != kChecked) {
        return std::nullopt;
    }
    std::vector<bool> flags(kFlags, false);
    for (int always : {0, 1, 7}) {
        flags[static_cast<std::size_t>(always)] = true;
    }
    for (int box = 0; box < kBoxes; ++box) {
        if (states[static_cast<std::size_t>(box)] == kChecked) {
            for (int block : Rule(box).blocks) {
                flags[static_cast<std::size_t>(block)] = true;
            }
        }
    }
    return flags;
}

}  // namespace kalivo
