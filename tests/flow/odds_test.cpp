// The odds shown to the player: what is asked, and how the figures read.
#include "flow/odds.h"

#include <gtest/gtest.h>

#include "flow_test_support.h"

namespace qf {
namespace {

using testing::Game;
using testing::MakeTable;

TEST(Odds, TextRoundsToWhatTheStandardErrorSupports) {
  const struct {
    double win, tie, stdError;
    uint64_t pot;
    uint32_t call;
    const char* text;
  } cases[] = {
      {41.2, 3.4, 0.0, 40, 10, "Win 41% Tie 3%  Pot odds 4:1"},
      {41.2, 3.4, 0.3, 25, 10, "Win 41% Tie 3%  Pot odds 2.5:1"},
      {41.2, 3.4, 1.0, 130, 10, "Win 42% Tie 4%  Pot odds 13:1"},
      {41.2, 3.4, 3.0, 40, 0, "Win 40% Tie 5%"},
      {99.8, 0.2, 0.1, 40, 0, "Win >99% Tie <1%"},
  };
  for (const auto& c : cases) {
    EquityResult result;
    result.hands = {{c.win, c.tie, c.win + c.tie / 2, c.stdError}};
    EXPECT_EQ(OddsText(result, c.pot, c.call), c.text);
  }
}

TEST(Odds, AskedForTheHumanToActAgainstTheLiveSeatsUnseen) {
  Game game(MakeTable("HST"), 8);
  game.table.dealer = 2;
  ASSERT_TRUE(game.CallAlongToSeatZero(game.table.holeCards + 3));
  TableRecord& table = game.table;
  std::optional<OddsQuestion> question = OddsQuestionFor(table);
  ASSERT_TRUE(question);
  ASSERT_EQ(question->spot.hands.size(), 3u);
  EXPECT_EQ(question->spot.hands[0], std::vector<uint8_t>(table.deck, table.deck + 2));
  EXPECT_TRUE(question->spot.hands[1].empty() && question->spot.hands[2].empty());
  EXPECT_EQ(question->spot.board, std::vector<uint8_t>(table.deck + 43, table.deck + 46));
  EXPECT_EQ(question->pot, 6u);
  EXPECT_EQ(question->call, 0u);
  const EquityResult odds = CountOdds(*question, 20000);
  EXPECT_NEAR(odds.hands[0].equity + odds.hands[1].equity + odds.hands[2].equity, 100, 1e-6);
  // A folded seat is no longer counted; a computer's turn asks nothing.
  table.players[2].status = StatusFolded;
  EXPECT_EQ(OddsQuestionFor(table)->spot.hands.size(), 2u);
  EXPECT_NE(OddsQuestionFor(table)->key, question->key);
  PlayChips(table, game.ui, 0, 0, 0);
  EXPECT_FALSE(OddsQuestionFor(table));
}

}  // namespace
}  // namespace qf
