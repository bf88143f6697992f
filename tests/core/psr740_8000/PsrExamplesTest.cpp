// The committed example sets are what the writer makes today, and they load.
// KALIVO_WRITE_EXAMPLES=1 rewrites them instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/psr740_8000/PsrExamples.h"
#include "core/psr740_8000/PsrTestSupport.h"

namespace kalivo::test::psr {
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

class PsrExamplesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(PsrExamplesTest, CommittedExampleIsWhatTheWriterMakes) {
    const std::string committed = std::string(KALIVO_EXAMPLES_DIR) + "/" + GetParam();
    const char* rewrite = std::getenv("KALIVO_WRITE_EXAMPLES");
    if (rewrite != nullptr && std::string(rewrite) == "1") {
        std::filesystem::remove_all(committed);
        std::filesystem::create_directories(committed);
        ASSERT_TRUE(WriteExample(GetParam(), committed));
    }
    TempFolder fresh;
    ASSERT_TRUE(WriteExample(GetParam(), fresh.Path()));
    const auto files = FilesBelow(fresh.Path());
    ASSERT_EQ(FilesBelow(committed), files);
    for (const std::string& file : files) {
        Bytes stored;
        EXPECT_TRUE(FileSystem::ReadBytes(committed + "/" + file, stored)) << file;
        EXPECT_EQ(fresh.ReadBytes(file), stored) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, PsrExamplesTest, ::testing::Values("psr740", "psr8000"));

TEST(PsrExamplesLoadTest, ExamplesLoadWithTheirCustomStyleNames) {
    ScriptedUserInterface ui;
    Psr740Handler psr740(ui);
    psr740.CreateStore();
    psr740.SetStyleArchiveOptions(false, false, "", true);
    ASSERT_EQ(psr740.LoadSourceArchive(std::string(KALIVO_EXAMPLES_DIR) + "/psr740/", "DEMO"), 0);
    std::string text;
    psr740.GetStyleName(0, 3, text, 1);
    EXPECT_EQ(text, "*Late Ballad*");
    psr740.GetRegistrationName(2, 0, text);
    EXPECT_EQ(text, "Rock Night");

    Psr8000Handler psr8000(ui);
    psr8000.CreateStore();
    psr8000.SetStyleArchiveOptions(false, false, "", true);
    ASSERT_EQ(psr8000.LoadSourceArchive(std::string(KALIVO_EXAMPLES_DIR) + "/psr8000/", "DEMO"), 0);
    psr8000.GetStyleName(0, 2, text, 1);
    EXPECT_EQ(text, "*Funky Groove*");
    psr8000.GetVoiceName3(0, 2, text);
    EXPECT_EQ(text, "Custom 1");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kalivo::test::psr
