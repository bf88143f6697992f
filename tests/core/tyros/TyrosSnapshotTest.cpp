#include "core/tyros/TyrosHandlerFixture.h"
#include "support/StoreRoundTrip.h"

namespace kalivo::test {
namespace {

class TyrosSnapshotTest : public TyrosHandlerFixture {
protected:
    void SetUp() override {
        TyrosHandlerFixture::SetUp();
        WriteBank("Jazz", {"Swing", "Ballad", "Blues"});
        WriteBank("Rock", {"Riff"});
        ASSERT_EQ(destination.LoadDestinationArchive(Folder(), "Jazz"), Status::kDone);
        ASSERT_EQ(destination.LoadDestinationArchive(Folder(), "Rock"), Status::kDone);
        LoadSource("Rock");
    }
    // Store Archive over every bank, as the window runs it.
    void Store(const std::string& folder) {
        destination.ClearStoreCancelled();
        StringList banks;
        destination.ListBanks(banks);
        for (std::size_t i = 0; i < banks.size(); ++i) {
            destination.StoreArchive(banks[i], folder, static_cast<int>(i));
        }
    }
    std::function<void(const std::string&)> Storer() {
        return [this](const std::string& folder) { Store(folder); };
    }
};

TEST_F(TyrosSnapshotTest, EditsAreTakenBackByteForByte) {
    ExpectUndoRestoresTheStore(destination, Storer(), [&] {
        destination.DeleteRegistration(0, 1);
        destination.RenameRegistration(0, 0, "Renamed");
        destination.SetBankSequence(0, "31", 1);
        destination.SetBankIcon(0, "123");
        destination.SetRegistrationIcon(0, 2, "456");
    });
}

TEST_F(TyrosSnapshotTest, CopiesIntoANewBankAndBankNamesAreTakenBack) {
    ExpectUndoRestoresTheStore(destination, Storer(), [&] {
        ASSERT_EQ(destination.CopyRegistration(2, 0, &source, 0, 0), Status::kDone);
        destination.SetBankName(1, "Hard Rock");
    });
    EXPECT_EQ(destination.DestinationBankCount(), 2);
}

TEST_F(TyrosSnapshotTest, NewAndLoadAreTakenBack) {
    ExpectUndoRestoresTheStore(destination, Storer(), [&] { destination.ClearDestination(0); });
    ExpectUndoRestoresTheStore(destination, Storer(), [&] {
        WriteBank("More", {"Extra"});
        ASSERT_EQ(destination.LoadDestinationArchive(Folder(), "More"), Status::kDone);
    });
    EXPECT_EQ(BankName(destination, 1), "Rock");
}

}  // namespace
}  // namespace kalivo::test
