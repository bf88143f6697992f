#pragma once
// Backup folders on disk: "<name>.BUF" (written by this program and the
// instrument), "<name>.B01" and "<name>.B02" (written by the instrument).
// Every name is looked up ignoring case, as disks spell them either way.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/fs/FolderListing.h"
#include "handlers/psr9000/Psr9000BankTable.h"
#include "handlers/psr9000/Psr9000Model.h"
#include "handlers/Outcome.h"

namespace kalivo {

class Psr9000BackupFolder {
public:
    // Archive names (folder names without extension) of the backup folders
    // in folder, sorted ignoring case; a name found in several kinds is listed once.
    static std::vector<std::string> ListArchives(const std::string& folder);
    // Path of file inside folder + name + kind, the kinds tried in the order
    // given; every name is looked up in the one listing of folder.
    static std::optional<std::string> FindFile(const FolderListing& folder, const std::string& name,
                                               const std::vector<std::string>& kinds, const std::string& file);
    // The registration file of the first backup folder kind that holds one.
    static std::optional<std::string> FindRegistrationFile(const Psr9000Model& model, const FolderListing& folder,
                                                           const std::string& name);

    // A file found in a backup folder, and whether its bytes could be read.
    struct ReadResult {
        std::string path;
        bool read = false;
    };
    // As FindFile, with the file's bytes read into bytes. The name as given is
    // read straight away; a backup folder is listed only when that fails, so a
    // load asks the disk nothing the read does not ask again.
    static std::optional<ReadResult> ReadFile(const FolderListing& folder, const std::string& name,
                                              const std::vector<std::string>& kinds, const std::string& file,
                                              std::vector<std::uint8_t>& bytes);
    static std::optional<ReadResult> ReadRegistrationFile(const Psr9000Model& model, const FolderListing& folder,
                                                          const std::string& name, std::vector<std::uint8_t>& bytes);
    // The style backup: "STY.B01" in a ".B01" folder, else the model's file in a ".BUF" folder.
    static std::optional<ReadResult> ReadStyleBackup(const Psr9000Model& model, const FolderListing& folder,
                                                     const std::string& name, std::vector<std::uint8_t>& bytes);

    // Writes a new backup folder "<NAME>.BUF" into folder (and DISK.MNG when
    // folder is the root of an instrument disk), with a copy of styleBackup
    // when given. The folder is built under a temporary name and renamed into
    // place whole, so a store that fails or is killed leaves no half-made
    // backup; the next store removes such leftovers. Done, or kNotValid with
    // the message naming what failed.
    static Outcome Store(const Psr9000Model& model, const Psr9000BankTable& table, const std::string& archive,
                         const std::string& folder, const std::vector<std::uint8_t>* styleBackup = nullptr);
    // The archive name (instrument text) as a disk keeps it: the folder name
    // without ".BUF". Empty when no character of archive can be kept.
    static std::string StoredName(const std::string& archive);
    // The backup folder a store of archive writes ("MY REGS 2004 LON.BUF").
    static std::string StoredFolderName(const std::string& archive);
};

}  // namespace kalivo
