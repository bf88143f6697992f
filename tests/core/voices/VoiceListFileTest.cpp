#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/voices/VoiceListFile.h"
#include "support/TempFolder.h"

namespace kalivo {
namespace {

// One instrument with the constructs seen in real files: comments, blank
// lines, sections read past, BasedOn=, both bank forms and Patch[*].
const char* const kSynth =
    "; made by hand\r\n"
    "\r\n"
    ".Patch Names\r\n"
    "[GM]\r\n"
    "0=Acoustic Grand\r\n"
    "1=Bright Piano\r\n"
    "[Var]\r\n"
    "BasedOn=GM\r\n"
    "1=Bright Var\r\n"
    "[Kits]\r\n"
    "0=Standard Kit\r\n"
    ".Note Names\r\n"
    "[Drums]\r\n"
    "36=Kick\r\n"
    ".Controller Names\r\n"
    "[Std]\r\n"
    "7=Volume\r\n"
    ".Instrument Definitions\r\n"
    "[Synth]\r\n"
    "Patch[*]=GM\r\n"
    "Patch[1]=Var\r\n"
    "Patch[16383]=Kits\r\n"
    "Drum[16383,*]=1\r\n"
    "Key[16383,*]=Drums\r\n";

struct Lookup {
    int msb, lsb, program;
    const char* name;  // nullptr: not named
};

class VoiceListFileTest : public ::testing::Test {
protected:
    bool Read(const std::string& text, std::string name = "list.ins") {
        folder.Write(name, text);
        return file.Read(folder.File(name), error);
    }
    VoiceList Only() {
        VoiceList list;
        EXPECT_TRUE(file.Take("", list, error)) << error;
        return list;
    }

