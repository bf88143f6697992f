#include "core/cvp2_psr2000/Cvp2FamilyHandlerFixture.h"
#include "support/StoreRoundTrip.h"

namespace kalivo::test {
namespace {

class Cvp2Snapshot : public Cvp2FamilyHandlerFixture {
protected:
    void SetUp() override {
        Cvp2FamilyHandlerFixture::SetUp();
        WriteBank("JAZZ", {"Swing", "Ballad", "Blues"});
        ASSERT_EQ(destination->LoadDestinationArchive(Folder(), Listed("JAZZ")), Status::kDone);
        ASSERT_EQ(source->LoadSourceArchive(Folder(), Listed("JAZZ")), Status::kDone);
    }
    std::function<void(const std::string&)> Storer() {
        return [this](const std::string& folder) {
            ASSERT_EQ(destination->StoreArchive(destination->GetArchiveName(), folder, 0), Status::kDone);
        };
    }
};

INSTANTIATE_TEST_SUITE_P(BothModels, Cvp2Snapshot, ::testing::Values(Cvp2Kind::Cvp2, Cvp2Kind::Psr2000), KindName);

TEST_P(Cvp2Snapshot, EditsAreTakenBackByteForByte) {
    ExpectUndoRestoresTheStore(*destination, Storer(), [&] {
        destination->DeleteRegistration(0, 0);
        destination->RenameRegistration(0, 1, "Renamed");
        destination->SetBankName(0, "Cool");
        ASSERT_EQ(destination->CopyRegistration(0, 5, source.get(), 0, 2), Status::kDone);
    });
}

TEST_P(Cvp2Snapshot, NewAndTheArchiveNameAreTakenBack) {
    ExpectUndoRestoresTheStore(*destination, Storer(), [&] { destination->SetArchiveName("OTHER"); });
    const std::string name = destination->GetArchiveName();
    const auto snapshot = destination->SaveDestinationState();
    destination->ClearDestination(source->SourceBankCount());
    destination->RestoreDestinationState(*snapshot);
    EXPECT_EQ(NameAt(*destination, 0, 2), "Blues");
    EXPECT_EQ(destination->GetArchiveName(), name);
}

}  // namespace
}  // namespace kalivo::test
