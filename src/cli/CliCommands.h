#pragma once
// The commands of kalivo-cli on one model's handler pair. Like a model switch
// in the window, construction creates both stores and passes cleared
// style-archive options; destruction releases the stores. Every command
// returns 0 or the first failing status a handler returned (kUsageError when
// the command line cannot be carried out), and says on the way what failed.
#include <iosfwd>
#include <string>
#include <vector>

#include "app/ModelCatalog.h"
#include "cli/CliRequest.h"
#include "handlers/ModelHandler.h"

namespace kalivo {

class CliCommands {
public:
    CliCommands(Model model, ModelHandler& source, ModelHandler& destination, UserInterface& ui,
                std::ostream& out, std::ostream& err);
    ~CliCommands();
    CliCommands(const CliCommands&) = delete;
    CliCommands& operator=(const CliCommands&) = delete;

    int List(const CliRequest& request);
    int Protocol(const CliRequest& request);
    int Regfiles(const CliRequest& request);
    int Copy(const CliRequest& request);
    // What a voice list file offers, then how many voice settings of the
    // archive each of its lists names.
    int Voices(const CliRequest& request);
    // The first half of Voices, which needs no model.
    static int DescribeVoiceFile(const CliRequest& request, UserInterface& ui, std::ostream& out);

private:
    // Archives are bank files, loaded many at a time and stored bank by bank.
    bool BankFiles() const { return ModelCatalog::FactsOf(model_).bankFiles; }
    // Archives from --folder, or regfiles from --regfiles; false when the command cannot go on.
    bool LoadSource(const CliRequest& request);
    bool CreateOutFolder(const std::string& folder);
    bool ChooseArchives(const std::string& folder, const std::vector<std::string>& asked,
                        std::vector<std::string>& names);
    bool LoadArchives(const std::string& folder, const std::vector<std::string>& names);
    // --styles: false (usage error) on a model without style archives.
    bool PrepareStyles(const std::string& styles);
    // --styles FILE after the load; a failure is reported and counted, the command goes on.
    void LoadChosenStyles(const std::string& path);
    void StoreDestination(const std::string& folder);
    // --voices: false (the command cannot go on) when the list cannot be had.
    bool ApplyVoiceList(const CliRequest& request);
    // Remembers the first failure and says which call failed; returns status.
    Status Check(Status status, const std::string& what);
    bool Usage(const std::string& reason);

    Model model_;
    ModelHandler& source_;
    ModelHandler& destination_;
    UserInterface& ui_;
    std::ostream& out_;
    std::ostream& err_;
    int result_ = 0;
};

}  // namespace kalivo
