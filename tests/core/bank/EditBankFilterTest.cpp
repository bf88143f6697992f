#include <gtest/gtest.h>

#include "ui/bank/EditBankFilter.h"

namespace kalivo {
namespace {

TEST(EditBankFilterTest, DropsDigitsOfEmptyRegistrationsAndAnythingElse) {
    std::string text = "1359";
    EXPECT_TRUE(EditBankFilter::FilterSequence(text, "1235"));
    EXPECT_EQ(text, "135");

    text = "120";
    EXPECT_TRUE(EditBankFilter::FilterSequence(text, "12345678"));
    EXPECT_EQ(text, "12");

    text = "4";  // slot 4 holds no registration
    EXPECT_TRUE(EditBankFilter::FilterSequence(text, "123"));
    EXPECT_EQ(text, "");

    text = "a 1\t2";
    EXPECT_TRUE(EditBankFilter::FilterSequence(text, "12"));
    EXPECT_EQ(text, "12");

    text = "88112";
    EXPECT_FALSE(EditBankFilter::FilterSequence(text, "128"));
    EXPECT_EQ(text, "88112");
}

TEST(EditBankFilterTest, TakesAtMostTheStepsTheBankKeeps) {
    std::string text(34, '1');
    EXPECT_FALSE(EditBankFilter::FilterSequence(text, "1"));
    text += "1";
    EXPECT_TRUE(EditBankFilter::FilterSequence(text, "1"));
    EXPECT_EQ(text, std::string(34, '1'));

    text = std::string(40, '2') + "9";
    EXPECT_TRUE(EditBankFilter::FilterSequence(text, "2"));
    EXPECT_EQ(text.size(), 34u);
}

TEST(EditBankFilterTest, EndLinesAndTheirSelection) {
    EXPECT_EQ(EditBankFilter::EndLines(), (std::array<std::string, 3>{"Stop", "Top", "Next Bank"}));
    EXPECT_EQ(EditBankFilter::InitialEndLine(2), 2);
    EXPECT_EQ(EditBankFilter::InitialEndLine(3), -1);
    EXPECT_EQ(EditBankFilter::InitialEndLine(-1), -1);
    EXPECT_EQ(EditBankFilter::InitialEndLine(255), -1);
    EXPECT_EQ(EditBankFilter::Caption("Jazz"), "Edit Sequence:  Jazz");
}

TEST(EditBankFilterTest, OkNeedsAtMostOneEndLine) {
    EXPECT_FALSE(EditBankFilter::Accept("12", {0, 2}).has_value());

    const auto none = EditBankFilter::Accept("12", {});  // e.g. opened on an end outside 0..2
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->sequence, "12");
    EXPECT_EQ(none->sequenceEnd, 0);

    const auto next = EditBankFilter::Accept("", {2});
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->sequence, "");  // the caller resets the bank's sequence for this
    EXPECT_EQ(next->sequenceEnd, 2);
}

}  // namespace
}  // namespace kalivo
