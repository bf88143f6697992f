#include "app/ModelCatalog.h"

#include <cctype>

namespace kalivo {

namespace {

const std::array<std::string, kModelCount> kNames = {
    "PSR-740    ", "PSR-8000   ", "PSR-9000   ", "9000Pro    ", "PSR-2000   ", "CVP2 Series", "Tyros      ",
};

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

NameLimits ModelCatalog::NameLimitsOf(Model model) {
    switch (model) {
        case Model::Psr740:
        case Model::Psr8000: return {16, 16, 16, 8};
        case Model::Psr9000:
        case Model::Psr9000Pro: return {16, 16, 16, 16};
        // The archive name is the bank name, whole on the PSR-2000 and with
        // ".s917" added on the CVP2 Series.
        case Model::Psr2000: return {16, 41, 41, 0};
        case Model::Cvp2: return {16, 16, 16 + 5, 0};
        case Model::Tyros: return {15, 35, 0, 0};
    }
    return {16, 16, 16, 0};
}

const std::string& ModelCatalog::NameOf(Model model) { return kNames[static_cast<std::size_t>(model)]; }

std::optional<Model> ModelCatalog::FromExactName(const std::string& name) {
    for (int i = 0; i < kModelCount; ++i) {
        if (kNames[static_cast<std::size_t>(i)] == name) {
            return static_cast<Model>(i);
        }
    }
    return std::nullopt;
}

std::optional<Model> ModelCatalog::FromLooseName(const std::string& name) {
    const std::string wanted = Folded(name);
    for (int i = 0; i < kModelCount; ++i) {
        if (Folded(kNames[static_cast<std::size_t>(i)]) == wanted) {
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
