// --styles: the implicit search and a chosen style archive, as calls on both handlers.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliFixture.h"

namespace kalivo::test {
namespace {

class CliStylesTest : public CliFixture {
protected:
    CliStylesTest() {
        geometry = kPsr740Like;
        Offer({{"ONE", {Bank("x", {"A"}, 4)}}, {"MyStyles", {}}});
    }

    // The calls of one handler that start with one of the given names, in order.
    static Lines CallsOf(const MemoryHandler& handler, const std::vector<std::string>& prefixes) {
        Lines picked;
        for (const auto& call : handler.calls) {
            if (std::any_of(prefixes.begin(), prefixes.end(),
                            [&](const std::string& p) { return call.rfind(p, 0) == 0; })) {
                picked.push_back(call);
            }
        }
        return picked;
    }
    std::vector<std::string> ListArgs(const std::string& styles) {
        return {"list", "--model", "psr-740", "--folder", Folder(), "--archive", "ONE", "--styles", styles};
    }
};

TEST_F(CliStylesTest, WithoutTheOptionOnlyClearedOptionsAreGiven) {
    EXPECT_EQ(Run({"list", "--model", "psr-740", "--folder", Folder(), "--archive", "ONE"}), 0) << err;
    for (MemoryHandler* handler : {&Source(Model::Psr740), &Destination(Model::Psr740)}) {
        EXPECT_EQ(CallsOf(*handler, {"SetStyleArchiveOptions", "LoadStyleArchive"}),
                  Lines{"SetStyleArchiveOptions(0,0,,0)"});
    }
}

TEST_F(CliStylesTest, ImplicitSetsTheSearchOnBothHandlersBeforeTheLoad) {
    EXPECT_EQ(Run(ListArgs("implicit")), 0) << err;
    EXPECT_EQ(CallsOf(Source(Model::Psr740), {"SetStyleArchiveOptions", "LoadSourceArchive", "LoadStyleArchive"}),
              (Lines{"SetStyleArchiveOptions(0,0,,0)", "SetStyleArchiveOptions(0,0,,1)",
                     "LoadSourceArchive(" + FolderGiven() + ",ONE)"}));
    EXPECT_EQ(CallsOf(Destination(Model::Psr740), {"SetStyleArchiveOptions", "LoadStyleArchive"}),
              (Lines{"SetStyleArchiveOptions(0,0,,0)", "SetStyleArchiveOptions(0,0,,1)"}));
}

TEST_F(CliStylesTest, ChosenArchiveIsLoadedAfterTheArchiveUnderItsListedName) {
    // The file as typed, the listed name without extension, and a case-only difference.
    for (const std::string typed : {"MyStyles", "MyStyles.USR", "mystyles.usr"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(Run(ListArgs(Folder() + "/" + typed)), 0) << err;
        const std::string load = "LoadStyleArchive(" + FolderGiven() + ",MyStyles)";
        EXPECT_EQ(CallsOf(Source(Model::Psr740), {"LoadSourceArchive", "LoadStyleArchive"}),
                  (Lines{"LoadSourceArchive(" + FolderGiven() + ",ONE)", load}));
        EXPECT_EQ(CallsOf(Destination(Model::Psr740), {"LoadStyleArchive"}), Lines{load});
    }
}

TEST_F(CliStylesTest, ALoadThatAsksForAStyleArchiveStillSucceeds) {
    auto offer = prepare;
    prepare = [offer](MemoryHandler& source, MemoryHandler& destination) {
        offer(source, destination);
        source.loadResults = {Status::kStyleArchiveWanted, Status::kDone};  // the archive load, then the style archive
    };
    EXPECT_EQ(Run(ListArgs(Folder() + "/MyStyles")), 0) << err;
    EXPECT_TRUE(Source(Model::Psr740).Called("LoadStyleArchive"));
    EXPECT_EQ(OutLines().size(), 128u);
}

TEST_F(CliStylesTest, FailuresAreReportedAndMakeTheExitStatusNonZero) {
    // Not in the folder's archive list: nothing is loaded from it.
    EXPECT_EQ(Run(ListArgs(Folder() + "/Other.usr")), 2);
    EXPECT_FALSE(Source(Model::Psr740).Called("LoadStyleArchive"));
    EXPECT_NE(err.find("finding the style archive \"" + Folder() + "/Other.usr\" failed"), std::string::npos) << err;
    EXPECT_EQ(OutLines().size(), 128u);  // the list itself is still printed

    // The handler cannot read it.
    auto offer = prepare;
    prepare = [offer](MemoryHandler& source, MemoryHandler& destination) {
        offer(source, destination);
        source.loadResults = {Status::kDone, Status::kNotValid};
    };
    EXPECT_EQ(Run(ListArgs(Folder() + "/MyStyles.usr")), 2);
    EXPECT_NE(err.find("loading the style archive"), std::string::npos) << err;
}

TEST_F(CliStylesTest, ModelsWithoutStyleArchivesRefuseTheOption) {
    geometry = kTyrosLike;
    auto offer = prepare;
    prepare = [offer](MemoryHandler& source, MemoryHandler& destination) {
        offer(source, destination);
        source.noStyleOptions = destination.noStyleOptions = true;
    };
    EXPECT_EQ(Run({"list", "--model", "tyros", "--folder", Folder(), "--styles", "implicit"}), 2);
    EXPECT_EQ(ErrLines(), Lines{"kalivo-cli: --styles: this model has no style archives"});
    EXPECT_FALSE(Source(Model::Tyros).Called("LoadSourceArchive"));
    EXPECT_FALSE(Source(Model::Tyros).Called("SetStyleArchiveOptions(0,0,,1)"));
}

TEST_F(CliStylesTest, EveryArchiveCommandTakesTheOption) {
    for (const char* command : {"list", "protocol", "regfiles", "copy"}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(Run({command, "--help"}), 0);
        EXPECT_NE(out.find("--styles implicit|FILE"), std::string::npos) << out;
    }
    EXPECT_EQ(Run({"copy", "--model", "psr-740", "--folder", Folder(), "--archive", "ONE", "--out", OutDir(),
                   "--styles", Folder() + "/MyStyles"}),
              0)
        << err;
    EXPECT_TRUE(Destination(Model::Psr740).Called("LoadStyleArchive(" + FolderGiven() + ",MyStyles)"));
}

}  // namespace
}  // namespace kalivo::test
