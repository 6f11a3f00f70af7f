#include <gtest/gtest.h>

#include "core/random.h"

TEST(Random, FollowsTheGeneratorFormulaFromItsSeed) {
  lcg::Seed(0);
  // state 2531011 -> 38; then 2531011*214013+2531011 mod 2^32 -> 7719.
  EXPECT_EQ(lcg::rand(), 38);
  EXPECT_EQ(lcg::rand(), 7719);
  EXPECT_EQ(lcg::State(), 505908858u);
}

TEST(Random, DrawsStayWithinFifteenBits) {
  lcg::Seed(12345);
  for (int i = 0; i < 100000; ++i) {
    const int r = lcg::rand();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 32767);
  }
}
