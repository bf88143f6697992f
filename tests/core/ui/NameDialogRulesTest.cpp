#include <gtest/gtest.h>

#include "ui/BankSelection.h"
#include "ui/ChangeNameFilter.h"
#include "ui/OptionsChoice.h"

namespace kalivo {
namespace {

TEST(ChangeNameFilterTest, TypedCharacterIsCheckedAndRemovedWithTheCaretStaying) {
    std::string text = "ab/";
    int caret = 3;
    EXPECT_TRUE(ChangeNameFilter::FilterTyped(text, caret));
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(caret, 2);
    text = "a.b";
    caret = 2;  // a full stop typed in the middle
    EXPECT_TRUE(ChangeNameFilter::FilterTyped(text, caret));
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(caret, 1);
    text = "Jazz #1 (new) {x} @'$%&^_-";
    caret = static_cast<int>(text.size());
    EXPECT_FALSE(ChangeNameFilter::FilterTyped(text, caret));
}

TEST(ChangeNameFilterTest, PasteIsFilteredOverItsWholeText) {
    std::string text = "a/b\\c:d.e";
    int caret = 9;
    EXPECT_TRUE(ChangeNameFilter::FilterPasted(text, caret));
    EXPECT_EQ(text, "abcde");
    EXPECT_EQ(caret, 5);
    EXPECT_FALSE(ChangeNameFilter::IsAllowed('\0'));
    EXPECT_FALSE(ChangeNameFilter::IsAllowed('\xE4'));
}

TEST(ChangeNameFilterTest, OnlyOneCharacterTypedAtTheCaretIsCheckedAlone) {
    // A paste of "x/" over the selected "ab": as long as a typed character,
    // but the whole text is checked, so the '/' cannot slip in.
    std::string text = "Jx/z";
    int caret = 3;
    EXPECT_TRUE(ChangeNameFilter::FilterEdit("Jabz", text, caret));
    EXPECT_EQ(text, "Jxz");
    EXPECT_EQ(caret, 2);
    // One character typed before the caret: only that one counts.
    text = "Vol.2x";
    caret = 6;
    EXPECT_FALSE(ChangeNameFilter::FilterEdit("Vol.2", text, caret));
    EXPECT_EQ(text, "Vol.2x");
    text = "ab/c";
    caret = 3;
    EXPECT_TRUE(ChangeNameFilter::FilterEdit("abc", text, caret));
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(caret, 2);
    // The same length change elsewhere than before the caret is not a typed character.
    text = "a/bc";
    caret = 4;
    EXPECT_TRUE(ChangeNameFilter::FilterEdit("abc", text, caret));
    EXPECT_EQ(text, "abc");
}

TEST(ChangeNameFilterTest, TrailingSpacesAreRemoved) {
    EXPECT_EQ(ChangeNameFilter::TrimTrailingSpaces("Name   "), "Name");
    EXPECT_EQ(ChangeNameFilter::TrimTrailingSpaces("  "), "");
    EXPECT_EQ(ChangeNameFilter::TrimTrailingSpaces(" a b "), " a b");
}

TEST(OptionsChoiceTest, TheThreeBoxesExcludeEachOther) {
    StyleArchiveOptions start;
    start.useDefaultArchive = true;
    start.defaultArchiveFolder = "/st";
    OptionsChoice choice(start);
    choice.SetAsk(true);
    EXPECT_TRUE(choice.Options().askForStyleArchive);
    EXPECT_FALSE(choice.Options().useDefaultArchive);
    EXPECT_EQ(choice.Options().defaultArchiveFolder, "");
    EXPECT_EQ(choice.ShownFolder(), "");
    choice.SetImplicitSearch(true);
    EXPECT_FALSE(choice.Options().askForStyleArchive);
    EXPECT_TRUE(choice.Options().implicitSearch);

    std::vector<std::string> titles;
    choice.SetUseDefault(true, [&](const std::string& t) { titles.push_back(t); return std::string("/new"); },
                         [](const std::string&) { FAIL(); });
    EXPECT_EQ(titles, std::vector<std::string>{"Select the style-archive directory"});
    EXPECT_TRUE(choice.Options().useDefaultArchive);
    EXPECT_FALSE(choice.Options().implicitSearch);
    EXPECT_EQ(choice.ShownFolder(), "/new");
}

TEST(OptionsChoiceTest, DefaultArchiveWithoutFolderOrUncheckedKeepsTheCopy) {
    StyleArchiveOptions start;
    start.useDefaultArchive = true;
    start.defaultArchiveFolder = "/st";
    OptionsChoice choice(start);
    choice.SetUseDefault(false, nullptr, nullptr);
    EXPECT_FALSE(choice.Options().useDefaultArchive);
    EXPECT_EQ(choice.ShownFolder(), "");
    EXPECT_EQ(choice.Options().defaultArchiveFolder, "/st");  // written with the flag off
    std::vector<std::string> said;
    choice.SetUseDefault(true, [](const std::string&) { return std::string(); },
                         [&](const std::string& text) { said.push_back(text); });
    EXPECT_EQ(said, std::vector<std::string>{"No valid style-archive"});
    EXPECT_FALSE(choice.Options().useDefaultArchive);
}

TEST(BankSelectionTest, IndicesAscendWithoutRepeatsAndAtMost512) {
    EXPECT_EQ(NormalizeBankSelection({5, 1, 3, 1}), (std::vector<int>{1, 3, 5}));
    std::vector<int> many;
    for (int i = 600; i > 0; --i) {
        many.push_back(i);
    }
    const auto kept = NormalizeBankSelection(many);
    ASSERT_EQ(kept.size(), 512u);
    EXPECT_EQ(kept.front(), 1);
    EXPECT_EQ(kept.back(), 512);
}

}  // namespace
}  // namespace kalivo
