#include "support/StoreRoundTrip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/TempFolder.h"

namespace kalivo::test {

std::map<std::string, std::vector<std::uint8_t>> FolderBytes(const std::string& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[std::filesystem::relative(entry.path(), folder).generic_string()] =
                std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return files;
}

void ExpectUndoRestoresTheStore(ModelHandler& handler, const std::function<void(const std::string&)>& store,
                                const std::function<void()>& change) {
    TempFolder first;
    TempFolder changed;
    TempFolder again;
    store(first.Path() + "/");
    const auto snapshot = handler.SaveDestinationState();
    ASSERT_NE(snapshot, nullptr);
    change();
    store(changed.Path() + "/");
    ASSERT_FALSE(FolderBytes(first.Path()).empty());
    EXPECT_NE(FolderBytes(changed.Path()), FolderBytes(first.Path())) << "the change does not reach the files";
    handler.RestoreDestinationState(*snapshot);
    store(again.Path() + "/");
    EXPECT_EQ(FolderBytes(again.Path()), FolderBytes(first.Path()));
}

}  // namespace kalivo::test
