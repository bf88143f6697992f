#include "core/psr740_8000/Psr740TestSupport.h"
#include "support/StoreRoundTrip.h"

namespace kalivo::test::psr {
namespace {

// Stores under the archive name, as Store Archive does.
template <class Handler>
std::function<void(const std::string&)> Storer(Handler& handler) {
    return [&handler](const std::string& folder) {
        ASSERT_EQ(handler.StoreArchive(handler.GetArchiveName(), folder, 0), Status::kDone);
    };
}

TEST_F(Psr740Fixture, SnapshotTakesEditsBackByteForByte) {
    Fill(destination, {{0, 0, {"One", 3, 96}}, {0, 1, {"Two"}}, {5, 3, {"Six"}}});
    destination.SetArchiveName("SET");
    ExpectUndoRestoresTheStore(destination, Storer(destination), [&] {
        destination.DeleteRegistration(0, 0);
        destination.RenameRegistration(5, 3, "Renamed");
        destination.SetArchiveName("OTHER");
    });
}

TEST_F(Psr8000Fixture, SnapshotTakesNewAndCopiesBackByteForByte) {
    Fill(destination, {{1, 0, {"Two", 5, 90}}, {4, 7, {"Five", 6, 100}}});
    Fill(source, {{2, 2, {"Given"}}});
    destination.SetArchiveName("SET");
    ExpectUndoRestoresTheStore(destination, Storer(destination), [&] {
        ASSERT_EQ(destination.CopyRegistration(1, 1, &source, 2, 2), Status::kDone);
    });
    ExpectUndoRestoresTheStore(destination, Storer(destination), [&] {
        destination.ClearDestination(16);
        Fill(destination, {{0, 0, {"Lonely"}}});
        destination.SetArchiveName("SET");
    });
}

TEST_F(Psr740Fixture, SnapshotOfTheOtherModelIsNotTaken) {
    Fill(destination, {{0, 0, {"Mine"}}});
    Psr8000Handler stranger(ui);
    stranger.CreateStore();
    destination.RestoreDestinationState(*stranger.SaveDestinationState());
    EXPECT_EQ(Name(destination, 0, 0), "Mine");
}

}  // namespace
}  // namespace kalivo::test::psr
