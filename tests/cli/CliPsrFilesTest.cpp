// kalivo-cli on PSR-740 and PSR-8000 disks, with the real handlers.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"
#include "core/psr740_8000/Psr740TestSupport.h"

namespace kalivo::test {
namespace {

using psr::Bytes;
using psr::Fill;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

class CliPsrFilesTest : public ::testing::Test {
protected:
    ScriptedUserInterface ui;
    TempFolder in;
    TempFolder out;
    std::string printed;
    std::string errors;

    int Run(const std::vector<std::string>& args) {
        printed.clear();
        errors.clear();
        CliApplication application;
        return RunCli(application, args, printed, errors);
    }
    void Store(Psr740FamilyHandler& handler, const std::vector<psr::Placed>& placed, const std::string& name) {
        handler.CreateStore();
        Fill(handler, placed);
        ASSERT_EQ(handler.StoreArchive(name, FileSystem::WithSeparator(in.Path()), 0), Status::kDone);
    }
};

TEST_F(CliPsrFilesTest, ListsAPsr740SetWithAllItsPositions) {
    Psr740Handler handler(ui);
    Store(handler, {{0, 1, {"Ballad"}}, {31, 3, {"Last"}}}, "SET");
    ASSERT_EQ(Run({"list", "--model", "psr-740", "--folder", in.Path()}), 0) << errors;
    const auto lines = SplitLines(printed);
    ASSERT_EQ(lines.size(), 128u);
    EXPECT_EQ(lines[0], "1-1: --- no reg ---");
    EXPECT_EQ(lines[1], "1-2: Ballad");
    EXPECT_EQ(lines[127], "32-4: Last");
}

TEST_F(CliPsrFilesTest, InstrumentNamesArePrintedAsUtf8) {
    Psr8000Handler handler(ui);
    Store(handler, {{0, 0, {"Caf\xE9 Noir"}}}, "SET");
    ASSERT_EQ(Run({"list", "--model", "psr-8000", "--folder", in.Path()}), 0) << errors;
    EXPECT_EQ(SplitLines(printed)[0], "1-1: Caf\xC3\xA9 Noir");
}

TEST_F(CliPsrFilesTest, CopyWritesThePsr8000SetBackByteForByte) {
    Psr8000Handler handler(ui);
    Store(handler, {{2, 0, {"Two"}}, {9, 7, {"Ten", 214, 66}}}, "DUO");
    ASSERT_EQ(Run({"copy", "--model", "PSR-8000", "--folder", in.Path(), "--out", out.Path()}), 0) << errors;
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"DUO.USR", "REG"}));
    for (const char* file : {"DUO.USR", "REG/REG.MNG", "REG/RPK00103.REG", "REG/RPK00110.REG"}) {
        EXPECT_EQ(out.ReadBytes(file), in.ReadBytes(file)) << file;
    }
    // The set is there now: a second copy is refused and says why.
    EXPECT_NE(Run({"copy", "--model", "psr-8000", "--folder", in.Path(), "--out", out.Path()}), 0);
    EXPECT_NE(errors.find("Archive DUO already exists"), std::string::npos) << errors;
}

TEST_F(CliPsrFilesTest, ProtocolAndRegfilesOfAPsr740Set) {
    Psr740Handler handler(ui);
    Store(handler, {{1, 2, {"Let's go", 160, 120}}}, "MYSET");
    ASSERT_EQ(Run({"protocol", "--model", "psr-740", "--folder", in.Path(), "--out", out.File("p.txt")}), 0)
        << errors;
    EXPECT_NE(out.Read("p.txt").find("Let's go\t*Custom Style 1*\t2\t3\t120\t"), std::string::npos);
    ASSERT_EQ(Run({"regfiles", "--model", "psr-740", "--folder", in.Path(), "--out", out.Path()}), 0) << errors;
    EXPECT_EQ(out.ReadBytes("Let_s_go_MYSET(2-3).p74").size(), 287u);

    ASSERT_EQ(Run({"list", "--model", "psr-740", "--regfiles", out.Path()}), 0) << errors;
    EXPECT_EQ(printed, "Let_s_go_MYSET(2-3)\n");
    ASSERT_EQ(Run({"protocol", "--model", "psr-740", "--regfiles", out.Path(), "--out", out.File("r.htm")}), 0)
        << errors;
    EXPECT_NE(out.Read("r.htm").find("Let_s_go_MYSET(2-3)"), std::string::npos);
}

TEST_F(CliPsrFilesTest, ABrokenSetFailsWithTheFileAndTheReason) {
    Psr740Handler handler(ui);
    Store(handler, {{0, 0, {"A"}}}, "SET");
    std::filesystem::remove(in.File("REG/RPK001AL.REG"));
    EXPECT_NE(Run({"list", "--model", "psr-740", "--folder", in.Path()}), 0);
    EXPECT_NE(errors.find("RPK001AL.reg cannot be read"), std::string::npos) << errors;
    EXPECT_EQ(printed, "");
}

