// kalivo-cli with voice lists: what they name shows, nothing stored changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/CliBlockBytes.h"
#include "cli/CliFixture.h"
#include "handlers/tyros/TyrosFormat.h"

namespace kalivo::test {
namespace {

namespace stdfs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// GrandPno of the PSR-9000 is bank 0, program 0; its Aco.Bass (program 32) is left to the table.
const char* const kTwoInstruments =
    "; PSR-9000 panel voices\r\n"
    ".Patch Names\r\n"
    "[Pianos]\r\n"
    "0=Concert Grand\r\n"
    ".Instrument Definitions\r\n"
    "[PSR-9000]\r\n"
    "Patch[0]=Pianos\r\n"
    "[Other]\r\n"
    "Patch[1]=Pianos\r\n";

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using cli_bytes::Block;
using cli_bytes::PutU16;

// A Tyros bank file of one registration whose Right1 is (MSB 104, LSB 0,
// program 5), which the built-in table lacks, and whose Left is GrandPiano.
Bytes TyrosBank() {
    Bytes name(tyros::kNameWidth, ' ');
    name[0] = 'V';
    std::string id(tyros::kSettingId);
    Bytes settings = Block(id + static_cast<char>(tyros::type::kName), name);
    for (auto [type, msb, program] : {std::tuple{11, 104, 5}, std::tuple{19, 0, 0}}) {
        const Bytes voice = Block(id + static_cast<char>(type), {1, static_cast<std::uint8_t>(msb), 0,
                                                                 static_cast<std::uint8_t>(program)});
        settings.insert(settings.end(), voice.begin(), voice.end());
    }
    const Bytes registration = Block(tyros::kRegistrationId, settings);
    const Bytes empty = Block(tyros::kRegistrationId, {});
    Bytes body = registration;
    for (int i = 1; i < tyros::kPartsPerBank; ++i) {
        body.insert(body.end(), empty.begin(), empty.end());
    }
    Bytes file(tyros::kBankHeaderTemplate.begin(), tyros::kBankHeaderTemplate.end());
    const std::size_t length = file.size() + body.size() + tyros::kTrailer.size();
    for (std::size_t i = 0; i < 4; ++i) {
        file[tyros::kBankLengthAt + i] = static_cast<std::uint8_t>(length >> (8 * (3 - i)));
    }
    file[tyros::kBankBlockShapeAt] = tyros::kBlocksDiffer;
    file.insert(file.end(), body.begin(), body.end());
    file.insert(file.end(), tyros::kTrailer.begin(), tyros::kTrailer.end());
    return file;
}

class CliVoiceListTest : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& args) {
        CliApplication app;
        return RunCli(app, args, out, err);
    }
    static std::string Psr9000() { return std::string(KALIVO_EXAMPLES_DIR) + "/psr9000"; }

    TempFolder lists;
    TempFolder work;
    std::string out;
    std::string err;
};

TEST_F(CliVoiceListTest, Psr9000ProtocolNamesListedVoicesAndStoresTheSameBytes) {
    lists.Write("psr.ins", kTwoInstruments);
    const std::string list = lists.File("psr.ins");
    ASSERT_EQ(Run({"protocol", "--model", "psr-9000", "--folder", Psr9000(), "--voices", list, "--instrument",
                   "PSR-9000", "--out", work.File("p.txt")}),
              0)
        << err;
    const std::string protocol = work.Read("p.txt");
    EXPECT_NE(protocol.find("Piano Ballad\tPianoBallad\tEvening\t1\t1\t072\tAco.Bass\tConcert Grand\t"),
              std::string::npos)
        << protocol;
    EXPECT_EQ(protocol.find("GrandPno"), std::string::npos);

    const stdfs::path plain = stdfs::path(work.Path()) / "plain";
    const stdfs::path listed = stdfs::path(work.Path()) / "listed";
    stdfs::create_directory(plain);
    stdfs::create_directory(listed);
    ASSERT_EQ(Run({"copy", "--model", "psr-9000", "--folder", Psr9000(), "--out", plain.string()}), 0) << err;
    ASSERT_EQ(Run({"copy", "--model", "psr-9000", "--folder", Psr9000(), "--out", listed.string(), "--voices", list,
                   "--instrument", "PSR-9000"}),
              0)
        << err;
    int compared = 0;
    for (const auto& entry : stdfs::recursive_directory_iterator(plain)) {
        if (entry.is_regular_file()) {
            EXPECT_EQ(ReadFile(entry.path().string()),
                      ReadFile((listed / stdfs::relative(entry.path(), plain)).string()))
                << entry.path();
            ++compared;
        }
    }
    EXPECT_GE(compared, 2) << "the backup's files were written";
}

