#include <gtest/gtest.h>

#include "ui/bank/EditIconFilter.h"

namespace kalivo {
namespace {

struct Typed {
    std::string text;
    int caret;
};

Typed Type(std::string text, int caret) {
    EditIconFilter::FilterTyped(text, caret);
    return {text, caret};
}

TEST(EditIconFilterTest, KeepsOnlyDigitsTypedIntoTheFirstThreePlaces) {
    EXPECT_EQ(Type("1", 1).text, "1");
    EXPECT_EQ(Type("123", 3).text, "123");
    EXPECT_EQ(Type("12a", 3).text, "12");
    EXPECT_EQ(Type("12a", 3).caret, 2);
    EXPECT_EQ(Type("1234", 4).text, "123");
    EXPECT_EQ(Type("x12", 1).text, "12");
    EXPECT_EQ(Type(" ", 1).text, "");
    EXPECT_EQ(Type("12", 0).text, "12");  // nothing before the caret
}

TEST(EditIconFilterTest, OkNeedsExactlyThreeCharactersWithoutSpaces) {
    EXPECT_EQ(EditIconFilter::Accept("007"), "007");
    EXPECT_EQ(EditIconFilter::Accept(" 0 7 1"), "071");
    EXPECT_EQ(EditIconFilter::Accept("12345"), "123");
    EXPECT_FALSE(EditIconFilter::Accept("12").has_value());
    EXPECT_FALSE(EditIconFilter::Accept("1 2 ").has_value());
    EXPECT_FALSE(EditIconFilter::Accept("").has_value());
    EXPECT_EQ(EditIconFilter::Caption("Piano"), "Edit Icon:  Piano");
}

}  // namespace
}  // namespace kalivo
