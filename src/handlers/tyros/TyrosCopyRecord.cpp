#include "handlers/tyros/TyrosCopyRecord.h"

#include "handlers/tyros/TyrosRegistration.h"

namespace kalivo {

namespace {

struct TypeRange {
    int first = 0;
    int last = -1;  // an empty range
};
using ChoiceTypes = std::array<TypeRange, 3>;

// Setting types carried by each choice. The common block 10 goes with every
// voice part and the style; the style also brings the Left part's blocks.
constexpr std::array<ChoiceTypes, TyrosCopyRecord::kChoiceCount> kChoiceTypes{{
    {{{7, 10}, {19, 22}, {}}},   // Style
    {{{7, 7}, {9, 9}, {}}},      // Style-Path
    {{{10, 14}, {}, {}}},        // Right1
    {{{10, 10}, {15, 18}, {}}},  // Right2
    {{{10, 10}, {23, 26}, {}}},  // Right3
    {{{10, 10}, {19, 22}, {}}},  // Left
    {{{35, 37}, {}, {}}},        // Multipad
    {{{41, 41}, {}, {}}},        // Tempo
    {{{39, 39}, {}, {}}},        // Tune Trans
    {{{40, 40}, {}, {}}},        // Scale
    {{{38, 38}, {}, {}}},        // Harmony
    {{{42, 42}, {}, {}}},        // Pedal
    {{{3, 5}, {}, {}}},          // Song
    {{{43, 45}, {}, {}}},        // Mic
    {{{47, 47}, {}, {}}},        // Line Out
}};

// What an empty destination gets besides: the name and the blocks kept with it.
constexpr ChoiceTypes kNameTypes{{{1, 2}, {27, 34}, {}}};

}  // namespace

bool TyrosCopyRecord::AnyChosen(const std::vector<bool>& choices) {
    for (std::size_t i = 0; i < choices.size() && i < kChoiceCount; ++i) {
        if (choices[i]) {
            return true;
        }
    }
    return false;
}

TyrosCopyRecord::TyrosCopyRecord(const TyrosRegistration& source, const std::vector<bool>& choices,
                                 bool destinationEmpty) {
    auto takeAll = [&](const ChoiceTypes& ranges) {
        for (const TypeRange& range : ranges) {
            Take(source, range.first, range.last);
        }
    };
    for (std::size_t i = 0; i < choices.size() && i < kChoiceCount; ++i) {
        if (choices[i]) {
            takeAll(kChoiceTypes[i]);
        }
    }
    if (destinationEmpty) {
        takeAll(kNameTypes);
    }
}

void TyrosCopyRecord::Take(const TyrosRegistration& source, int first, int last) {
    for (int type = first; type <= last; ++type) {
        const auto block = source.BlockOf(type);
        bytes_[Index(type)].assign(block.begin(), block.end());
        clear_[Index(type)] = block.empty();
    }
}

}  // namespace kalivo
