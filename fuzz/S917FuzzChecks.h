#pragma once
// What the S917 fuzz targets do with every registration block a reader
// accepted: every reader, and a group copy of it into itself and into an
// empty slot, must stay inside the block.
#include <cstdlib>
#include <vector>

#include "handlers/cvp2_psr2000/Cvp2BlockRebuild.h"
#include "handlers/cvp2_psr2000/Cvp2Registration.h"

namespace kalivo::fuzz {

inline void RequireS917(bool condition) {
    if (!condition) {
        std::abort();
    }
}

inline void ExerciseS917(const Cvp2Registration& registration) {
    volatile std::size_t sink = registration.Name().size() + registration.LongName().size();
    sink = sink + registration.PathName(16).size() + registration.PathName(17).size();
    sink = sink + static_cast<std::size_t>(registration.Tempo() + 1) + registration.SettingsMask();
    for (int gp : {4, 5, 6}) {
        if (const auto key = registration.Voice(gp)) {
            sink = sink + static_cast<std::size_t>(key->msb + key->lsb + key->program);
        }
    }
    std::string error;
    const std::vector<bool> all(24, true);
    const auto merged = Cvp2BlockRebuild::Build(&registration, registration, all, error);
    const auto fresh = Cvp2BlockRebuild::Build(nullptr, registration, all, error);
    RequireS917(merged.has_value() && fresh.has_value());
    RequireS917(merged->Length() <= 1680 && fresh->Length() <= 1680);
    auto renamed = *fresh;
    renamed.Rename("NewRegist");
    // A block read back from what it holds is the same block.
    const auto again = Cvp2Registration::FromRelative(registration.Bytes());
    RequireS917(again.has_value() && again->Bytes() == registration.Bytes());
}

}  // namespace kalivo::fuzz
