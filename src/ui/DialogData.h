#pragma once
// Plain data handed to and returned from the dialogs of the UserInterface port.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace kalivo {

// How user style archives are found; kept per model in the settings file.
struct StyleArchiveOptions {
    bool askForStyleArchive = false;
    bool implicitSearch = false;
    bool useDefaultArchive = false;
    std::string defaultArchiveFolder;

    bool operator==(const StyleArchiveOptions&) const = default;
};

// The Save As dialog of the Protocol buttons. Filter uses the "Name|*.ext|...||" form.
// Change Archive Name: the name shown (UTF-8), the longest name the model
// takes, and for an archive kept as a short name on a floppy disk that name's
// length (0 otherwise): the dialog then takes only what such a name can hold
// and shows the name as it will be stored.
struct ArchiveNameRequest {
    std::string current;
    int maxLength = 16;
    int diskNameLength = 0;
};

// What a list dialog says, inside it, when OK finds nothing selected.
inline constexpr const char* kChooseModelFirst = "Choose your keyboard in the list, then OK";
inline constexpr const char* kChooseArchiveFirst = "Select an archive in the list, then OK";
inline constexpr const char* kChooseBanksFirst = "Select one bank or more in the list, then OK";

struct SaveAsRequest {
    std::string fileName = "untitled";
    std::string defaultExtension = ".htm";
    std::string filter;
};

// The file chosen in Save As, and which of the request's filters was chosen
// (0 = the first): two filters may share an ending and differ in encoding.
struct SaveAsChoice {
    std::string path;
    std::size_t filter = 0;
    bool operator==(const SaveAsChoice&) const = default;
};

// The icon list of the icon editor program, shared by the Tyros dialogs.
struct IconSettings {
    bool available = false;
    std::string folder;              // ends in a path separator
    std::vector<std::string> codes;  // "S" + three characters, as read
    std::vector<std::string> files;  // relative to folder, parallel to codes
};

struct EditBankRequest {
    std::string sequence;   // digits "1".."8"
    int sequenceEnd = 0;    // 0 Stop, 1 Top, 2 Next Bank; other values select nothing
    std::string bankName;
    std::string usedSlots;  // digits of the non-empty registrations
};

struct EditBankResult {
    std::string sequence;
    int sequenceEnd = 0;
};

struct SelectIconRequest {
    std::string currentCode;  // three characters, or empty
    IconSettings icons;
};

struct ViewBankRequest {
    std::string sequence;
    int sequenceEnd = 0;
    std::string bankIconCode;
    IconSettings icons;
};

// One voice line of the Tyros View Registration dialog.
struct VoicePartView {
    std::string name;
    std::string onOff;
};

// Everything the Tyros View Registration dialog shows. Presence texts are "+" or "-".
struct TyrosRegistrationView {
    std::string bankName;
    int part = 0;  // 1..8, 0 = none
    std::string name;
    std::string style, styleName;
    std::array<std::string, 4> voicePresence;  // Right1, Right2, Right3, Left
    std::array<VoicePartView, 4> voices;
    std::string multiPad, multiPadName;
    std::string tempo, tempoValue;
    std::string tuneTrans, scale, pedal;
    std::string harmony, harmonyType, harmonyOnOff;
    std::string song, songName;
    std::string mic, lineOut;
    std::string iconCode;  // without the leading "S"; empty = none
    IconSettings icons;
};

// The Copy Registration Settings dialog: names and the 14 presence texts of the
// source (Style, Right1, Right2, Right3, Left, Tune Trans, Scale, Harmony, Tempo,
// Pedal, Multipad, Song, Mic, Line Out).
struct CopySettingsRequest {
    std::string sourceName;
    std::string destinationName;
    std::array<std::string, 14> presence;
};

constexpr int kTyrosCopyChoices = 15;

// The Copy GP-Block dialog (CVP2 Series, PSR-2000): the two names and the
// source's eleven "+"/"-" setting texts in the order Style, Main, Layer, Left,
// Tune Trans, Scale, Harmony, Tempo, Pedal, Multi pad, Song/Mic.
constexpr int kGpBlockSettings = 11;
struct GpBlockCopyRequest {
    std::string sourceName;
    std::string destinationName;
    std::array<std::string, kGpBlockSettings> settings;
};
// The states of the dialog's eleven boxes on Copy: 0 unchecked, 1 checked, 2 indeterminate.
using GpBlockBoxStates = std::array<int, kGpBlockSettings>;

// The View Registration dialog of the CVP2 Series and PSR-2000.
struct Cvp2RegistrationView {
    std::string name;
    std::array<std::string, kGpBlockSettings> settings;  // as in GpBlockCopyRequest
    // Caption and value beside Style, Main, Layer, Left, Multi Pad and Tempo;
    // both empty when that setting shows "-".
    static constexpr int kPairs = 6;
    std::array<std::string, kPairs> captions;
    std::array<std::string, kPairs> values;
};

// The simple View Registration dialog of the PSR-740, PSR-8000, PSR-9000 and 9000Pro.
struct RegistrationView {
    std::string title, style, tempo;
    std::array<std::string, 4> voices;  // L/Left, R1/Layer, R2/Main, R3/Lead
};

}  // namespace kalivo
