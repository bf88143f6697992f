#include "web/WebViewDialogs.h"

#include <array>
#include <string>
#include <vector>

#include "ui/bank/ViewBankText.h"
#include "ui/tyros/TyrosViewLines.h"
#include "web/WebForm.h"

namespace kalivo {

namespace {

// Widths in characters, from the desktop's dialog units (four to a character).
constexpr int kPresence = 3;
constexpr int kName = 22;

// One group line of the Tyros dialog; while the group is there its values
// show under their label (one value takes the On/Off column too).
void AddTyrosLine(WebForm& form, const TyrosViewLine& line) {
    form.Row().Label(line.group).Value(line.group, line.presence, kPresence);
    if (line.detail == nullptr) {
        return;
    }
    const bool hidden = line.presence != "+";
    form.Label(line.detail, 1, hidden);
    const bool single = line.values.size() == 1;
    for (std::size_t i = 0; i < line.values.size(); ++i) {
        form.Value(std::string(line.group) + (i == 0 ? "" : " on/off"), line.values[i], i == 0 ? 27 : 5,
                   single ? 2 : 1, hidden);
    }
}

}  // namespace

void WebViewDialogs::Bank(const ViewBankRequest& request) {
    const ViewBankText text(request);
    WebForm form("View Bank", "OK");
    form.Row().Label("Sequence").Value("Sequence", text.Sequence(), 36, 3);
    form.Row().Label("Sequence End").Value("Sequence End", text.EndText(), 12, 3);
    form.Row().Label("Icon").Label("S").Value("Icon", text.IconCode(), 6).Value("Icon file", text.IconFileTitle(), 15);
    form.Show();
}

void WebViewDialogs::Tyros(const TyrosRegistrationView& view) {
    WebForm form("View Registration", "Exit");
    form.Row()
        .Label("Bank")
        .Value("Bank", view.bankName, 17)
        .Label("Part")
        .Value("Part", view.part > 0 ? std::to_string(view.part) : std::string(), 3)
        .Label("Name")
        .Value("Name", view.name, 17);
    form.Section();
    for (const TyrosViewLine& line : TyrosViewLines::Of(view)) {
        AddTyrosLine(form, line);
    }
    // The registration's icon is found in the icon list as a bank's is.
    ViewBankRequest icon;
    icon.bankIconCode = view.iconCode;
    icon.icons = view.icons;
    // The code and the file the icon is drawn from (the pictures are not in the browser).
    form.Row()
        .Label("Icon")
        .Value("Icon", view.iconCode.empty() ? std::string() : "S" + view.iconCode, 6)
        .Value("Icon file", ViewBankText(icon).IconFileTitle(), 15, 3);
    form.Show();
}

void WebViewDialogs::Cvp2(const Cvp2RegistrationView& view) {
    // Voice takes three lines (Main, Layer, Left) under one label; the first
    // six lines have a caption and value beside them.
    struct Line {
        const char* label;
        const char* name;
        int setting;
    };
    static constexpr std::array<Line, kGpBlockSettings> kLines{{
        {"Style:", "Style", 0},
        {"Voice:", "Main", 1},
        {"", "Layer", 2},
        {"", "Left", 3},
        {"Multi Pad:", "Multi Pad", 9},
        {"Tempo:", "Tempo", 7},
        {"Tune Trans:", "Tune Trans", 4},
        {"Scale:", "Scale", 5},
        {"Harmony:", "Harmony", 6},
        {"Pedal:", "Pedal", 8},
        {"Song/Mic:", "Song/Mic", 10},
    }};
    WebForm form("View Registration", "OK");
    form.Row().Label("Registration:").Value("Registration", view.name, kName, 3);
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        const Line& line = kLines[i];
        form.Row().Label(line.label).Value(line.name, view.settings[static_cast<std::size_t>(line.setting)], kPresence);
        if (i < Cvp2RegistrationView::kPairs) {
            form.Value(std::string(line.name) + " caption", view.captions[i], 10)
                .Value(std::string(line.name) + " value", view.values[i], kName);
        }
    }
    form.Show();
}

void WebViewDialogs::Simple(const RegistrationView& view) {
    WebForm form("View Registration", "OK");
    form.Row().Label("Title:").Value("Title", view.title, kName);
    form.Row().Label("Style:").Value("Style", view.style, kName);
    form.Row().Label("Tempo:").Value("Tempo", view.tempo, kName);
    form.Section("Voices");
    static constexpr std::array<const char*, 4> kVoices{"L/Left:", "R1/Layer:", "R2/Main:", "R3/Lead:"};
    for (std::size_t i = 0; i < kVoices.size(); ++i) {
        std::string name = kVoices[i];
        name.pop_back();
        form.Row().Label(kVoices[i]).Value(name, view.voices[i], kName);
    }
    form.Show();
}

}  // namespace kalivo
