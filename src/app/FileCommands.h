#pragma once
// The window's commands that read and write files: New, Load Archive and
// Load Regfiles, Create Regfiles, Protocol, Store Archive and a drop of bank
// files on the left list.
#include <string>
#include <vector>

#include "app/ArchiveWorkflow.h"

namespace kalivo {

class MainDialog;
class ModelHandler;

class FileCommands {
public:
    explicit FileCommands(MainDialog& dialog) : d_(dialog) {}

    void NewLeft();
    void NewRight();
    void LoadArchiveLeft();
    void LoadArchiveRight();
    void LoadRegfiles();
    void CreateRegfilesLeft();
    void CreateRegfilesRight();
    void ProtocolLeft();
    void ProtocolRight();
    void StoreArchive();
    bool DropOnSource(const std::vector<std::string>& paths);

private:
    bool ChooseArchives(const std::string& folder, ModelHandler& handler, std::vector<std::string>& chosen);
    Status LoadArchives(bool destination, const std::string& folder, const std::vector<std::string>& names);
    bool ChooseAndLoadArchives(bool destination);
    void LoadedStatus(const std::vector<std::string>& names, const std::string& folder, bool destination);
    void CreateRegfilesWith(ModelHandler& handler, int registrations);
    void WriteProtocolWith(ModelHandler& handler, bool regfiles);
    void StoreSingleArchive();

    MainDialog& d_;
    ArchiveWorkflow::LoadOutcome lastLoad_;
};

}  // namespace kalivo
