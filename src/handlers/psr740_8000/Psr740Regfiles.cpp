#include "handlers/psr740_8000/Psr740Regfiles.h"

#include <algorithm>

#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "handlers/RegfileFolder.h"
#include "handlers/RegfileLoader.h"
#include "handlers/psr740_8000/Psr740Record.h"
#include "handlers/StatusCodes.h"

namespace kalivo {

const Psr740RegfileEntry* Psr740Regfiles::Entry(int index) const {
    return index >= 0 && index < static_cast<int>(entries_.size()) ? &entries_[static_cast<std::size_t>(index)]
                                                                    : nullptr;
}

Outcome Psr740Regfiles::Load(const std::string& folder) {
    entries_.clear();
    const Psr740Model& model = *model_;
    const RegfileLoader loader(model.regfileExtension, model.recordSize, "No reg-files found");
    const Outcome result = loader.Load(folder, [&](const std::string& title, const std::vector<std::uint8_t>& bytes) {
        if (!Psr740Record::IsSound(model, bytes)) {
            return false;
        }
        entries_.push_back({title, bytes});
        return true;
    });
    std::stable_sort(entries_.begin(), entries_.end(), [](const Psr740RegfileEntry& a, const Psr740RegfileEntry& b) {
        return FileSystem::LessNoCase(a.title, b.title);
    });
    return result;
}

std::string Psr740Regfiles::FileBase(const std::string& title, const std::string& archive, int bank, int slot) {
    return RegfileFolder::Underscored(title) + "_" + archive + FormatNumbers("(%i-%i)", bank + 1, slot + 1);
}

}  // namespace kalivo
