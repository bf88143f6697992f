#include <gtest/gtest.h>

#include "common/protocol/ProtocolFile.h"
#include "common/protocol/ProtocolPath.h"
#include "common/protocol/TextProtocol.h"
#include "support/TempFolder.h"

namespace kalivo {
namespace {

TEST(ProtocolPathTest, FormByTheLastThreeCharactersIgnoringCase) {
    EXPECT_EQ(ProtocolPath::FormOf("/x/list.txt"), ProtocolForm::Text);
    EXPECT_EQ(ProtocolPath::FormOf("/x/LIST.TXT"), ProtocolForm::Text);
    EXPECT_EQ(ProtocolPath::FormOf("list.htm"), ProtocolForm::Html);
    EXPECT_EQ(ProtocolPath::FormOf("LIST.Htm"), ProtocolForm::Html);
    // Only the last three characters count, dot or not.
    EXPECT_EQ(ProtocolPath::FormOf("listtxt"), ProtocolForm::Text);
    EXPECT_EQ(ProtocolPath::FormOf("htm"), ProtocolForm::Html);
    EXPECT_EQ(ProtocolPath::FormOf("list.html"), ProtocolForm::None);
    EXPECT_EQ(ProtocolPath::FormOf("list.tx"), ProtocolForm::None);
    EXPECT_EQ(ProtocolPath::FormOf("xt"), ProtocolForm::None);
    EXPECT_EQ(ProtocolPath::FormOf(""), ProtocolForm::None);
}

TEST(TextProtocolTest, LinesEndInCrLfAndFieldsAreTabSeparated) {
    TextProtocol protocol;
    protocol.Line("PSR-740 Registration Archive MYSET");
    protocol.Line("");
    protocol.Fields({"Songname", "Style", "", "Bank"});
    protocol.Fields({});
    EXPECT_EQ(protocol.Bytes(), "PSR-740 Registration Archive MYSET\r\n\r\nSongname\tStyle\t\tBank\r\n\r\n");
}

TEST(TextProtocolTest, AFieldWithTabOrLineBreaksKeepsTheColumns) {
    TextProtocol protocol;
    protocol.Fields({"Tab\there", "two\r\nlines", "\x91ok"});
    EXPECT_EQ(protocol.Bytes(), "Tab here\ttwo  lines\t\x91ok\r\n");
}

TEST(ProtocolFileTest, ReplacesTheFileAndReportsAFolderItCannotWriteTo) {
    test::TempFolder folder;
    folder.Write("p.txt", "old content that is longer");
    EXPECT_TRUE(ProtocolFile::Write(folder.File("p.txt"), std::string("new\r\n\x91", 6)));
    EXPECT_EQ(folder.Read("p.txt"), std::string("new\r\n\x91", 6));
    EXPECT_FALSE(ProtocolFile::Write(folder.File("missing/p.txt"), "x"));
}

// UTF-8 is for text protocols only: an HTML page declares Windows-1252 in its head.
TEST(ProtocolFileTest, Utf8TurnsTextProtocolsOnly) {
    test::TempFolder folder;
    const std::string name = "F\xFCr Elise \x80";
    ASSERT_TRUE(ProtocolFile::Write(folder.File("p.txt"), name, TextEncoding::Utf8));
    EXPECT_EQ(folder.Read("p.txt"), "F\xC3\xBCr Elise \xE2\x82\xAC");
    ASSERT_TRUE(ProtocolFile::Write(folder.File("p.htm"), name, TextEncoding::Utf8));
    EXPECT_EQ(folder.Read("p.htm"), name);
    ASSERT_TRUE(ProtocolFile::Write(folder.File("w.txt"), name));
    EXPECT_EQ(folder.Read("w.txt"), name);
}

}  // namespace
}  // namespace kalivo
