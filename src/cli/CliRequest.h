#pragma once
// What the command line asked for, as the argument parser fills it in.
#include <string>
#include <vector>

namespace kalivo {

// Exit status of a command line that cannot be carried out as written.
inline constexpr int kAllDone = 0;  // the exit status of a run that did everything
inline constexpr int kUsageError = 2;

struct CliRequest {
    std::string command;                // "models", "list", "protocol", "regfiles", "copy" or "voices"
    std::string model;                  // as typed: any case, padding optional
    std::string folder;                 // archive folder, without a trailing separator
    std::vector<std::string> archives;  // empty: the archives found in folder
    std::string regfiles;               // regfile folder (list and protocol)
    std::string out;                    // protocol file, or the folder to write into
    std::string styles;                 // "implicit", a style archive path, or empty (default names)
    std::string encoding = "windows-1252";  // of a text protocol: "windows-1252" or "utf-8"
    std::string voices;                 // voice list file (instrument definitions or table), or empty
    std::string instrument;             // the instrument of a definition file, or empty: the only one
    bool answerYes = false;
    bool answerNo = false;
};

}  // namespace kalivo
