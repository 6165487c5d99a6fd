// Thousands of seeded hands of random all-computer tables through the real
// driver: every hand ends, and no chip is made or lost on the way.
#include <gtest/gtest.h>

#include <limits>

#include "engine/pots.h"
#include "engine/table_file.h"
#include "flow/table_input.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::MakeTable;
using testing::PeekTurn;
using testing::Question;
using testing::RecordingUi;

// Chips in play, plus what the rake took, plus what the seats owe the bank:
// buy-ins and fresh tables move chips between these and nothing else does.
int64_t Accounted(const TableRecord& table) {
  int64_t total = static_cast<int64_t>(ChipsOnTable(table));
  for (const PlayerRecord& p : table.players) total += int64_t{p.balance} + p.rakePaid;
  return total;
}

TableRecord RandomTable(Rng& rng) {
  static constexpr uint32_t kBaseBets[] = {1, 2, 5, 10, 25};
  TableRecord table =
      MakeTable({}, kBaseBets[Random(rng, 5)], static_cast<uint8_t>(Random(rng, kStructureCount)));
  const int seats = 2 + static_cast<int>(Random(rng, 9));
  for (int placed = 0; placed < seats;) {
    PlayerRecord& p = table.players[Random(rng, kSeatCount)];
    if (p.kind != KindInactive) continue;
    p.kind = p.tableKind = KindSmart + Random(rng, 7);
    ++placed;
  }
  table.smallTable = 0;
  table.holeCards = Random(rng, 2) == 0 ? kTexasHoleCards : kOmahaHoleCards;
  table.anteMode = static_cast<uint8_t>(Random(rng, 2));
  table.rakePercent = static_cast<uint8_t>(Random(rng, 11));
  table.raiseCap = static_cast<uint8_t>(Random(rng, 11));
  table.progressiveLevel = Random(rng, 3) == 0 ? 1 : 0;
  table.bustedStay = Random(rng, 2);
  table.foldStyle = Random(rng, 2);
  table.confirmDeal = Random(rng, 2);
  table.dealer = static_cast<uint8_t>(Random(rng, kSeatCount));
  for (int street = 0; street < 4; ++street) {
    table.customMin[street] = 1 + Random(rng, 10);
    table.customMax[street] = table.customMin[street] + Random(rng, 100);
  }
  return table;
}

// A table at the limits of the record's amounts: nearly every chip an amount
// holds is on it, and the balances are nearly out of credit.
void PushToTheLimits(TableRecord& table, Rng& rng) {
  table.baseBet = kMaxBaseBet;
  for (PlayerRecord& p : table.players) {
    p.chips = 100 * kMaxBaseBet;
    p.balance = std::numeric_limits<int32_t>::min() + static_cast<int32_t>(Random(rng, 300000));
  }
  PlayerRecord& rich = table.players[Random(rng, kSeatCount)];
  rich.chips += static_cast<uint32_t>(UINT32_MAX - ChipsOnTable(table) - Random(rng, 1000000));
  rich.balance = std::numeric_limits<int32_t>::max() - static_cast<int32_t>(Random(rng, 1000));
}

TEST(SoakTest, RandomComputerTablesPlayThousandsOfHandsWithChipsConserved) {
  Rng tables(2024);
  Rng rng(99);
  RecordingUi ui;
  // Busted seats buy in again; a tournament winner starts a new game.
  ui.answerPolicy = [](const Question&) { return 1; };
  int hands = 0;
  int newGames = 0;
  for (int round = 0; round < 120; ++round) {
    TableRecord table = RandomTable(tables);
    const bool atTheLimits = round % 4 == 3;
    if (atTheLimits) PushToTheLimits(table, tables);
    SessionState session;
    const int64_t accounted = Accounted(table);
    for (int hand = 0; hand < 30; ++hand, ++hands) {
      SCOPED_TRACE(::testing::Message() << "table " << round << " hand " << hand);
      // "Start" shows as soon as the hand is over; the player may press it
      // before or after the tick that settles the hand.
      const bool waitForSettlement = Random(tables, 2) == 0;
      int ticks = 0;
      while (session.buttonLabel[0] != "Start" || (waitForSettlement && !session.handSettled)) {
        ASSERT_LT(++ticks, 2000) << "the hand never ended; turn " << PeekTurn(table).code;
        ui.Clear();
        TickGame(table, session, rng, ui);
        ASSERT_EQ(Accounted(table), accounted);
        ASSERT_EQ(ui.newTableDialogs, 0) << "a computer table never runs out of seats";
        for (const PlayerRecord& p : table.players) {
          ASSERT_LE(p.cardsSeen, table.holeCards + 5);
        }
      }
      OnTableInput(table, session, rng, ui, TableInput{KeyDigit1});
      ASSERT_EQ(Accounted(table), accounted);
      ASSERT_EQ(ValidateTableImage(table), "") << "every table saved loads again";
      if (ui.newTableDialogs == 0) {
        ASSERT_EQ(PeekTurn(table).code, TurnNewHand);
      } else {
        ++newGames;  // a tournament was won: a fresh table, its first hand begun
        if (!atTheLimits) {
          ASSERT_EQ(table.players[table.dealer].chips, 100 * table.baseBet);
        }
        ui.newTableDialogs = 0;
      }
    }
  }
  EXPECT_EQ(hands, 3600);
  EXPECT_GT(newGames, 0) << "tournaments were played to the end too";
}

}  // namespace
}  // namespace qf
