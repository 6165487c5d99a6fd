// What a computer seat reads from the table: outlook, improvement, fold rate,
// counts and the size of the call.
#include "players/hand_strength.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/table_setup.h"
#include "players/hand_strength_parts.h"

namespace qf {
namespace {

using test::TableSetup;

WinnerList List(std::initializer_list<int> seats) {
  WinnerList list;
  for (int s : seats) list.seats[list.count++] = static_cast<uint8_t>(s);
  return list;
}

// The plain cases are checked on real tables below; here the rule for ties.
TEST(Outlook, TheLastOfTheWinnersNowDecides) {
  const struct {
    WinnerList now, river;
    int seat, outlook;
  } cases[] = {
      {List({}), List({4}), 4, 0},
      // Seat 1 shares the best hand, but only the last entry counts.
      {List({1, 3}), List({1, 3}), 3, 3},
      {List({1, 3}), List({1, 3}), 1, 0},
      // An entry the river list does not have counts as another seat.
      {List({1, 3}), List({3}), 3, 1},
      {List({1, 3}), List({5, 3}), 3, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(OutlookFromLists(c.now, c.river, c.seat), c.outlook);
}

TEST(Outlook, BestNowAndAtTheRiverAmongTheSeatsWithAStake) {
  // Seat 1 holds aces; seat 2's kings become trips only with the river king.
  TableSetup setup = TableSetup().Seat(1, 200).Seat(2, 200, KindTight);
  setup.Hole(1, "As Ad").Hole(2, "Kh Kd").Board("2c 7s 9h 3c Kc");
  for (int seen : {5, 6, 7}) {
    TableRecord table = TableSetup(setup).Dealt(seen).Build();
    EXPECT_EQ(Outlook(table, 1), seen < 7 ? 1 : 0) << "cards seen " << seen;
    EXPECT_EQ(Outlook(table, 2), seen < 7 ? 2 : 3) << "cards seen " << seen;
  }
  TableRecord noStake = setup.Dealt(7).Build();
  noStake.players[2].inPot = 0;
  EXPECT_EQ(Outlook(noStake, 1), 3);
  EXPECT_EQ(Outlook(noStake, 2), 0);
}

TEST(Improvement, CategoryWithTheFirstTwoCardsMinusWithout) {
  const struct {
    const char* hole;
    const char* board;
    int cardsSeen, improvement;
  } cases[] = {
      {"7h 2c", "Ks Kd 9c 4d 5s", 5, 0},  // a paired board, no help
      {"9s 9d", "9c 4h Kd 2s 7c", 5, 3},  // a set over high card
      {"9s 9d", "9c 4h Kd 2s 7c", 2, 0},  // before the flop: only its own cards
      {"As Ad 7c 2h", "", 4, 1},          // Omaha before the flop: a pair, high card without
      // The Omaha river plays exactly two hole cards (a pair of twos); without
      // them the other seven count together and hold the board's straight.
      {"2c 2d Ks Qd", "5s 6h 7d 8c 9s", 9, 1 - 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hole << " " << c.board);
    TableSetup setup = TableSetup().Seat(3, 200);
    if (std::strlen(c.hole) > 5) setup.Omaha();
    TableRecord table = setup.Hole(3, c.hole).Board(c.board).Dealt(c.cardsSeen).Build();
    EXPECT_EQ(Improvement(table, 3), c.improvement);
  }
}

TEST(FoldDelta, OwnFoldRateMinusTheHumansAverageAfterTwentyHands) {
  TableSetup setup = TableSetup().Seat(0, 200, KindHuman).Seat(1, 200, KindHiddenHuman);
  TableRecord table = setup.Seat(2, 200, KindStupid).Seat(4, 200).Dealt(2).Build();
  auto played = [&table](int seat, uint16_t hands, uint16_t folds) {
    table.players[seat].handsPlayed = hands;
    table.players[seat].folds = folds;
  };
  played(0, 3, 1);    // 33%
  played(1, 4, 3);    // 75%
  played(2, 50, 50);  // a computer: not counted
  played(4, 40, 30);  // 75%
  EXPECT_EQ(FoldDelta(table, 4), 75 - (33 + 75) / 2);
  played(4, 19, 19);
  EXPECT_EQ(FoldDelta(table, 4), 0);  // only 19 hands played
  played(4, 20, 4);                   // 20%
  played(1, 0, 0);
  EXPECT_EQ(FoldDelta(table, 4), 20 - 33);
  played(0, 0, 0);
  EXPECT_EQ(FoldDelta(table, 4), 0);  // no human has played yet
}

TEST(HandStrength, CountsSeatsAndStakesAndDrawsOnce) {
  TableSetup setup = TableSetup().Seat(1, 200).Seat(3, 200).Seat(5, 0).Seat(7, 200).Seat(8, 200);
  TableRecord table = setup.BaseBet(5).Level(2).Dealt(2).Build();
  table.players[5].inPot = 200;  // all in
  table.players[7].status = StatusFolded;
  table.players[8].status = StatusOut;
  Rng rng(11);
  Rng copy = rng;
  HandStrength s = EstimateHandStrength(table, 1, 25, rng);
  EXPECT_EQ(s.seatedOthers, 4);
  EXPECT_EQ(s.liveOthers, 2);
  EXPECT_EQ(s.liveWithChips, 2);
  EXPECT_EQ(s.unit, 10u);  // base bet times the progressive level
  EXPECT_EQ(s.callRatio, 2);
  EXPECT_EQ(s.r, static_cast<int>(Random(copy, 100)));
  EXPECT_EQ(rng.State(), copy.State());

  // The call in units, cut to 1..10; without a unit any call counts as the largest.
  const struct {
    uint32_t call, unit;
    int ratio;
  } ratios[] = {{25, 10, 2}, {0, 10, 1}, {9, 10, 1}, {500, 10, 10}, {0, 0, 1}, {7, 0, 10}};
  for (const auto& c : ratios) EXPECT_EQ(CallRatio(c.call, c.unit), c.ratio) << c.call;
}

}  // namespace
}  // namespace qf
