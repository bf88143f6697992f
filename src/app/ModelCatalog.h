#pragma once
// The seven models: their eleven-character name strings, the order of the
// handler pairs, and the different order of the Select Keyboard Model list.
#include <array>
#include <optional>
#include <string>

namespace kalivo {

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

class ModelCatalog {
public:
    static NameLimits NameLimitsOf(Model model);
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
