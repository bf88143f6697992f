#pragma once
// The voice list a person chose for a model: read from its file, checked
// against the model, described in one line. Shared by the window and
// kalivo-cli, so both refuse and describe alike.
#include <memory>
#include <string>
#include <vector>

#include "app/ModelCatalog.h"
#include "common/voices/VoiceList.h"

namespace kalivo {

class VoiceListSource {
public:
    // A model that keeps voice numbers rather than bank select (the PSR-8000)
    // has no voices a list by bank select can name.
    static bool ModelTakesLists(Model model);
    static std::string RefusalFor(Model model);
    // The rows of the model's built-in voice table.
    static int BuiltInRows(Model model);

    // The list of path's instrument; an empty instrument takes the only one.
    // The instrument is typed (UTF-8). nullptr with error (UTF-8, naming the
    // file and the line where there is one) when it cannot be had.
    static std::shared_ptr<const VoiceList> Load(const std::string& path, const std::string& instrument,
                                                 std::string& error);
    // The instruments of a definition file (UTF-8); empty for a table. false
    // with error when the file cannot be read.
    static bool Instruments(const std::string& path, std::vector<std::string>& names, std::string& error);

    // Where names come from now: "built-in table, 524 rows" or
    // "FILE, instrument NAME, 812 rows" (UTF-8).
    static std::string Describe(Model model, const VoiceList* list);
    // "12 of 40 voice settings of the loaded archives are named by the list".
    static std::string DescribeNamed(const VoiceList& list, const std::vector<BankSelectKey>& keys);
};

}  // namespace kalivo
