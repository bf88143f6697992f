#include "handlers/psr9000/Psr9000BackupFolder.h"

#include <algorithm>

#include "common/Format.h"
#include "common/disk/DiskMngHeader.h"
#include "common/disk/DiskName.h"
#include "common/fs/FatVolume.h"
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

// The folder a store builds: taken away again, with the files written into
// it, unless it was moved into place whole.
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

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) {
        files_.push_back(FileSystem::WithSeparator(path_) + name);
        return files_.back();
    }
    void Keep() { kept_ = true; }
    // Renames the whole folder into place; kept there once that succeeded.
    bool MoveTo(const std::string& target) {
        kept_ = FileSystem::Rename(path_, target);
        return kept_;
    }

private:
    std::string path_;
    std::vector<std::string> files_;
    bool kept_ = false;
};

Outcome CannotWrite(const std::string& path) {
    return Outcome::Failed(Status::kNotValid, InsertText("File %s cannot be written", path));
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

std::optional<std::string> Psr9000BackupFolder::FindFile(const FolderListing& folder, const std::string& name,
                                                         const std::vector<std::string>& kinds,
                                                         const std::string& file) {
    for (const std::string& kind : kinds) {
        if (const auto backup = folder.FindFolder(name + kind)) {
            if (auto path = FolderListing(*backup).FindFile(file)) {
                return path;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> Psr9000BackupFolder::FindRegistrationFile(const Psr9000Model& model,
                                                                     const FolderListing& folder,
                                                                     const std::string& name) {
    return FindFile(folder, name, kArchiveKinds, model.registrationFile);
}

std::optional<Psr9000BackupFolder::ReadResult> Psr9000BackupFolder::ReadFile(const FolderListing& folder,
                                                                             const std::string& name,
                                                                             const std::vector<std::string>& kinds,
                                                                             const std::string& file,
                                                                             std::vector<std::uint8_t>& bytes) {
    for (const std::string& kind : kinds) {
        const auto backup = folder.FindFolder(name + kind);
        if (!backup) {
            continue;
        }
        if (std::string exact = FileSystem::WithSeparator(*backup) + file; FileSystem::ReadBytes(exact, bytes)) {
            return ReadResult{std::move(exact), true};
        }
        if (auto path = FolderListing(*backup).FindFile(file)) {
            const bool read = FileSystem::ReadBytes(*path, bytes);
            return ReadResult{std::move(*path), read};
        }
    }
    return std::nullopt;
}

std::optional<Psr9000BackupFolder::ReadResult> Psr9000BackupFolder::ReadRegistrationFile(
    const Psr9000Model& model, const FolderListing& folder, const std::string& name, std::vector<std::uint8_t>& bytes) {
    return ReadFile(folder, name, kArchiveKinds, model.registrationFile, bytes);
}

std::optional<Psr9000BackupFolder::ReadResult> Psr9000BackupFolder::ReadStyleBackup(
    const Psr9000Model& model, const FolderListing& folder, const std::string& name, std::vector<std::uint8_t>& bytes) {
    if (auto found = ReadFile(folder, name, {".B01"}, "STY.B01", bytes)) {
        return found;
    }
    return ReadFile(folder, name, {kStoredKind}, model.styleBackupFile, bytes);
}

std::string Psr9000BackupFolder::StoredName(const std::string& archive) {
    return DiskName::Stored(archive, kStoredNameSize);
}

std::string Psr9000BackupFolder::StoredFolderName(const std::string& archive) {
    return StoredName(archive) + kStoredKind;
}

namespace {

// BACKUP.INI, the registration file and the style backup, when there is one.
Outcome WriteBackupFiles(CreatedFolder& folder, const Psr9000Model& model, const Psr9000BankTable& table,
                         const std::vector<std::uint8_t>* styleBackup) {
    const auto iniLines = model.BackupIniLines();
    if (const std::string ini = folder.File(kIniFile);
        !TextFile::WriteLines(ini, std::vector<std::string>(iniLines.begin(), iniLines.end()))) {
        return CannotWrite(ini);
    }
    if (const std::string reg = folder.File(model.registrationFile);
        !FileSystem::WriteBytesSafely(reg, Psr9000BackupFile::Write(table))) {
        return CannotWrite(reg);
    }
    if (const std::string sty = styleBackup != nullptr ? folder.File(model.styleBackupFile) : std::string();
        styleBackup != nullptr && !FileSystem::WriteBytesSafely(sty, *styleBackup)) {
        return CannotWrite(sty);
    }
    return Outcome::Done();
}

bool HoldsRegistrationFile(const Psr9000Model& model, const std::string& folder) {
    const auto reg = FileSystem::FindNoCase(folder, model.registrationFile);
    return reg && FileSystem::IsRegularFile(*reg);
}

}  // namespace

Outcome Psr9000BackupFolder::Store(const Psr9000Model& model, const Psr9000BankTable& table,
                                   const std::string& archive, const std::string& folder,
                                   const std::vector<std::uint8_t>* styleBackup) {
    const std::string base = FileSystem::WithSeparator(folder);
    // Listed once, for the leftovers and every name looked up below.
    FolderListing root(base);
    root.RemoveLeftovers();
    const std::string name = StoredName(archive);
    if (name.empty()) {
        return Outcome::Failed(Status::kNotValid, InsertText("Archive name %s holds no character a disk name can keep",
                                                             Cp1252::ToUtf8(archive)));
    }
    // A stored name holds only characters every file system accepts.
    const std::string target = base + name + kStoredKind;
    if (root.FindPath(name + kStoredKind)) {
        return Outcome::Failed(Status::kNotValid, InsertText("Archive %s already exists", name));
    }
    {
        CreatedFolder built(FileSystem::TemporaryNameBeside(target));
        if (!FileSystem::CreateDirectory(built.Path())) {
            return CannotWrite(target);
        }
        if (Outcome written = WriteBackupFiles(built, model, table, styleBackup); !written.Succeeded()) {
            return written;
        }
        if (FatVolume::IsDiskRoot(folder)) {
            // An old DISK.MNG is replaced under the spelling the disk already uses.
            const std::string mng = root.FindPath(kDiskMng).value_or(base + kDiskMng);
            if (!FileSystem::WriteNewBytesSafely(mng, DiskMngHeader::Build(model.instrument, "Ver1.00Rev1.00"))) {
                return CannotWrite(mng);
            }
        }
        if (!built.MoveTo(target)) {
            return CannotWrite(target);
        }
    }
    if (HoldsRegistrationFile(model, target)) {
        return Outcome::Done();
    }
    // Some FAT drivers lose the files of a folder they rename: there the
    // folder is written in place, and taken away again if that fails.
    FileSystem::Remove(target);
    CreatedFolder inPlace(target);
    if (!FileSystem::CreateDirectory(target)) {
        return CannotWrite(target);
    }
    if (Outcome written = WriteBackupFiles(inPlace, model, table, styleBackup); !written.Succeeded()) {
        return written;
    }
    inPlace.Keep();
    return Outcome::Done();
}

}  // namespace kalivo