TEST_F(CliVoiceListTest, TyrosProtocolNamesListedVoicesOverTheTable) {
    work.Write("Pop.rgt", TyrosBank());
    lists.Write("tyros.tsv", "program\tlsb\tmsb\tname\n5\t0\t104\tMy Lead\n");
    ASSERT_EQ(Run({"protocol", "--model", "tyros", "--folder", work.Path(), "--out", work.File("plain.txt")}), 0)
        << err;
    EXPECT_NE(err.find("1 voice settings in 1 registrations are not in the voice table."), std::string::npos) << err;
    ASSERT_EQ(Run({"protocol", "--model", "tyros", "--folder", work.Path(), "--voices", lists.File("tyros.tsv"),
                   "--out", work.File("listed.txt")}),
              0)
        << err;
    EXPECT_EQ(err.find("voice settings"), std::string::npos) << err;  // the list knows every voice used
    const std::string plain = work.Read("plain.txt");
    const std::string listed = work.Read("listed.txt");
    EXPECT_EQ(plain.find("My Lead"), std::string::npos);
    EXPECT_NE(listed.find("My Lead"), std::string::npos) << listed;
    EXPECT_NE(listed.find("GrandPiano"), std::string::npos) << listed;  // the table fills the rest
}

TEST_F(CliVoiceListTest, VoicesCommandTellsWhatAFileOffersAndWhatItNames) {
    lists.Write("psr.ins", kTwoInstruments);
    ASSERT_EQ(Run({"voices", lists.File("psr.ins")}), 0) << err;
    EXPECT_EQ(out, lists.File("psr.ins") + ": 2 instruments\nPSR-9000\t1 rows\nOther\t1 rows\n");
    ASSERT_EQ(Run({"voices", lists.File("psr.ins"), "--model", "psr-9000", "--folder", Psr9000(), "--archive",
                   "DEMO"}),
              0)
        << err;
    EXPECT_NE(out.find("\nPSR-9000: 5 of 24 voice settings of the loaded archives are named by the list\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\nOther: 0 of 24 voice settings"), std::string::npos) << out;
}

TEST_F(CliVoiceListTest, AListThatCannotBeHadStopsTheCommand) {
    lists.Write("psr.ins", kTwoInstruments);
    lists.Write("bad.ins", ".Patch Names\n[P]\n128=X\n");
    struct Case {
        std::vector<std::string> extra;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--voices", lists.File("psr.ins")}, "holds several instruments; choose one of: PSR-9000, Other"},
        {{"--voices", lists.File("psr.ins"), "--instrument", "Tyros"},
         "holds no instrument \"Tyros\"; it holds: PSR-9000, Other"},
        {{"--voices", lists.File("bad.ins")}, "bad.ins, line 3: program 128 is outside 0..127"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"list", "--model", "psr-9000", "--folder", Psr9000()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        EXPECT_EQ(Run(args), kUsageError);
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_TRUE(out.empty()) << out;
    }
    lists.Write("one.tsv", "0\t0\t0\tPiano\n");
    EXPECT_EQ(Run({"list", "--model", "psr-8000", "--folder", Psr9000(), "--voices", lists.File("one.tsv")}),
              kUsageError);
    EXPECT_NE(err.find("The PSR-8000 keeps voice numbers"), std::string::npos) << err;
}

}  // namespace
}  // namespace kalivo::test
