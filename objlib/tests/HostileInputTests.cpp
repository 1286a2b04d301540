// The hostile-input loop over every generator of random and boundary input: fonts from
// memos, pasted memo data and the settings file, bitmap bodies, dropped-file lists.
#include <gtest/gtest.h>

#include "HostileInput.h"

// A few seconds of every generator; the bench runs the same loop longer.
TEST(HostileInput, EveryGeneratorKeepsItsPromises) {
  for (const HostileTally& tally : RunHostileLoop(20261208, 100)) {
    for (const std::string& fault : tally.faults) ADD_FAILURE() << tally.name << " " << fault;
    EXPECT_GT(tally.accepted, tally.rounds / 10) << tally.name;
  }
}
