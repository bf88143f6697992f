#pragma once
// Reads a voice list file whole: an instrument definition file (".ins"),
// possibly with several instruments, or a voice table. Nothing is kept from a
// file that fails; every message names the file, and the line where there is one.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/voices/VoiceList.h"

namespace kalivo {

class VoiceListFile {
public:
    // Real definition files are well under a megabyte; a larger file is
    // taken for something else rather than read into memory.
    static constexpr std::uintmax_t kMaxSize = 4u * 1024u * 1024u;

    bool Read(const std::string& path, std::string& error);
    // The same on bytes already read; path only names the file in messages.
    bool Parse(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);

    // The instruments in file order; a voice table has none.
    std::vector<std::string> Instruments() const;
    bool IsTable() const { return isTable_; }
    // The list of the named instrument; an empty name takes the only one (a
    // table's list, or a file's single instrument). The list's origin is set.
    bool Take(const std::string& instrument, VoiceList& list, std::string& error) const;
    // Every list with its instrument name ("" for a table).
    const std::vector<std::pair<std::string, VoiceList>>& Lists() const { return lists_; }
    const std::string& Path() const { return path_; }

private:
    std::string InstrumentNames() const;

    std::string path_;
    bool isTable_ = false;
    std::vector<std::pair<std::string, VoiceList>> lists_;
};

}  // namespace kalivo
