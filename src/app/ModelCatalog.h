#pragma once
// The seven models, one row each: every per-model fact the window, kalivo-cli
// and the shared code need, and the handler class that serves the model. A
// new model is one row here (and its family folder); nothing else outside the
// family compares model identities.
#include <array>
#include <memory>
#include <optional>
#include <string>

namespace kalivo {

class ModelHandler;
class UserInterface;

inline constexpr int kModelCount = 7;

// Handler order: PSR-740, PSR-8000, PSR-9000, 9000Pro, PSR-2000, CVP2 Series, Tyros.
enum class Model { Psr740 = 0, Psr8000, Psr9000, Psr9000Pro, Psr2000, Cvp2, Tyros };

// The longest names a model takes, in characters: one fact for Rename and
// Archivename alike. diskName > 0: archives are kept on floppy disks under a
// short name of that length.
struct NameLimits {
    int registration;
    int bank;
    int archive;
    int diskName;
};

struct ModelFacts {
    const char* name;  // padded to eleven characters, as the window and kalivo.ini write it
    NameLimits limits;
    // Archives are single bank files, loaded many at a time into one list;
    // there is no archive name, and each bank is stored as a file of its own.
    bool bankFiles;
    bool styleArchives;  // custom style names from style archives (Options)
    bool groupCopy;      // Group Copy of setting blocks
    bool bankEdits;      // Edit Sequence, Edit Icon, Default Revoice and the icon list
    bool htmlProtocol;   // protocols also as HTML pages
    // The rows of the built-in voice table, when voices are named by bank
    // select and program; nullptr for a model that keeps voice numbers (no
    // voice list can name those).
    int (*builtInVoiceRows)();
    std::unique_ptr<ModelHandler> (*makeHandler)(UserInterface& ui);
};

class ModelCatalog {
public:
    static const ModelFacts& FactsOf(Model model);
    static NameLimits NameLimitsOf(Model model) { return FactsOf(model).limits; }
    // The padded name string of a model, e.g. "Tyros      ".
    static const std::string& NameOf(Model model);
    // Exact, case-sensitive comparison, padding included.
    static std::optional<Model> FromExactName(const std::string& name);
    // Forgiving lookup for typed names: any case, padding optional ("tyros", "cvp2 series").
    static std::optional<Model> FromLooseName(const std::string& name);
    // The Select Keyboard Model list: PSR-740, PSR-2000, PSR-8000, PSR-9000, 9000Pro, CVP2 Series, Tyros.
    static const std::array<Model, kModelCount>& SelectionOrder();
    static int HandlerIndex(Model model) { return static_cast<int>(model); }
};

}  // namespace kalivo
