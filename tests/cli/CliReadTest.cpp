// list, protocol and regfiles: which archives are loaded, the lines printed,
// and the statuses that end the program.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"

namespace kalivo::test {
namespace {

class CliReadTest : public CliFixture {
protected:
    std::vector<std::string> LoadCalls(Model model) {
        std::vector<std::string> loads;
        for (const auto& call : Source(model).calls) {
            if (call.rfind("LoadSourceArchive", 0) == 0) {
                loads.push_back(call);
            }
        }
        return loads;
    }
    std::string Load(const std::string& archive) const { return "LoadSourceArchive(" + FolderGiven() + "," + archive + ")"; }
    void OfferThreeTyrosBanks() {
        Offer({{"b1", {Bank("Pop", {"Alpha"})}}, {"b2", {Bank("Jazz", {"Beta"})}}, {"b3", {Bank("Rock", {"Gamma"})}}});
    }
    void QueueLoadResults(std::deque<Status> results) {
        auto offer = prepare;
        prepare = [offer, results](MemoryHandler& source, MemoryHandler& destination) {
            offer(source, destination);
            source.loadResults = results;
        };
    }
};

TEST_F(CliReadTest, TyrosListShowsBankHeadersAndSlotPrefixes) {
    Offer({{"b1", {Bank("Pop", {"Alpha", std::nullopt, "Gamma"})}}, {"b2", {Bank("Jazz", {"Delta"})}}});
    EXPECT_EQ(Run({"list", "--model", "tyros", "--folder", Folder()}), 0);
    const Lines expected = {
        "Pop",  "  1: Alpha", "  2: --- no reg ---", "  3: Gamma",          "  4: --- no reg ---", "  5: --- no reg ---",
        "  6: --- no reg ---", "  7: --- no reg ---", "  8: --- no reg ---", "Jazz", "  1: Delta", "  2: --- no reg ---",
        "  3: --- no reg ---", "  4: --- no reg ---", "  5: --- no reg ---", "  6: --- no reg ---", "  7: --- no reg ---",
        "  8: --- no reg ---",
    };
    EXPECT_EQ(OutLines(), expected);
    EXPECT_EQ(err, "");
    EXPECT_EQ(LoadCalls(Model::Tyros), (Lines{Load("b1"), Load("b2")}));
}

TEST_F(CliReadTest, ControlCharactersInDamagedNamesNeverSplitALine) {
    Offer({{"b1", {Bank("Po\np", {std::string("Al\rph\x01" "a\x7F")})}}});
    EXPECT_EQ(Run({"list", "--model", "tyros", "--folder", Folder()}), 0);
    ASSERT_EQ(OutLines().size(), 9u);
    EXPECT_EQ(OutLines()[0], "Po p");
    EXPECT_EQ(OutLines()[1], "  1: Al ph a ");
}

TEST_F(CliReadTest, ListWithoutHeadersNumbersBankAndSlot) {
    geometry = kPsr740Like;
    Offer({{"ONE", {Bank("x", {"A", "B"}, 4)}}});
    EXPECT_EQ(Run({"list", "--model", "psr-740", "--folder", FolderGiven()}), 0);
    const Lines lines = OutLines();
    ASSERT_EQ(lines.size(), 128u);
    EXPECT_EQ(lines[0], "1-1: A");
    EXPECT_EQ(lines[1], "1-2: B");
    EXPECT_EQ(lines[2], "1-3: --- no reg ---");
    EXPECT_EQ(lines[4], "2-1: --- no reg ---");
    EXPECT_EQ(lines[127], "32-4: --- no reg ---");
    EXPECT_EQ(LoadCalls(Model::Psr740), (Lines{Load("ONE")}));
}

TEST_F(CliReadTest, SingleArchiveModelWantsExactlyOneArchive) {
    geometry = kPsr740Like;
    Offer({{"FIRST", {}}, {"SECOND", {}}});
    EXPECT_EQ(Run({"list", "--model", "psr-740", "--folder", Folder()}), 2);
    EXPECT_EQ(ErrLines(), (Lines{"kalivo-cli: 2 archives found; choose one with --archive:", "FIRST", "SECOND"}));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(LoadCalls(Model::Psr740).empty());

    EXPECT_EQ(Run({"list", "--model", "psr-740", "--folder", Folder(), "--archive", "SECOND"}), 0);
    EXPECT_EQ(LoadCalls(Model::Psr740), (Lines{Load("SECOND")}));
    EXPECT_FALSE(Source(Model::Psr740).Called("ListArchives"));

    EXPECT_EQ(Run({"list", "--model", "psr-740", "--folder", Folder(), "--archive", "FIRST", "--archive", "SECOND"}), 2);
    EXPECT_EQ(ErrLines(), (Lines{"kalivo-cli: 2 archives given; this model loads one"}));
    EXPECT_TRUE(LoadCalls(Model::Psr740).empty());
}

TEST_F(CliReadTest, NoArchiveInTheFolderIsAUsageError) {
    for (const std::string model : {"psr-740", "tyros"}) {
        EXPECT_EQ(Run({"list", "--model", model, "--folder", Folder()}), 2);
        EXPECT_EQ(ErrLines(), (Lines{"kalivo-cli: No Archive found"}));
        EXPECT_EQ(out, "");
    }
}

TEST_F(CliReadTest, TyrosLoadsEveryArchiveAndKeepsTheFirstFailure) {
    OfferThreeTyrosBanks();
    QueueLoadResults({Status::kDone, Status::kWrongModel, Status::kDone});
    EXPECT_EQ(Run({"list", "--model", "tyros", "--folder", Folder()}), 16);
    EXPECT_EQ(LoadCalls(Model::Tyros), (Lines{Load("b1"), Load("b2"), Load("b3")}));
    // The banks that did load are listed.
    ASSERT_EQ(OutLines().size(), 18u);
    EXPECT_EQ(OutLines()[0], "Pop");
    EXPECT_EQ(OutLines()[9], "Rock");
    EXPECT_EQ(ErrLines(), (Lines{"kalivo-cli: loading \"b2\" failed with status 16: wrong model on the disk"}));
}

TEST_F(CliReadTest, TyrosStopsLoadingWhenNoBankFitsAnyMore) {
    OfferThreeTyrosBanks();
    QueueLoadResults({Status::kDone, Status::kNoRoomForBank, Status::kDone});
    EXPECT_EQ(Run({"list", "--model", "tyros", "--folder", Folder()}), 18);
    EXPECT_EQ(LoadCalls(Model::Tyros), (Lines{Load("b1"), Load("b2")}));
    EXPECT_EQ(OutLines().size(), 9u);
}

TEST_F(CliReadTest, TyrosWithNothingLoadedEndsWithoutOutput) {
    OfferThreeTyrosBanks();
    QueueLoadResults({Status::kNotValid, Status::kNotValid, Status::kNotValid});
    EXPECT_EQ(Run({"list", "--model", "tyros", "--folder", Folder()}), 2);
    EXPECT_EQ(out, "");
    EXPECT_EQ(ErrLines().size(), 3u);
}

TEST_F(CliReadTest, FailedSingleLoadEndsTheCommandButAWantedStyleArchiveDoesNot) {
    geometry = kPsr740Like;
    Offer({{"ONE", {Bank("x", {"A"}, 4)}}});
    QueueLoadResults({Status::kWrongModel});
    EXPECT_EQ(Run({"protocol", "--model", "psr-740", "--folder", Folder(), "--out", OutDir() + "/p.txt"}), 16);
    EXPECT_FALSE(Source(Model::Psr740).Called("WriteProtocol"));

    QueueLoadResults({Status::kStyleArchiveWanted});
    EXPECT_EQ(Run({"list", "--model", "psr-740", "--folder", Folder()}), 0);
    EXPECT_EQ(OutLines().front(), "1-1: A");
    EXPECT_EQ(err, "");
}

TEST_F(CliReadTest, RegfilesAreListedByName) {
    prepare = [](MemoryHandler& source, MemoryHandler&) { source.regfiles = {"Alpha", "beta"}; };
    EXPECT_EQ(Run({"list", "--model", "tyros", "--regfiles", FolderGiven()}), 0);
    EXPECT_EQ(out, "Alpha\nbeta\n");
    EXPECT_TRUE(Source(Model::Tyros).Called("LoadRegfiles(" + Folder() + ")"));

    prepare = [](MemoryHandler& source, MemoryHandler&) { source.loadRegfilesResult = Status::kNoRegfileFound; };
    EXPECT_EQ(Run({"list", "--model", "tyros", "--regfiles", Folder()}), 12);
    EXPECT_EQ(out, "");
    EXPECT_EQ(ErrLines().size(), 1u);
}

TEST_F(CliReadTest, ProtocolIsWrittenBySourceHandler) {
    Offer({{"b1", {Bank("Pop", {"Alpha"})}}});
    const std::string path = OutDir() + "/list.txt";
    EXPECT_EQ(Run({"protocol", "--model", "tyros", "--folder", Folder(), "--out", path}), 0);
    EXPECT_TRUE(Source(Model::Tyros).Called("WriteProtocol(" + path + ")"));
    EXPECT_FALSE(Destination(Model::Tyros).Called("WriteProtocol"));

    prepare = [](MemoryHandler& source, MemoryHandler&) {
        source.regfiles = {"Alpha"};
        source.protocolResult = Status::kWrongProtocolEnding;
    };
    EXPECT_EQ(Run({"protocol", "--model", "tyros", "--regfiles", Folder(), "--out", "list.doc"}), 13);
    EXPECT_TRUE(Source(Model::Tyros).Called("WriteRegfileProtocol(list.doc)"));
    EXPECT_EQ(ErrLines(), (Lines{"kalivo-cli: writing the protocol \"list.doc\" failed with status 13: the protocol "
                                 "file name must end in txt or htm"}));
}

TEST_F(CliReadTest, RegfilesAreCreatedBySourceHandlerInTheOutFolder) {
    Offer({{"b1", {Bank("Pop", {"Alpha"})}}});
    EXPECT_EQ(Run({"regfiles", "--model", "tyros", "--folder", Folder(), "--out", OutDir()}), 0);
    EXPECT_TRUE(Source(Model::Tyros).Called("CreateRegfiles(" + OutGiven() + ")"));
    EXPECT_FALSE(Destination(Model::Tyros).Called("CreateRegfiles"));
}

TEST_F(CliReadTest, StoresLiveFromCreationToRelease) {
    Offer({{"b1", {Bank("Pop", {"Alpha"})}}});
    EXPECT_EQ(Run({"list", "--model", "tyros", "--folder", Folder()}), 0);
    for (MemoryHandler* handler : {&Source(Model::Tyros), &Destination(Model::Tyros)}) {
        ASSERT_GE(handler->calls.size(), 3u);
        EXPECT_EQ(handler->calls[0], "CreateStore");
        EXPECT_EQ(handler->calls[1], "SetStyleArchiveOptions(0,0,,0)");
        EXPECT_EQ(handler->calls.back(), "ReleaseStore");
    }
    // Other models' handlers are left alone.
    EXPECT_TRUE(Source(Model::Psr740).calls.empty());
}

}  // namespace
}  // namespace kalivo::test
