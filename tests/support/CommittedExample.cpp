#include "support/CommittedExample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "common/fs/FileSystem.h"
#include "support/TempFolder.h"

namespace kalivo::test {

namespace {

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.push_back(std::filesystem::relative(entry.path(), folder).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

void ExpectCommittedExample(const std::string& name, const ExampleWriter& write) {
    const std::string committed = std::string(KALIVO_EXAMPLES_DIR) + "/" + name;
    const char* rewrite = std::getenv("KALIVO_WRITE_EXAMPLES");
    if (rewrite != nullptr && std::string(rewrite) == "1") {
        std::filesystem::remove_all(committed);
        std::filesystem::create_directories(committed);
        ASSERT_TRUE(write(committed));
    }
    TempFolder fresh;
    ASSERT_TRUE(write(fresh.Path()));
    const auto files = FilesBelow(fresh.Path());
    ASSERT_EQ(FilesBelow(committed), files);
    for (const std::string& file : files) {
        std::vector<std::uint8_t> stored;
        EXPECT_TRUE(FileSystem::ReadBytes(committed + "/" + file, stored)) << file;
        EXPECT_EQ(fresh.ReadBytes(file), stored) << file;
    }
}

}  // namespace kalivo::test
