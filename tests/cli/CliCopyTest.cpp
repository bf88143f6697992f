// copy: the destination becomes the source, bank by bank, and is stored.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliFixture.h"

namespace kalivo::test {
namespace {

// Asks before replacing, as the real handlers do.
class AskingHandler : public MemoryHandler {
public:
    using MemoryHandler::MemoryHandler;
    Status StoreArchive(const std::string& archive, const std::string& folder, int position) override {
        if (!ui().AskYesNo("Replace " + archive + "?")) {
            return Status::kReplaceDeclined;
        }
        return MemoryHandler::StoreArchive(archive, folder, position);
    }
};

class CliCopyTest : public CliFixture {
protected:
    std::vector<std::string> Copy(const std::string& model) {
        Run({"copy", "--model", model, "--folder", Folder(), "--out", OutDir()});
        return Destination(*ModelCatalog::FromLooseName(model)).calls;
    }
    static std::ptrdiff_t IndexOf(const Lines& calls, const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    }
    static bool SameContent(const std::vector<std::optional<MemoryBank>>& a, const std::vector<std::optional<MemoryBank>>& b) {
        if (a.size() != b.size()) {
            return false;
        }
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i].has_value() != b[i].has_value() ||
                (a[i] && (a[i]->name != b[i]->name || a[i]->registrations != b[i]->registrations ||
                          a[i]->icon != b[i]->icon))) {
                return false;
            }
        }
        return true;
    }
    void WithArchiveName(const std::string& name) {
        auto offer = prepare;
        prepare = [offer, name](MemoryHandler& source, MemoryHandler& destination) {
            offer(source, destination);
            source.archiveName = name;
        };
    }
};

TEST_F(CliCopyTest, TyrosBanksAreCopiedWholeAndStoredOneByOne) {
    MemoryBank pop = Bank("Pop", {"Alpha", std::nullopt, "Gamma"});
    pop.icon = "I01";
    Offer({{"b1", {pop}}, {"b2", {Bank("Jazz", {"Delta"})}}});
    const Lines calls = Copy("tyros");
    EXPECT_EQ(err, "");
    EXPECT_EQ(calls[2], "ClearDestination(2)");
    EXPECT_TRUE(SameContent(Destination(Model::Tyros).banks, Source(Model::Tyros).banks));
    // An empty source slot empties the destination slot; name, sequence and icon follow the slots.
    const auto deleted = IndexOf(calls, "DeleteRegistration(0,1)");
    EXPECT_LT(IndexOf(calls, "CopyRegistration(0,1,0,1)"), deleted);
    EXPECT_LT(deleted, IndexOf(calls, "SetBankName(0,Pop)"));
    EXPECT_LT(IndexOf(calls, "SetBankName(0,Pop)"), IndexOf(calls, "CopyBankSequence(0,0)"));
    EXPECT_LT(IndexOf(calls, "CopyBankSequence(0,0)"), IndexOf(calls, "SetBankIcon(0,I01)"));
    EXPECT_LT(IndexOf(calls, "SetBankIcon(1,)"), static_cast<std::ptrdiff_t>(calls.size()));
    // The store-cancelled flag is cleared, then every bank is stored at its position.
    const auto cleared = IndexOf(calls, "ClearStoreCancelled");
    EXPECT_LT(IndexOf(calls, "SetBankIcon(1,)"), cleared);
    EXPECT_EQ(calls[static_cast<std::size_t>(cleared) + 1], "StoreArchive(Pop," + OutGiven() + ",0)");
    EXPECT_EQ(calls[static_cast<std::size_t>(cleared) + 2], "StoreArchive(Jazz," + OutGiven() + ",1)");
    EXPECT_EQ(calls.back(), "ReleaseStore");
    EXPECT_EQ(Destination(Model::Tyros).archiveName, "");
}

TEST_F(CliCopyTest, AnUnusedBankIsNotAskedForRegistrationsButItsNameIsCopied) {
    geometry = kThreeBanks;
    Offer({{"ARCH", {Bank("Pop", {"Alpha"})}}});
    WithArchiveName("MY ARCHIVE");
    const Lines calls = Copy("psr-9000");
    EXPECT_EQ(calls[2], "ClearDestination(3)");
    EXPECT_LT(IndexOf(calls, "CopyRegistration(0,0,0,0)"), static_cast<std::ptrdiff_t>(calls.size()));
    EXPECT_EQ(IndexOf(calls, "CopyRegistration(1,0,1,0)"), static_cast<std::ptrdiff_t>(calls.size()));
    EXPECT_LT(IndexOf(calls, "SetBankName(2,Empty Bank)"), IndexOf(calls, "CopyBankSequence(2,2)"));
    EXPECT_EQ(Destination(Model::Psr9000).archiveName, "MY ARCHIVE");
    EXPECT_FALSE(Destination(Model::Psr9000).Called("ClearStoreCancelled"));
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("StoreArchive", 0) == 0; }),
              1);
    EXPECT_TRUE(Destination(Model::Psr9000).Called("StoreArchive(MY ARCHIVE," + OutGiven() + ",0)"));
}

