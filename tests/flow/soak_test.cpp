// Thousands of seeded hands of random all-computer tables through the real
// driver, one step per tick: every hand ends, no chip is made or lost on the
// way, and each tick draws and sounds what its step did.
#include <gtest/gtest.h>

#include <limits>

#include "engine/table_file.h"
#include "engine/table_setup.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::Game;
using testing::PeekTurn;
using testing::SameBytes;

// Chips in play, plus what the rake took, plus what the seats owe the bank:
// buy-ins and fresh tables move chips between these and nothing else does.
int64_t Accounted(const TableRecord& table) {
  int64_t total = static_cast<int64_t>(ChipsOnTable(table));
  for (const PlayerRecord& p : table.players) total += int64_t{p.balance} + p.rakePaid;
  return total;
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

// What one tick of a computer table drew and sounded, given the turn it
// began with: one step, and only the seat that acted moved chips.
void ExpectOneStep(const Turn& turn, const TableRecord& before, bool settled, const Game& game) {
  const TableRecord& table = game.table;
  const testing::RecordingUi& ui = game.ui;
  const auto at = [&ui](const char* call) {
    return std::find(ui.calls.begin(), ui.calls.end(), call);
  };
  const int sounds = table.soundEnabled != 0 ? 1 : 0;
  if (turn.code == TurnForcedBet || turn.code == TurnAct || turn.code == TurnDeal) {
    for (int seat = 0; seat < kSeatCount; ++seat) {
      const uint32_t moved = table.players[seat].inPot - before.players[seat].inPot;
      ASSERT_TRUE(moved == 0 || (seat == turn.seat && turn.code != TurnDeal)) << "seat " << seat;
    }
  }
  if (turn.code == TurnNewHand) {
    ASSERT_EQ(table.cardsDealt, table.holeCards);
    ASSERT_EQ(ui.Count("FullTable"), 1);
    ASSERT_TRUE(ui.Has("FullTable"));
  } else if (turn.code == TurnForcedBet) {
    ASSERT_EQ(table.players[turn.seat].inPot - before.players[turn.seat].inPot,
              std::min(turn.amount, before.players[turn.seat].chips));
    ASSERT_EQ(ui.Count("Sound 0"), sounds);
  } else if (turn.code == TurnDeal) {
    ASSERT_EQ(table.raisesThisRound, 0);
    // The hole cards show every seat at once; a board card is dealt, then the table drawn.
    const bool hole = before.players[0].cardsSeen == 0;
    ASSERT_EQ(ui.Count("BoardDeal "), hole ? kSeatCount : 1);
    ASSERT_TRUE(ui.Has("FullTable") && (hole || at("BoardDeal -1") < at("FullTable")));
    for (const PlayerRecord& p : table.players) ASSERT_EQ(p.cardsSeen, table.players[0].cardsSeen);
  } else if (turn.code == TurnAct) {
    // A bet or raise, or a step that closes the round, redraws the whole
    // table; a call, check or fold its seat (a fold the whole table by choice).
    const uint32_t action = table.players[turn.seat].lastAction;
    const bool whole = action == ActionBet || action == ActionRaise ||
                       PeekTurn(table).code == TurnDeal ||
                       (action == ActionFold && table.foldStyle != 0);
    ASSERT_EQ(ui.Has("FullTable"), whole) << "action " << action;
    ASSERT_TRUE(whole || ui.Has("Seat " + std::to_string(turn.seat)));
    // Chips moved are drawn and clink; a check knocks; a fold has its own sound.
    const uint32_t moved = table.players[turn.seat].inPot - before.players[turn.seat].inPot;
    ASSERT_EQ(ui.Has("Chips " + std::to_string(turn.seat) + " " + std::to_string(moved)),
              moved > 0);
    const char* sound = action == ActionFold ? "Sound 2" : moved > 0 ? "Sound 0" : "Sound 1";
    ASSERT_EQ(ui.Count("Sound "), sounds);
    ASSERT_EQ(ui.Count(sound), sounds);
    if (PeekTurn(table).code == TurnAct) {
      ASSERT_EQ(ui.Count("Button "), 0) << "the bar stays empty while computers act";
    }
  } else {  // settled and drawn once, then "Start"
    ASSERT_EQ(ui.Count("FullTable"), settled ? 0 : 1);
    ASSERT_EQ(ui.Has("FullTable"), !settled);
    ASSERT_EQ(game.session.buttonLabel[0], "Start");
  }
}

TEST(SoakTest, RandomComputerTablesPlayThousandsOfHandsWithChipsConserved) {
  Rng tables(2024);
  int hands = 0, newGames = 0;
  for (int round = 0; round < 120; ++round) {
    Game game(test::RandomTable(tables), 99);  // computer seats only
    game.table.bustedStay = Random(tables, 2);
    game.table.confirmDeal = Random(tables, 2);  // no human at the table: never waits
    game.table.soundEnabled = Random(tables, 2);
    game.ui.answerAll = true;  // busted seats buy in again; a tournament winner starts anew
    const bool atTheLimits = round % 4 == 3;
    if (atTheLimits) PushToTheLimits(game.table, tables);
    const int64_t accounted = Accounted(game.table);
    for (int hand = 0; hand < 30; ++hand, ++hands) {
      SCOPED_TRACE(::testing::Message() << "table " << round << " hand " << hand);
      // "Start" shows as soon as the hand is over; the player may press it
      // before or after the tick that settles the hand.
      const bool waitForSettlement = Random(tables, 2) == 0;
      for (int ticks = 0; game.session.buttonLabel[0] != "Start" ||
                          (waitForSettlement && !game.session.handSettled);) {
        ASSERT_LT(++ticks, 2000) << "the hand never ended; turn " << PeekTurn(game.table).code;
        const Turn turn = PeekTurn(game.table);
        const TableRecord before = game.table;
        const bool settled = game.session.handSettled;
        game.ui.calls.clear();
        game.Tick();
        ASSERT_NO_FATAL_FAILURE(ExpectOneStep(turn, before, settled, game));
        ASSERT_EQ(Accounted(game.table), accounted);
        ASSERT_EQ(game.ui.newTableDialogs, 0) << "a computer table never runs out of seats";
      }
      if (game.session.handSettled) {  // later ticks change and draw nothing
        const TableRecord settled = game.table;
        game.ui.calls.clear();
        game.Tick();
        ASSERT_TRUE(SameBytes(game.table, settled));
        ASSERT_EQ(game.ui.Count("FullTable"), 0);
      }
      game.Key(KeyDigit1);
      ASSERT_EQ(Accounted(game.table), accounted);
      ASSERT_EQ(ValidateTableImage(game.table), "") << "every table saved loads again";
      if (game.ui.newTableDialogs == 0) {
        ASSERT_EQ(PeekTurn(game.table).code, TurnNewHand);
      } else {
        ++newGames;  // a tournament was won: a fresh table, its first hand begun
        if (!atTheLimits) {
          ASSERT_EQ(game.table.players[game.table.dealer].chips, 100 * game.table.baseBet);
        }
        game.ui.newTableDialogs = 0;
      }
    }
  }
  EXPECT_EQ(hands, 3600);
  EXPECT_GT(newGames, 0) << "tournaments were played to the end too";
}

}  // namespace
}  // namespace qf
