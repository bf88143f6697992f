#include "handlers/psr740_8000/PsrRegfiles.h"

#include <algorithm>

#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "common/text/Cp1252.h"
#include "handlers/RegfileFolder.h"
#include "handlers/StatusCodes.h"

namespace kalivo {

const PsrRegfileEntry* PsrRegfiles::Entry(int index) const {
    return index >= 0 && index < static_cast<int>(entries_.size()) ? &entries_[static_cast<std::size_t>(index)]
                                                                    : nullptr;
}

std::vector<std::uint8_t> PsrRegfiles::RecordOf(const PsrModel& model, const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> record(model.recordSize);
    model.makeDefault(record, 0, 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
    return record;
}

int PsrRegfiles::Load(UserInterface& ui, const std::string& folder) {
    entries_.clear();
    const std::string dir = FileSystem::WithSeparator(folder);
    const std::string extension = model_->regfileExtension;
    const auto files = FileSystem::FindFiles(dir, "*" + extension);
    if (files.empty()) {
        ui.ShowMessage("No reg-files found");
        return status::kNoRegfileFound;
    }
    for (const std::string& file : files) {
        std::vector<std::uint8_t> bytes;
        if (!FileSystem::ReadBytes(dir + file, bytes)) {
            ui.ShowMessage("Regfile " + dir + file + " cannot be read.");
            continue;
        }
        entries_.push_back({Cp1252::FromUtf8(file.substr(0, file.size() - extension.size())), RecordOf(*model_, bytes)});
    }
    std::stable_sort(entries_.begin(), entries_.end(), [](const PsrRegfileEntry& a, const PsrRegfileEntry& b) {
        return FileSystem::LessNoCase(a.title, b.title);
    });
    return status::kDone;
}

std::string PsrRegfiles::FileBase(const std::string& title, const std::string& archive, int bank, int slot) {
    return RegfileFolder::Underscored(title) + "_" + archive + FormatNumbers("(%i-%i)", bank + 1, slot + 1);
}

}  // namespace kalivo
