#pragma once
// The steps of loading and storing archives that every front end takes the
// same way: the window (and with it the browser page) and kalivo-cli. The
// front ends keep only their own parts: choosing, asking and telling.
#include <functional>
#include <string>
#include <vector>

#include "handlers/ModelHandler.h"
#include "handlers/StatusCodes.h"
#include "ui/UserInterface.h"

namespace kalivo {

class ArchiveWorkflow {
public:
    enum class Side { Source, Destination };
    // Told after each archive or bank, with the handler's status for it.
    using EachStatus = std::function<void(const std::string& name, Status status)>;

    struct LoadOutcome {
        Status status = Status::kDone;  // of the last archive tried
        int loaded = 0;     // archives that loaded
        int notLoaded = 0;  // archives left out because no bank was free
    };
    struct StoreOutcome {
        int stored = 0;
        int tried = 0;
    };

    static constexpr const char* kNoArchiveFound = "No Archive found";

    // A wanted style archive only adds user style names: the archive loaded.
    static bool IsLoadFailure(Status status);
    // Regfiles loaded, perhaps with some files left out.
    static bool RegfilesLoaded(Status status);

    // Loads the named archives of the folder one after another; stops at the
    // first that finds no free bank, since the rest would not fit either.
    static LoadOutcome LoadArchives(ModelHandler& handler, Side side, const std::string& folder,
                                    const std::vector<std::string>& names, const EachStatus& each = nullptr);
    // What a load could not name is told once, after the whole load.
    static void ReportUnknownVoices(ModelHandler& handler);

    // The banks a store may write; says so when there are none.
    static StringList BanksToStore(ModelHandler& handler, UserInterface& ui);
    // Stores the chosen banks (indices into banks), each into its own file.
    static StoreOutcome StoreBanks(ModelHandler& handler, const StringList& banks, const std::vector<int>& chosen,
                                   const std::string& folder, const EachStatus& each = nullptr);
    // Stores the whole archive of a one-archive model under its own name.
    static Status StoreNamedArchive(ModelHandler& handler, const std::string& folder);
};

}  // namespace kalivo
