// What a computer seat reads from the table: outlook, improvement, fold rate,
// counts and the size of the call.
#include "players/hand_strength.h"

#include <gtest/gtest.h>

#include "players/hand_strength_parts.h"
#include "table_builder.h"

namespace qf {
namespace {

using testing::TableBuilder;

WinnerList List(std::initializer_list<int> seats) {
  WinnerList list;
  for (int s : seats) list.seats[list.count++] = static_cast<uint8_t>(s);
  return list;
}

TEST(Outlook, FromWinnerLists) {
  EXPECT_EQ(OutlookFromLists(List({4}), List({4}), 4), 3);
  EXPECT_EQ(OutlookFromLists(List({4}), List({6}), 4), 1);
  EXPECT_EQ(OutlookFromLists(List({6}), List({4}), 4), 2);
  EXPECT_EQ(OutlookFromLists(List({6}), List({6}), 4), 0);
  EXPECT_EQ(OutlookFromLists(List({}), List({4}), 4), 0);
}

TEST(Outlook, TiesAreDecidedByTheSecondEntry) {
  EXPECT_EQ(OutlookFromLists(List({1, 3}), List({1, 3}), 3), 3);
  // Seat 1 shares the best hand, but only the last entry counts.
  EXPECT_EQ(OutlookFromLists(List({1, 3}), List({1, 3}), 1), 0);
  // An entry the river list does not have counts as another seat.
  EXPECT_EQ(OutlookFromLists(List({1, 3}), List({3}), 3), 1);
  EXPECT_EQ(OutlookFromLists(List({1, 3}), List({5, 3}), 3), 3);
}

TableRecord RiverKingTable(int cardsSeen) {
  // Seat 1 holds aces; seat 2's kings become trips only with the river king.
  return TableBuilder()
      .Seat(1, KindSmart, {"As", "Ad"})
      .Seat(2, KindTight, {"Kh", "Kd"})
      .Board({"2c", "7s", "9h", "3c", "Kc"})
      .CardsSeen(cardsSeen)
      .Build();
}

TEST(Outlook, BeatenOnlyByTheRiverCard) {
  for (int seen : {5, 6}) {
    TableRecord table = RiverKingTable(seen);
    EXPECT_EQ(Outlook(table, 1), 1) << "cards seen " << seen;
    EXPECT_EQ(Outlook(table, 2), 2) << "cards seen " << seen;
  }
  TableRecord river = RiverKingTable(7);
  EXPECT_EQ(Outlook(river, 1), 0);
  EXPECT_EQ(Outlook(river, 2), 3);
}

TEST(Outlook, ASeatWithoutStakeIsNotAmongTheWinners) {
  TableRecord table = TableBuilder()
                          .Seat(1, KindSmart, {"As", "Ad"}, 200, 0)
                          .Seat(2, KindTight, {"7h", "2d"})
                          .Board({"2c", "8s", "9h", "3c", "Kc"})
                          .Build();
  EXPECT_EQ(Outlook(table, 1), 0);
  EXPECT_EQ(Outlook(table, 2), 3);
}

TEST(Improvement, TexasFromTheFlop) {
  // A pair on the board and no help from the hole cards.
  TableRecord pairedBoard = TableBuilder()
                                .Seat(3, KindSmart, {"7h", "2c"})
                                .Board({"Ks", "Kd", "9c", "4d", "5s"})
                                .CardsSeen(5)
                                .Build();
  EXPECT_EQ(Improvement(pairedBoard, 3), 0);

  // A pocket pair matching a board card over an unpaired board: trips.
  TableRecord set = TableBuilder()
                        .Seat(3, KindSmart, {"9s", "9d"})
                        .Board({"9c", "4h", "Kd", "2s", "7c"})
                        .CardsSeen(5)
                        .Build();
  EXPECT_EQ(Improvement(set, 3), 3);

  // Before the flop the seat holds only its own two cards.
  TableRecord preFlop = TableBuilder().Seat(3, KindSmart, {"9s", "9d"}).CardsSeen(2).Build();
  EXPECT_EQ(Improvement(preFlop, 3), 0);
}

TEST(Improvement, OmahaRiverCanBeNegative) {
  // With all nine cards the seat must play exactly two hole cards: 2-2 and
  // three board cards make a pair. Without the first two cards the other
  // seven are valued together and hold the board's straight.
  TableRecord table = TableBuilder(kOmahaHoleCards)
                          .Seat(0, KindLoose, {"2c", "2d", "Ks", "Qd"})
                          .Board({"5s", "6h", "7d", "8c", "9s"})
                          .CardsSeen(9)
                          .Build();
  EXPECT_EQ(Improvement(table, 0), 1 - 4);
}

TEST(Improvement, OmahaBeforeTheFlop) {
  TableRecord table = TableBuilder(kOmahaHoleCards)
                          .Seat(0, KindLoose, {"As", "Ad", "7c", "2h"})
                          .CardsSeen(4)
                          .Build();
  EXPECT_EQ(Improvement(table, 0), 1);  // a pair with the first two, high card without
}

TEST(FoldDelta, NeedsTwentyHandsAndAHuman) {
  TableRecord table =
      TableBuilder().Seat(0, KindHuman, {"2c", "3c"}).Seat(4, KindSmart, {"As", "Ad"}).Build();
  table.players[0].handsPlayed = 10;
  table.players[0].folds = 5;  // 50%
  table.players[4].handsPlayed = 19;
  table.players[4].folds = 19;
  EXPECT_EQ(FoldDelta(table, 4), 0);  // only 19 hands played

  table.players[4].handsPlayed = 20;
  table.players[4].folds = 4;  // 20%
  EXPECT_EQ(FoldDelta(table, 4), 20 - 50);

  table.players[0].handsPlayed = 0;  // no human has played yet
  EXPECT_EQ(FoldDelta(table, 4), 0);
}

TEST(FoldDelta, AveragesHumanAndHiddenHumanSeats) {
  TableRecord table = TableBuilder()
                          .Seat(0, KindHuman, {"2c", "3c"})
                          .Seat(1, KindHiddenHuman, {"4c", "5c"})
                          .Seat(2, KindStupid, {"6c", "7c"})
                          .Seat(4, KindSmart, {"As", "Ad"})
                          .Build();
  table.players[0].handsPlayed = 3;
  table.players[0].folds = 1;  // 33
  table.players[1].handsPlayed = 4;
  table.players[1].folds = 3;  // 75
  table.players[2].handsPlayed = 50;
  table.players[2].folds = 50;  // a computer: not counted
  table.players[4].handsPlayed = 40;
  table.players[4].folds = 30;  // 75
  EXPECT_EQ(FoldDelta(table, 4), 75 - (33 + 75) / 2);
}

TEST(CallRatio, CallInUnitsCutToOneToTen) {
  TableRecord table = TableBuilder().Seat(1, KindSmart, {"As", "Ad"}).Build();
  table.baseBet = 5;
  table.progressiveLevel = 2;
  Rng rng(3);
  EXPECT_EQ(EstimateHandStrength(table, 1, 25, rng).callRatio, 2);
  EXPECT_EQ(EstimateHandStrength(table, 1, 0, rng).callRatio, 1);
  EXPECT_EQ(EstimateHandStrength(table, 1, 500, rng).callRatio, 10);
  EXPECT_EQ(EstimateHandStrength(table, 1, 25, rng).unit, 10u);

  table.progressiveLevel = 0;  // fixed stakes: multiplier 1
  EXPECT_EQ(EstimateHandStrength(table, 1, 25, rng).callRatio, 5);
}

TEST(CallRatio, WithoutAStakeUnit) {
  EXPECT_EQ(CallRatio(0, 0), 1);
  EXPECT_EQ(CallRatio(7, 0), 10);
}

TEST(HandStrength, CountsSeatsAndDrawsOnce) {
  TableRecord table = TableBuilder()
                          .Seat(1, KindSmart, {"As", "Ad"})
                          .Seat(3, KindTight, {"Ks", "Kd"})
                          .Seat(5, KindLoose, {"Qs", "Qd"}, 0, 200)  // all in
                          .Seat(7, KindStupid, {"Js", "Jd"})
                          .Seat(8, KindErratic, {"Ts", "Td"})
                          .Build();
  table.players[7].status = StatusFolded;
  table.players[8].status = StatusOut;
  Rng rng(11);
  Rng copy = rng;
  HandStrength s = EstimateHandStrength(table, 1, 0, rng);
  EXPECT_EQ(s.seatedOthers, 4);
  EXPECT_EQ(s.liveOthers, 2);
  EXPECT_EQ(s.liveWithChips, 2);
  EXPECT_EQ(s.r, static_cast<int>(Random(copy, 100)));
  EXPECT_EQ(rng.State(), copy.State());
}

}  // namespace
}  // namespace qf
