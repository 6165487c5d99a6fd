// Equity: exact counts agree with a count of our own over the plain reference
// evaluator, and sampled figures fall within four standard errors of them.
// Unknown hands and refused spots: the equity command's tests.
#include "engine/equity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "reference_evaluator.h"
#include "table_setup.h"

namespace qf {
namespace {

using test::Cards;

// Every board completion of known hands, valued by the reference evaluator.
std::vector<EquityFigures> ReferenceCount(const EquitySpot& spot) {
  std::vector<uint8_t> deck;
  for (uint8_t card = 1; card <= 52; ++card) {
    bool used = std::count(spot.board.begin(), spot.board.end(), card) > 0;
    for (const auto& hand : spot.hands) used = used || std::count(hand.begin(), hand.end(), card);
    if (!used) deck.push_back(card);
  }
  std::vector<bool> mask(deck.size(), false);
  std::fill(mask.end() - static_cast<ptrdiff_t>(5 - spot.board.size()), mask.end(), true);
  std::vector<EquityFigures> sums(spot.hands.size());
  double deals = 0;
  do {
    std::vector<uint32_t> values;
    for (const auto& hand : spot.hands) {
      std::vector<uint8_t> all = hand;
      all.insert(all.end(), spot.board.begin(), spot.board.end());
      for (size_t i = 0; i < deck.size(); ++i) {
        if (mask[i]) all.push_back(deck[i]);
      }
      values.push_back(reference::EvaluateBest(all.data(), int(all.size()), spot.holeCards));
    }
    const uint32_t best = *std::max_element(values.begin(), values.end());
    const auto winners = std::count(values.begin(), values.end(), best);
    for (size_t h = 0; h < values.size(); ++h) {
      if (values[h] != best) continue;
      (winners == 1 ? sums[h].win : sums[h].tie) += 100;
      sums[h].equity += 100.0 / static_cast<double>(winners);
    }
    ++deals;
  } while (std::next_permutation(mask.begin(), mask.end()));
  for (EquityFigures& f : sums) f.win /= deals, f.tie /= deals, f.equity /= deals;
  return sums;
}

TEST(Equity, ExactCountsAgreeWithTheReferenceAndSamplesWithinFourStandardErrors) {
  const struct {
    int hole;
    std::vector<std::string> hands;
    std::string board;
  } spots[] = {
      {2, {"AsAh", "KsKh"}, "7c8d9s"},
      {2, {"AhKh", "QsQc", "7d6d"}, "Th2h6c"},
      {2, {"5c5d", "AsKs"}, "5s9sKd"},  // set against flush draw and top pair
      {2, {"2c3c", "2d3d"}, "4h5h6s"},  // a split straight
      {2, {"AsKd", "QhJh", "9c9d", "7s2c"}, "8h7h3c2d"},
      {4, {"AsKsQhJh", "2c2d3c3d"}, "7h8h9c"},
      {4, {"AhAdKhKd", "QsJsTs9s", "8c7c6d5d"}, "2h3s4c"},
      {4, {"AsAhAdAc", "KsKhQdQc"}, "2s3h7d9c"},  // four aces: only two play
  };
  for (const auto& s : spots) {
    EquitySpot spot{s.hole, {}, Cards(s.board)};
    for (const std::string& hand : s.hands) spot.hands.push_back(Cards(hand));
    SCOPED_TRACE(s.hands[0] + " " + s.hands[1] + " on " + s.board);
    ASSERT_STREQ(EquitySpotProblem(spot), "");
    const std::vector<EquityFigures> reference = ReferenceCount(spot);
    Rng rng(3);
    const EquityResult exact = ComputeEquity(spot, 0, rng, UINT64_MAX);
    EXPECT_TRUE(exact.exact);
    EXPECT_EQ(exact.deals, ExactDealCount(spot));
    const EquityResult sampled = ComputeEquity(spot, 20000, rng, 0);
    EXPECT_FALSE(sampled.exact);
    for (size_t h = 0; h < reference.size(); ++h) {
      EXPECT_NEAR(exact.hands[h].win, reference[h].win, 1e-9);
      EXPECT_NEAR(exact.hands[h].tie, reference[h].tie, 1e-9);
      EXPECT_NEAR(exact.hands[h].equity, reference[h].equity, 1e-9);
      const EquityFigures& guess = sampled.hands[h];
      EXPECT_NEAR(guess.equity, reference[h].equity, 4 * guess.stdError + 1e-9);
    }
  }
}

}  // namespace
}  // namespace qf
