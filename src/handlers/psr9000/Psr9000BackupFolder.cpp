#include "handlers/psr9000/Psr9000BackupFolder.h"

#include <algorithm>

#include "common/Format.h"
#include "common/disk/DiskMngHeader.h"
#include "common/fs/FatVolume.h"
#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/fs/TextFile.h"
#include "common/text/Cp1252.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr9000/Psr9000BackupFile.h"

namespace kalivo {

namespace {

const std::vector<std::string> kArchiveKinds{".BUF", ".B01", ".B02"};
constexpr const char* kStoredKind = ".BUF";
constexpr const char* kIniFile = "BACKUP.INI";
constexpr const char* kDiskMng = "DISK.MNG";
constexpr std::size_t kStoredNameSize = 16;

// Undoes a store that failed part way: the files it wrote and the folder it made.
class CreatedFolder {
public:
    explicit CreatedFolder(std::string path) : path_(std::move(path)) {}
    ~CreatedFolder() {
        if (!kept_) {
            for (const std::string& file : files_) {
                FileSystem::Remove(file);
            }
            FileSystem::Remove(path_);
        }
    }
    CreatedFolder(const CreatedFolder&) = delete;
    CreatedFolder& operator=(const CreatedFolder&) = delete;

    std::string File(const std::string& name) {
        files_.push_back(FileSystem::WithSeparator(path_) + name);
        return files_.back();
    }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    std::vector<std::string> files_;
    bool kept_ = false;
};

int CannotWrite(UserInterface& ui, const std::string& path) {
    ui.ShowMessage(InsertText("File %s cannot be written", path));
    return status::kNotValid;
}

}  // namespace

std::vector<std::string> Psr9000BackupFolder::ListArchives(const std::string& folder) {
    std::vector<std::string> names;
    for (const std::string& kind : kArchiveKinds) {
        for (const std::string& found : FileSystem::FindFolders(folder, "*" + kind)) {
            const std::string name = found.substr(0, found.size() - kind.size());
            const bool listed = std::any_of(names.begin(), names.end(), [&](const std::string& other) {
                return FileSystem::EqualsNoCase(other, name);
            });
            if (!listed) {
                names.push_back(name);
            }
        }
    }
    std::stable_sort(names.begin(), names.end(), FileSystem::LessNoCase);
    return names;
}

std::optional<std::string> Psr9000BackupFolder::FindFile(const std::string& folder, const std::string& name,
                                                         const std::vector<std::string>& kinds,
                                                         const std::string& file) {
    for (const std::string& kind : kinds) {
        const auto backup = FileSystem::FindNoCase(folder, name + kind);
        if (!backup || !FileSystem::IsDirectory(*backup)) {
            continue;
        }
        const auto path = FileSystem::FindNoCase(*backup, file);
        if (path && FileSystem::IsRegularFile(*path)) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Psr9000BackupFolder::FindRegistrationFile(const Psr9000Model& model,
                                                                     const std::string& folder,
                                                                     const std::string& name) {
    return FindFile(folder, name, kArchiveKinds, model.registrationFile);
}

std::optional<std::string> Psr9000BackupFolder::FindStyleBackup(const Psr9000Model& model, const std::string& folder,
                                                                const std::string& name) {
    if (auto path = FindFile(folder, name, {".B01"}, "STY.B01")) {
        return path;
    }
    return FindFile(folder, name, {kStoredKind}, model.styleBackupFile);
}

std::string Psr9000BackupFolder::StoredName(const std::string& archive) {
    std::string name = archive.substr(0, std::min(archive.size(), kStoredNameSize));
    // The instrument's own upper-casing leaves accented letters alone.
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return name;
}

int Psr9000BackupFolder::Store(const Psr9000Model& model, const Psr9000BankTable& table, const std::string& archive,
                               const std::string& folder, UserInterface& ui) {
    const std::string name = StoredName(archive);
    const std::string dirName = FileNameSanitizer::Sanitize(Cp1252::ToUtf8(name) + kStoredKind);
    const std::string base = FileSystem::WithSeparator(folder);
    if (FileSystem::FindNoCase(base, dirName)) {
        ui.ShowMessage(InsertText("Archive %s already exists", Cp1252::ToUtf8(name)));
        return status::kNotValid;
    }
    if (!FileSystem::CreateDirectory(base + dirName)) {
        ui.ShowMessage(InsertText("Folder %s cannot be created", base + dirName));
        return status::kNotValid;
    }
    CreatedFolder created(base + dirName);
    const auto iniLines = model.BackupIniLines();
    if (const std::string ini = created.File(kIniFile);
        !TextFile::WriteLines(ini, std::vector<std::string>(iniLines.begin(), iniLines.end()))) {
        return CannotWrite(ui, ini);
    }
    if (const std::string reg = created.File(model.registrationFile);
        !FileSystem::WriteBytesSafely(reg, Psr9000BackupFile::Write(table))) {
        return CannotWrite(ui, reg);
    }
    // The disk's own management file goes last: the backup folder is complete before it says so.
    if (FatVolume::IsDiskRoot(folder)) {
        // An old DISK.MNG is replaced under the spelling the disk already uses.
        const std::string mng = FileSystem::FindNoCase(base, kDiskMng).value_or(base + kDiskMng);
        if (!FileSystem::WriteBytesSafely(mng, DiskMngHeader::Build(model.instrument, "Ver1.00Rev1.00"))) {
            return CannotWrite(ui, mng);
        }
    }
    created.Keep();
    return status::kDone;
}

}  // namespace kalivo
