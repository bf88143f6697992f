#include <gtest/gtest.h>

#include "common/text/Cp1252.h"

namespace kalivo {
namespace {

TEST(Cp1252, InstrumentBytesBecomeUtf8AndBack) {
    const std::string umlaut = "F\xFCr Elise";  // "Für Elise" as the instrument writes it
    EXPECT_EQ(Cp1252::ToUtf8(umlaut), "F\xC3\xBCr Elise");
    EXPECT_EQ(Cp1252::FromUtf8(Cp1252::ToUtf8(umlaut)), umlaut);
    // 0x91 is the left single quotation mark of "60‘s Organ".
    EXPECT_EQ(Cp1252::ToUtf8("60\x91s"), "60\xE2\x80\x98s");
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Cp1252::FromUtf8(Cp1252::ToUtf8(all)), all);
}

TEST(Cp1252, CharactersWithoutAFormBecomeUnderscore) {
    EXPECT_EQ(Cp1252::FromUtf8("\xE6\x97\xA5 1"), "_ 1");          // a CJK character
    EXPECT_EQ(Cp1252::FromUtf8("\xF0\x9F\x8E\xB9"), "_");          // a four-byte emoji is one character
    EXPECT_EQ(Cp1252::FromUtf8("\xE2\x82\xAC"), "\x80");           // the euro sign has a form
}

TEST(Cp1252, InvalidUtf8BytesAreKept) {
    EXPECT_EQ(Cp1252::FromUtf8("Caf\xE9"), "Caf\xE9");      // a Latin-1 file name
    EXPECT_EQ(Cp1252::FromUtf8("\xC3"), "\xC3");            // a sequence cut short at the end
    EXPECT_EQ(Cp1252::FromUtf8("\xC0\x80"), "\xC0\x80");    // an overlong form is not a character
}

TEST(Cp1252, Utf8PrefixNeverSplitsACharacter) {
    const std::string text = "ab\xC3\xBC";  // "abü"
    EXPECT_EQ(Cp1252::Utf8Prefix(text, 4), text);
    EXPECT_EQ(Cp1252::Utf8Prefix(text, 3), "ab");
    EXPECT_EQ(Cp1252::Utf8Prefix(text, 2), "ab");
    EXPECT_EQ(Cp1252::Utf8Prefix("\xE2\x80\x98x", 2), "");
    EXPECT_EQ(Cp1252::Utf8Prefix("", 0), "");
}

}  // namespace
}  // namespace kalivo