TEST_F(CliCopyTest, WithoutBankHeadersEveryRegistrationIsCopied) {
    geometry = kPsr740Like;
    Offer({{"ARCH", {Bank("x", {"A", std::nullopt, "C"}, 4), Bank("y", {"D"}, 4)}}});
    WithArchiveName("SONGS");
    const Lines calls = Copy("psr-740");
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.rfind("CopyRegistration", 0) == 0; }),
              32 * 4);
    EXPECT_LT(IndexOf(calls, "CopyRegistration(0,3,0,3)"), IndexOf(calls, "CopyRegistration(1,0,1,0)"));
    EXPECT_FALSE(Destination(Model::Psr740).Called("SetBankName"));
    const auto& banks = Destination(Model::Psr740).banks;
    ASSERT_GE(banks.size(), 2u);
    EXPECT_EQ(banks[0]->registrations, (std::vector<std::optional<std::string>>{"A", std::nullopt, "C", std::nullopt}));
    EXPECT_EQ(banks[1]->registrations[0], "D");
    EXPECT_EQ(calls[calls.size() - 2], "StoreArchive(SONGS," + OutGiven() + ",0)");
}

TEST_F(CliCopyTest, TheFirstFailingStoreIsTheExitStatus) {
    Offer({{"b1", {Bank("Pop", {"Alpha"})}}, {"b2", {Bank("Jazz", {"Beta"})}}, {"b3", {Bank("Rock", {"Gamma"})}}});
    auto offer = prepare;
    prepare = [offer](MemoryHandler& source, MemoryHandler& destination) {
        offer(source, destination);
        destination.storeResults = {Status::kDone, Status::kStoreCancelled, Status::kReplaceDeclined};
    };
    EXPECT_EQ(Run({"copy", "--model", "tyros", "--folder", Folder(), "--out", OutDir()}), 20);
    EXPECT_TRUE(Destination(Model::Tyros).Called("StoreArchive(Rock,"));
    EXPECT_EQ(ErrLines(), (Lines{"kalivo-cli: storing bank \"Jazz\" failed with status 20: storing cancelled",
                                 "kalivo-cli: storing bank \"Rock\" failed with status 19: a file was not replaced "
                                 "(--yes replaces)"}));
}

TEST_F(CliCopyTest, NothingIsStoredWhenTheArchiveDidNotLoad) {
    Offer({{"b1", {Bank("Pop", {"Alpha"})}}});
    auto offer = prepare;
    prepare = [offer](MemoryHandler& source, MemoryHandler& destination) {
        offer(source, destination);
        source.loadResults = {Status::kWrongModel};
    };
    EXPECT_EQ(Run({"copy", "--model", "tyros", "--folder", Folder(), "--out", OutDir()}), 16);
    EXPECT_FALSE(Destination(Model::Tyros).Called("ClearDestination"));
    EXPECT_FALSE(Destination(Model::Tyros).Called("StoreArchive"));
}

TEST_F(CliCopyTest, QuestionsAreAnsweredNoUnlessYesIsGiven) {
    makeHandler = [](UserInterface& ui, const ListGeometry& g) { return std::make_unique<AskingHandler>(ui, g); };
    geometry = kThreeBanks;
    Offer({{"ARCH", {Bank("Pop", {"Alpha"})}}});
    WithArchiveName("MINE");
    const std::vector<std::string> copy = {"copy", "--model", "PSR-9000", "--folder", Folder(), "--out", OutDir()};

    EXPECT_EQ(Run(copy), 19);
    EXPECT_EQ(ErrLines().front(), "kalivo-cli: Replace MINE? -> no");

    auto withNo = copy;
    withNo.push_back("--no");
    EXPECT_EQ(Run(withNo), 19);

    auto withYes = copy;
    withYes.insert(withYes.begin(), "--yes");
    EXPECT_EQ(Run(withYes), 0);
    EXPECT_EQ(ErrLines(), (Lines{"kalivo-cli: Replace MINE? -> yes"}));

    withYes = copy;
    withYes.push_back("--yes");  // after the command, too
    EXPECT_EQ(Run(withYes), 0);
}

}  // namespace
}  // namespace kalivo::test