    test::TempFolder folder;
    VoiceListFile file;
    std::string error;
};

TEST_F(VoiceListFileTest, ConstructsOfDefinitionFilesAndTables) {
    struct Case {
        const char* what;
        std::string text;
        const char* fileName;
        std::vector<Lookup> lookups;
        std::size_t rows;
    };
    const std::vector<Case> cases = {
        {"definitions, CR LF", kSynth, "a.ins",
         {{0, 0, 0, "Acoustic Grand"},      // Patch[*] names every bank
          {99, 5, 1, "Bright Piano"},
          {0, 1, 1, "Bright Var"},          // bank 1 = MSB 0, LSB 1, own name first
          {0, 1, 0, "Acoustic Grand"},      // ... and what it inherits
          {127, 127, 0, "Standard Kit"},    // bank 16383 = MSB 127, LSB 127
          {127, 127, 1, "Bright Piano"},
          {0, 0, 2, nullptr}},
         5},
        {"LF only, BankSelMethod=1 takes the bank as MSB",
         ".Patch Names\n[P]\n5=Five\n.Instrument Definitions\n[I]\nBankSelMethod=1\nPatch[8]=P\n", "b.ins",
         {{8, 0, 5, "Five"}, {8, 33, 5, "Five"}, {0, 8, 5, nullptr}},
         1},
        {"BankSelMethod=2 takes the bank as LSB",
         ".Patch Names\n[P]\n5=Five\n.Instrument Definitions\n[I]\nPatch[8]=P\nBankSelMethod=2\n", "c.ins",
         {{0, 8, 5, "Five"}, {40, 8, 5, "Five"}, {8, 0, 5, nullptr}},
         1},
        {"Windows-1252 bytes stay; UTF-8 becomes Windows-1252",
         ".Patch Names\n[P]\n1=Caf\xE9\n.Instrument Definitions\n[I]\nPatch[0]=P\n", "d.ins",
         {{0, 0, 1, "Caf\xE9"}},
         1},
        {"UTF-8", ".Patch Names\n[P]\n1=Caf\xC3\xA9\n.Instrument Definitions\n[I]\nPatch[0]=P\n", "e.ins",
         {{0, 0, 1, "Caf\xE9"}},
         1},
        {"our own table layout, first row of a key wins",
         "# comment\nprogram\tlsb\tmsb\tname\n0\t0\t0\tGrandPno\n0\t0\t0\tLater\n127\t127\t127\tCaf\\xE9\n", "f.tsv",
         {{0, 0, 0, "GrandPno"}, {127, 127, 127, "Caf\xE9"}},
         2},
        {"the Tyros layout with its prefix column",
         "table\tincomplete\t1314\nprogram\tlsb\tmsb\tprefix\tname\n0\t0\t63\tCustom\t001\n", "g.tsv",
         {{63, 0, 0, "Custom001"}},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(Read(c.text, c.fileName)) << error;
        const VoiceList list = Only();
        EXPECT_EQ(list.RowCount(), c.rows);
        for (const Lookup& l : c.lookups) {
            std::string name;
            const bool found = list.Find(l.msb, l.lsb, l.program, name);
            EXPECT_EQ(found, l.name != nullptr) << l.msb << "/" << l.lsb << "/" << l.program;
            if (found && l.name != nullptr) {
                EXPECT_EQ(name, l.name);
            }
        }
    }
}

TEST_F(VoiceListFileTest, SeveralInstrumentsAreChosenByName) {
    const std::string text = std::string(kSynth) + "[Other]\r\nPatch[0]=Kits\r\n";
    ASSERT_TRUE(Read(text));
    EXPECT_EQ(file.Instruments(), (std::vector<std::string>{"Synth", "Other"}));
    VoiceList list;
    EXPECT_FALSE(file.Take("", list, error));
    EXPECT_NE(error.find("choose one of: Synth, Other"), std::string::npos) << error;
    EXPECT_FALSE(file.Take("Nope", list, error));
    EXPECT_NE(error.find("holds no instrument \"Nope\"; it holds: Synth, Other"), std::string::npos) << error;
    ASSERT_TRUE(file.Take("Other", list, error)) << error;
    EXPECT_EQ(list.Instrument(), "Other");
    EXPECT_EQ(list.RowCount(), 1u);
}

TEST_F(VoiceListFileTest, BadInputIsRefusedNamingFileAndLineAndKeepsWhatWasRead) {
    ASSERT_TRUE(Read(kSynth, "good.ins"));
    const std::string head = ".Patch Names\n[P]\n0=Zero\n.Instrument Definitions\n[I]\n";
    struct Case {
        std::string text;
        std::string expected;  // after the file name
    };
    const std::vector<Case> cases = {
        {head + "Patch[16384]=P\n", ", line 6: bank 16384 is outside 0..16383"},
        {head + "Patch[-1]=P\n", ", line 6: bank -1 is outside 0..16383"},
        {".Patch Names\n[P]\n128=Too far\n", ", line 3: program 128 is outside 0..127"},
        {head + "Patch[0]=Missing\n", ", line 6: [Missing] is not in the .Patch Names section"},
        {".Patch Names\n[P]\nBasedOn=Q\n.Instrument Definitions\n[I]\nPatch[0]=P\n",
         ", line 3: [Q] is not in the .Patch Names section"},
        {".Patch Names\n[P]\nBasedOn=P\n.Instrument Definitions\n[I]\nPatch[0]=P\n",
         ", line 3: BasedOn=P leads back to itself"},
        {head + "BankSelMethod=4\n", ", line 6: BankSelMethod 4 is not one of 0..3"},
        {head + "BankSelMethod=1\nPatch[128]=P\n", ", line 7: bank 128 is outside 0..127"},
        {".Patch Names\n[P]\n0=Zero\n", ": no instrument in its .Instrument Definitions section"},
        {"Dear owner,\nthis is a letter.\n", ": neither an instrument definition file nor a voice table"},
        {head + "[Unclosed\n", ", line 6: a subsection name without its closing ]"},
        {head + "[ \t]\n", ", line 6: a subsection without a name"},
        {"program\tlsb\tmsb\tname\n128\t0\t0\tX\n", ", line 2: program 128 is outside 0..127"},
        {"program\tlsb\tmsb\tname\n127\t128\t0\tX\n", ", line 2: lsb 128 is outside 0..127"},
        {"program\tlsb\tmsb\tname\n0\t0\t0\n", ", line 2: a row needs program, lsb, msb and name"},
        {"program\tlsb\tmsb\tname\n", ": holds no voice rows"},
        {std::string(".Patch Names\n[P]\n0=Ze\0ro\n", 24), ", line 3: not a text file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_FALSE(Read(c.text, "bad.ins"));
        EXPECT_EQ(error.rfind(folder.File("bad.ins") + c.expected, 0), 0u) << error;
        EXPECT_EQ(file.Path(), folder.File("good.ins"));  // the earlier file stays
        EXPECT_EQ(file.Instruments(), std::vector<std::string>{"Synth"});
    }
}

TEST_F(VoiceListFileTest, SizeCapAndMissingFile) {
    EXPECT_FALSE(file.Read(folder.File("none.ins"), error));
    EXPECT_EQ(error, folder.File("none.ins") + ": not found or not a file");
    std::string big = ".Patch Names\n";
    big.resize(VoiceListFile::kMaxSize, ';');
    EXPECT_FALSE(Read(big + "\n", "edge.ins"));  // one byte over
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    big.resize(VoiceListFile::kMaxSize - 200);
    big += "\n.Patch Names\n[P]\n0=Zero\n.Instrument Definitions\n[I]\nPatch[0]=P\n";
    big.resize(VoiceListFile::kMaxSize, '\n');
    EXPECT_TRUE(Read(big, "edge.ins")) << error;
}

}  // namespace
}  // namespace kalivo