TEST_F(CliPsrFilesTest, DamagedDataFileAndRegfilesAreNamedAndFailTheRun) {
    Psr8000Handler handler(ui);
    Store(handler, {{0, 0, {"A"}}}, "SET");
    Bytes data = in.ReadBytes("REG/RPK00101.REG");
    ASSERT_EQ(data.size(), 2689u);
    data.back() = 'T';  // the last trailer byte
    in.Write("REG/RPK00101.REG", data);
    EXPECT_NE(Run({"list", "--model", "psr-8000", "--folder", in.Path()}), 0);
    EXPECT_NE(errors.find("Archive not correct: " + in.File("REG/RPK00101.REG")), std::string::npos) << errors;
    EXPECT_EQ(printed, "");

    handler.SetArchiveName("S");
    ASSERT_EQ(handler.CreateRegfiles(FileSystem::WithSeparator(out.Path())), Status::kDone);
    out.Write("noise.p8k", Bytes(316, 0xA5));
    EXPECT_EQ(Run({"list", "--model", "psr-8000", "--regfiles", out.Path()}), 21);
    EXPECT_EQ(printed, "A_S(1-1)\n");
    EXPECT_NE(errors.find(out.File("noise.p8k")), std::string::npos) << errors;
}

TEST_F(CliPsrFilesTest, DiskOfTheOtherModelIsRefused) {
    Psr8000Handler handler(ui);
    handler.CreateStore();
    Fill(handler, {{0, 0, {"A"}}});
    // Only a disk root gets a header; write one as the instrument does.
    std::string header = psr::Line("DISK    MNG") + psr::Line("PSR-8000") + psr::Line("Ver0.67Rev0.00");
    header.resize(128, ' ');
    in.Write("DISK.MNG", header);
    ASSERT_EQ(handler.StoreArchive("SET", FileSystem::WithSeparator(in.Path()), 0), Status::kDone);
    EXPECT_EQ(Run({"list", "--model", "psr-740", "--folder", in.Path()}), 16);
    EXPECT_NE(errors.find("Model not correct"), std::string::npos) << errors;
    EXPECT_EQ(Run({"list", "--model", "psr-8000", "--folder", in.Path()}), 0) << errors;
}

}  // namespace
}  // namespace kalivo::test

namespace kalivo::test {
namespace {

class CliPsrStylesTest : public CliPsrFilesTest {
protected:
    TempFolder styleDisk;

    void SetUp() override {
        Psr740Handler handler(ui);
        Store(handler, {{0, 0, {"Custom", 161}}}, "SET");
        in.Write("sty.mng", std::string("S__00102\r\nOwn Disk\r\n"));
        styleDisk.Write("STYLES.USR", std::string("STYLES  USR   \r\nS__007\r\n"));
        styleDisk.Write("STY.MNG", std::string("S__00702\r\nChosen\r\n"));
    }
    std::string Protocol(std::vector<std::string> styles) {
        std::vector<std::string> args{"protocol", "--model", "psr-740", "--folder", in.Path(), "--out",
                                      out.File("p.txt")};
        args.insert(args.end(), styles.begin(), styles.end());
        EXPECT_EQ(Run(args), 0) << errors;
        return out.Read("p.txt");
    }
};

TEST_F(CliPsrStylesTest, CustomStyleNamesByEachWay) {
    EXPECT_NE(Protocol({}).find("\t*Custom Style 2*\t"), std::string::npos);
    EXPECT_NE(Protocol({"--styles", "implicit"}).find("\t*Own Disk*\t"), std::string::npos);
    EXPECT_NE(Protocol({"--styles", styleDisk.File("STYLES.USR")}).find("\t*Chosen*\t"), std::string::npos);
    EXPECT_NE(Protocol({"--styles", styleDisk.File("STYLES")}).find("\t*Chosen*\t"), std::string::npos);
}

TEST_F(CliPsrStylesTest, CopyCarriesTheSetsStyleEntryUnderItsNewNumber) {
    Psr740Handler first(ui);
    first.CreateStore();
    ASSERT_EQ(first.StoreArchive("FIRST", FileSystem::WithSeparator(out.Path()), 0), Status::kDone);  // set 001 there
    out.Write("STY.MNG", std::string("S__00101\r\nKept\r\n"));
    ASSERT_EQ(Run({"copy", "--model", "psr-740", "--folder", in.Path(), "--out", out.Path()}), 0) << errors;
    EXPECT_EQ(out.Read("STY.MNG"), "S__00101\r\nKept\r\nS__00202\r\nOwn Disk\r\n");
    ASSERT_EQ(Run({"protocol", "--model", "psr-740", "--folder", out.Path(), "--archive", "SET", "--out",
                   out.File("p.txt"), "--styles", "implicit"}), 0) << errors;
    EXPECT_NE(out.Read("p.txt").find("\t*Own Disk*\t"), std::string::npos) << out.Read("p.txt");
}

TEST_F(CliPsrStylesTest, StyleArchiveThatIsNoneFails) {
    styleDisk.Write("PLAIN.USR", std::string("no set number\r\n"));
    EXPECT_NE(Run({"list", "--model", "psr-740", "--folder", in.Path(), "--styles", styleDisk.File("PLAIN.USR")}), 0);
}

}  // namespace
}  // namespace kalivo::test
