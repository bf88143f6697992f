#include "core/psr9000/Psr9000Fixture.h"
#include "support/StoreRoundTrip.h"

namespace kalivo::test {
namespace {

class Psr9000Snapshot : public Psr9000Fixture {
protected:
    void SetUp() override {
        Psr9000Fixture::SetUp();
        WriteSampleBackup("LIVE.BUF");
        ASSERT_EQ(destination->LoadDestinationArchive(Folder(), "LIVE"), Status::kDone);
        ASSERT_EQ(source->LoadSourceArchive(Folder(), "LIVE"), Status::kDone);
    }
    std::function<void(const std::string&)> Storer() {
        return [this](const std::string& folder) {
            ASSERT_EQ(destination->StoreArchive(destination->GetArchiveName(), folder, 0), Status::kDone);
        };
    }
};

KALIVO_BOTH_PSR9000_MODELS(Psr9000Snapshot);

TEST_P(Psr9000Snapshot, EditsAreTakenBackByteForByte) {
    ExpectUndoRestoresTheStore(*destination, Storer(), [&] {
        destination->DeleteRegistration(0, 0);
        destination->RenameRegistration(0, 2, "Renamed");
        destination->SetBankName(0, "Morning");
        ASSERT_EQ(destination->CopyRegistration(7, 3, source.get(), 4, 1), Status::kDone);
    });
}

TEST_P(Psr9000Snapshot, NewAndTheArchiveNameAreTakenBack) {
    ExpectUndoRestoresTheStore(*destination, Storer(), [&] { destination->ClearDestination(64); });
    ExpectUndoRestoresTheStore(*destination, Storer(), [&] { destination->SetArchiveName("Other"); });
    EXPECT_EQ(destination->GetArchiveName(), "LIVE");
}

TEST_P(Psr9000Snapshot, TheOtherModelsStateIsNotTaken) {
    const Psr9000Model& other = &Model() == &Psr9000Model::Psr9000() ? Psr9000Model::Pro() : Psr9000Model::Psr9000();
    Psr9000FamilyHandler stranger(ui, other);
    stranger.CreateStore();
    destination->RestoreDestinationState(*stranger.SaveDestinationState());
    EXPECT_EQ(NameAt(*destination, 0, 0), "Ballad");
    EXPECT_EQ(destination->GetArchiveName(), "LIVE");
}

}  // namespace
}  // namespace kalivo::test
