#include <gtest/gtest.h>

#include "ui/bank/ViewBankText.h"

namespace kalivo {
namespace {

ViewBankRequest Bank(const std::string& sequence, int end, const std::string& icon = "") {
    ViewBankRequest request;
    request.sequence = sequence;
    request.sequenceEnd = end;
    request.bankIconCode = icon;
    request.icons.available = true;
    request.icons.folder = "/icons/";
    request.icons.codes = {"S001", "S012", "X012"};
    request.icons.files = {"Piano.bmp", "Organ.bmp", "Other.bmp"};
    return request;
}

TEST(ViewBankTextTest, EndIsShownOnlyWithASequence) {
    EXPECT_EQ(ViewBankText(Bank("123", 0)).EndText(), "Stop");
    EXPECT_EQ(ViewBankText(Bank("123", 1)).EndText(), "Top");
    EXPECT_EQ(ViewBankText(Bank("123", 2)).EndText(), "NextBank");
    EXPECT_EQ(ViewBankText(Bank("123", 3)).EndText(), "");
    EXPECT_EQ(ViewBankText(Bank("123", -1)).EndText(), "");
    EXPECT_EQ(ViewBankText(Bank("", 1)).EndText(), "");
    EXPECT_EQ(ViewBankText(Bank("8821", 1)).Sequence(), "8821");
}

TEST(ViewBankTextTest, BankIconIsLookedUpAsSPlusItsCode) {
    const ViewBankText text(Bank("1", 0, "012"));
    EXPECT_EQ(text.IconCode(), "012");
    EXPECT_EQ(text.IconBitmap(), "/icons/Organ.bmp");
    EXPECT_EQ(text.IconFileTitle(), "Organ");
}

TEST(ViewBankTextTest, NoPictureWithoutAListedIcon) {
    const ViewBankText unknown(Bank("1", 0, "999"));
    EXPECT_EQ(unknown.IconCode(), "999");
    EXPECT_FALSE(unknown.IconBitmap().has_value());
    EXPECT_EQ(unknown.IconFileTitle(), "");

    EXPECT_FALSE(ViewBankText(Bank("1", 0, "")).IconBitmap().has_value());

    ViewBankRequest unavailable = Bank("1", 0, "001");
    unavailable.icons.available = false;
    EXPECT_FALSE(ViewBankText(unavailable).IconBitmap().has_value());

    ViewBankRequest noFiles = Bank("1", 0, "001");  // a malformed list must not be read past
    noFiles.icons.files.clear();
    EXPECT_FALSE(ViewBankText(noFiles).IconBitmap().has_value());
}

}  // namespace
}  // namespace kalivo
