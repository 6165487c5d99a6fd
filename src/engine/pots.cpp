#include "engine/pots.h"

#include <algorithm>

#include "engine/deck.h"
#include "engine/evaluate.h"
#include "engine/turn.h"

namespace qf {

namespace {

void CountUp(uint16_t& counter) {
  if (counter < UINT16_MAX) ++counter;
}

// Stake that no live seat contested goes back to the seat that put it in.
void ReturnUncontestedStakes(TableRecord& table) {
  for (PlayerRecord& player : table.players) {
    player.chips += player.inPot;
    player.inPot = 0;
  }
}

uint32_t ValueOnFullBoard(const TableRecord& table, int seat) {
  uint8_t cards[kMaxCards];
  int n = SeatCardsUpTo(table, seat, table.holeCards + 5, cards);
  return EvaluateBest(cards, n, table.holeCards);
}

}  // namespace

uint32_t RakeOn(uint32_t stake, uint8_t rakePercent) {
  return static_cast<uint32_t>(uint64_t{stake} * std::min<uint8_t>(rakePercent, 100) / 100);
}

WinnerList FindWinners(const TableRecord& table, bool assumeFullBoard) {
  WinnerList winners;
  uint32_t best = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (table.players[seat].inPot == 0 || IsOut(table, seat)) continue;
    uint32_t value = assumeFullBoard ? ValueOnFullBoard(table, seat) : SeatHandValue(table, seat);
    if (value > best) {
      winners.count = 0;
      best = value;
    }
    if (value == best) winners.seats[winners.count++] = static_cast<uint8_t>(seat);
  }
  return winners;
}

void PayShowdown(TableRecord& table, PayoutReport* report) {
  WinnerList winners = FindWinners(table, false);
  if (winners.count == 0) return;

  for (PlayerRecord& player : table.players) {
    if (player.kind != KindInactive) {
      const uint32_t rake = RakeOn(player.inPot, table.rakePercent);
      if (report != nullptr) report->rake[&player - table.players] = rake;
      player.inPot -= rake;
      player.rakePaid = static_cast<uint32_t>(
          std::min<uint64_t>(uint64_t{player.rakePaid} + rake, UINT32_MAX));
    } else {
      player.chips += player.inPot;
      player.inPot = 0;
    }
    player.isWinner = 0;
  }

  for (int i = 0; i < winners.count; ++i) {
    PlayerRecord& winner = table.players[winners.seats[i]];
    CountUp(winner.handsWon);
    winner.isWinner = 1;
  }
  for (PlayerRecord& player : table.players) {
    if (player.kind != KindInactive) CountUp(player.handsPlayed);
  }

  // Main pot first, then each side pot up to the next winner's stake.
  uint64_t carry = 0;
  while (winners.count > 0) {
    uint32_t level = UINT32_MAX;
    for (int i = 0; i < winners.count; ++i) {
      level = std::min(level, table.players[winners.seats[i]].inPot);
    }
    uint64_t pot = carry;
    for (PlayerRecord& player : table.players) {
      if (player.kind == KindInactive) continue;
      uint32_t take = std::min(player.inPot, level);
      player.inPot -= take;
      pot += take;
    }
    if (report != nullptr) report->pots.push_back({pot - carry, winners});
    const uint64_t share = pot / static_cast<uint64_t>(winners.count);
    for (int i = 0; i < winners.count; ++i) {
      table.players[winners.seats[i]].winnings += static_cast<uint32_t>(share);
    }
    carry = pot % static_cast<uint64_t>(winners.count);
    winners = FindWinners(table, false);
  }
  table.players[table.dealer % kSeatCount].winnings += static_cast<uint32_t>(carry);
  if (report != nullptr) report->oddChips = carry;

  ReturnUncontestedStakes(table);
}

void EndHand(TableRecord& table) {
  PayShowdown(table);
  ReturnUncontestedStakes(table);
  for (PlayerRecord& player : table.players) {
    player.chips += player.winnings;
    player.winnings = 0;
    player.isWinner = 0;
    player.cardsSeen = 0;
    player.status = StatusOut;
    player.inPot = 0;
  }
}

uint64_t ChipsOnTable(const TableRecord& table) {
  uint64_t total = 0;
  for (const PlayerRecord& player : table.players) {
    total += uint64_t{player.chips} + player.inPot + player.winnings;
  }
  return total;
}

}  // namespace qf
