#include "app/ModelCatalog.h"

#include <cctype>

#include "common/tables/BankSelectVoiceTable.h"
#include "handlers/cvp2_psr2000/Cvp2Handler.h"
#include "handlers/cvp2_psr2000/Psr2000Handler.h"
#include "handlers/psr740_8000/Psr740Handler.h"
#include "handlers/psr740_8000/Psr8000Handler.h"
#include "handlers/psr9000/Psr9000Handler.h"
#include "handlers/psr9000/Psr9000ProHandler.h"
#include "handlers/tyros/TyrosHandler.h"
#include "handlers/tyros/TyrosTables.h"

namespace kalivo {

namespace {

template <class Handler>
std::unique_ptr<ModelHandler> Make(UserInterface& ui) {
    return std::make_unique<Handler>(ui);
}

template <BankSelectTableId table>
int BankSelectRows() {
    return static_cast<int>(BankSelectVoiceTable::For(table).Rows().size());
}

int TyrosRows() { return static_cast<int>(TyrosTables::Voices().size()); }

// In handler order. Columns as in ModelFacts: name; name limits (registration,
// bank, archive, disk name); bank files, style archives, group copy, bank
// edits, HTML protocol; the built-in voice table; the handler class. The PSR-2000 archive name is its
// bank name whole, the CVP2 Series adds ".s917"; PSR-740/8000 and
// PSR-9000/9000Pro keep archives on floppy disks under names of 8 and 16.
const std::array<ModelFacts, kModelCount> kFacts = {{
    {"PSR-740    ", {16, 16, 16, 8}, false, true, false, false, true, BankSelectRows<BankSelectTableId::Psr740>,
     Make<Psr740Handler>},
    {"PSR-8000   ", {16, 16, 16, 8}, false, true, false, false, true, nullptr, Make<Psr8000Handler>},
    {"PSR-9000   ", {16, 16, 16, 16}, false, true, false, false, true, BankSelectRows<BankSelectTableId::Psr9000>,
     Make<Psr9000Handler>},
    {"9000Pro    ", {16, 16, 16, 16}, false, true, false, false, true, BankSelectRows<BankSelectTableId::Psr9000Pro>,
     Make<Psr9000ProHandler>},
    {"PSR-2000   ", {16, 41, 41, 0}, false, false, true, false, true, BankSelectRows<BankSelectTableId::Psr2000>,
     Make<Psr2000Handler>},
    {"CVP2 Series", {16, 16, 16 + 5, 0}, false, false, true, false, true, BankSelectRows<BankSelectTableId::Cvp2>,
     Make<Cvp2Handler>},
    {"Tyros      ", {15, 35, 0, 0}, true, false, true, true, false, TyrosRows, Make<TyrosHandler>},
}};

std::string Folded(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const auto end = out.find_last_not_of(' ');
    const auto begin = out.find_first_not_of(' ');
    return end == std::string::npos ? std::string() : out.substr(begin, end - begin + 1);
}

}  // namespace

const ModelFacts& ModelCatalog::FactsOf(Model model) { return kFacts[static_cast<std::size_t>(model)]; }

const std::string& ModelCatalog::NameOf(Model model) {
    static const std::array<std::string, kModelCount> names = [] {
        std::array<std::string, kModelCount> all;
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i] = kFacts[i].name;
        }
        return all;
    }();
    return names[static_cast<std::size_t>(model)];
}

std::optional<Model> ModelCatalog::FromExactName(const std::string& name) {
    for (int i = 0; i < kModelCount; ++i) {
        if (NameOf(static_cast<Model>(i)) == name) {
            return static_cast<Model>(i);
        }
    }
    return std::nullopt;
}

std::optional<Model> ModelCatalog::FromLooseName(const std::string& name) {
    const std::string wanted = Folded(name);
    for (int i = 0; i < kModelCount; ++i) {
        if (Folded(NameOf(static_cast<Model>(i))) == wanted) {
            return static_cast<Model>(i);
        }
    }
    return std::nullopt;
}

const std::array<Model, kModelCount>& ModelCatalog::SelectionOrder() {
    static const std::array<Model, kModelCount> order = {
        Model::Psr740, Model::Psr2000, Model::Psr8000, Model::Psr9000, Model::Psr9000Pro, Model::Cvp2, Model::Tyros,
    };
    return order;
}

}  // namespace kalivo
