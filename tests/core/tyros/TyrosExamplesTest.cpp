// The committed Tyros example banks are what the writer makes today.
#include <gtest/gtest.h>

#include "core/tyros/TyrosExamples.h"
#include "support/CommittedExample.h"

namespace kalivo::test::tyros {
namespace {

TEST(TyrosExamplesTest, CommittedExampleIsWhatTheWriterMakes) {
    ExpectCommittedExample("tyros", [](const std::string& folder) { return WriteExample(folder); });
}

}  // namespace
}  // namespace kalivo::test::tyros
