#include "engine/deck.h"

#include <algorithm>
#include <utility>

#include "engine/evaluate.h"
#include "engine/turn.h"

namespace qf {

namespace {

constexpr int kShuffleSwaps = 2000;
constexpr int kBoardStart = 41;  // deck byte of visible card i (i >= holeCards) is 41 + i

// Hole cards as an index bound: a seat's block holds at most four.
int HoleCount(const TableRecord& table) {
  return std::min<int>(table.holeCards, 4);
}

}  // namespace

void NewHand(TableRecord& table, Rng& rng) {
  for (PlayerRecord& player : table.players) {
    player.cardsSeen = 0;
    player.status = StatusToAct;
    player.lastAction = ActionNone;
  }
  // Shuffled in a local deck by a local copy of the generator: stores to the
  // table's bytes could otherwise alias the generator's state and force it
  // through memory on every draw. Each swap's two draws are taken as a pair.
  uint8_t deck[kDeckSize];
  for (int i = 0; i < kDeckSize; ++i) deck[i] = static_cast<uint8_t>(i + 1);
  Rng local = rng;
  for (int swap = 0; swap < kShuffleSwaps; ++swap) {
    uint32_t a = 0;
    uint32_t b = 0;
    RandomPair(local, kDeckSize, a, b);
    std::swap(deck[a], deck[b]);
  }
  rng = local;
  std::copy_n(deck, kDeckSize, table.deck);
}

void DealCard(TableRecord& table, int seat) {
  PlayerRecord& player = table.players[seat];
  // A seat never holds more than the hole cards and the whole board.
  if (player.cardsSeen < HoleCount(table) + 5) ++player.cardsSeen;
  if (!IsOut(table, seat)) {
    player.status = StatusToAct;
    if (player.cardsSeen > table.holeCards) player.lastAction = ActionNone;
  }
}

int SeatCardsUpTo(const TableRecord& table, int seat, int count, uint8_t out[kMaxCards]) {
  const int hole = HoleCount(table);
  const int n = std::clamp(count, 0, std::min(hole + 5, kMaxCards));
  for (int i = 0; i < n; ++i) {
    out[i] = i < hole ? table.deck[4 * seat + i] : table.deck[kBoardStart + i];
  }
  return n;
}

int SeatCards(const TableRecord& table, int seat, uint8_t out[kMaxCards]) {
  return SeatCardsUpTo(table, seat, table.players[seat].cardsSeen, out);
}

uint32_t SeatHandValue(const TableRecord& table, int seat) {
  uint8_t cards[kMaxCards];
  int n = SeatCards(table, seat, cards);
  return EvaluateBest(cards, n, table.holeCards);
}

void AdvanceButton(TableRecord& table) {
  const int old = table.dealer;
  int dealer = old;
  for (int step = 0; step < kSeatCount; ++step) {
    dealer = (dealer + 1) % kSeatCount;
    const PlayerRecord& player = table.players[dealer];
    if (player.kind != KindInactive && player.chips != 0) break;
  }
  // After ten fruitless steps the button is back where it was.
  table.dealer = static_cast<uint8_t>(dealer);
  if (dealer < old && table.progressiveLevel != 0 &&
      table.progressiveLevel < kMaxProgressiveLevel) {
    ++table.progressiveLevel;
  }
}

}  // namespace qf
