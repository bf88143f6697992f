#pragma once
// Undo checked where it matters: what a store writes. A handler stores, takes
// a snapshot, changes, gives the snapshot back and stores again; both stores
// must leave the same files, byte for byte.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "handlers/ModelHandler.h"

namespace kalivo::test {

// Every file below folder, by its path relative to folder.
std::map<std::string, std::vector<std::uint8_t>> FolderBytes(const std::string& folder);

// store writes the handler's destination into the folder it is given (with
// a trailing separator), as Store Archive does for that model.
void ExpectUndoRestoresTheStore(ModelHandler& handler, const std::function<void(const std::string&)>& store,
                                const std::function<void()>& change);

}  // namespace kalivo::test
