// Building tables for the engine and computer player tests: seats, chips,
// dealer, settings and chosen cards in the deck, random tables, and a small
// driver that plays the steps of a hand the way the game flow does.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/betting.h"
#include "engine/cards.h"
#include "engine/deck.h"
#include "engine/pots.h"
#include "engine/table_defaults.h"
#include "engine/turn.h"

namespace qf::test {

// "As Kd" or "AsKd" to card codes.
inline std::vector<uint8_t> Cards(const std::string& text) {
  std::vector<uint8_t> cards;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != ' ') cards.push_back(static_cast<uint8_t>(ParseCard(text.substr(i++, 2))));
  }
  return cards;
}

inline uint32_t Pick(Rng& rng, uint32_t low, uint32_t high) {
  return low + Random(rng, high - low + 1);
}

// Starts from the defaults with every seat inactive and without chips, no
// rake, no raise cap, fixed stakes (progressive level 0) and base bet 2.
class TableSetup {
 public:
  TableSetup() {
    SetTableDefaults(table_, "Tester");
    table_.rakePercent = table_.raiseCap = 0;
    table_.progressiveLevel = 0;
    for (PlayerRecord& player : table_.players) player.chips = 0;
  }

  TableSetup& Seat(int seat, uint32_t chips, uint32_t kind = KindSmart) {
    table_.players[seat].kind = table_.players[seat].tableKind = kind;
    return Set(table_.players[seat].chips, chips);
  }
  TableSetup& Seats(std::initializer_list<int> seats, uint32_t chips) {
    for (int seat : seats) Seat(seat, chips);
    return *this;
  }
  TableSetup& Dealer(int seat) { return Set(table_.dealer, seat); }
  TableSetup& BaseBet(uint32_t bet) { return Set(table_.baseBet, bet); }
  TableSetup& Structure(uint32_t structure) { return Set(table_.betStructure, structure); }
  TableSetup& Antes() { return Set(table_.anteMode, 1); }
  TableSetup& Rake(uint32_t percent) { return Set(table_.rakePercent, percent); }
  TableSetup& Cap(uint32_t cap) { return Set(table_.raiseCap, cap); }
  TableSetup& Level(uint32_t level) { return Set(table_.progressiveLevel, level); }
  TableSetup& Omaha() { return Set(table_.holeCards, kOmahaHoleCards); }
  TableSetup& Custom(int street, uint32_t min, uint32_t max) {
    table_.customMin[street] = min;
    return Set(table_.customMax[street], max);
  }
  // Hole cards and board in their deck bytes (Omaha first: the board's place
  // depends on the number of hole cards).
  TableSetup& Hole(int seat, const std::string& cards) { return Place(4 * seat, cards); }
  TableSetup& Board(const std::string& cards) { return Place(41 + table_.holeCards, cards); }
  // A hand under way: every seat holds that many cards and every seat in play
  // has the stake in the pot.
  TableSetup& Dealt(int cards, uint32_t stake = 2) {
    dealt_ = cards;
    return Set(stake_, stake);
  }

  // The table ready for a hand to start (or under way, after Dealt), with a
  // full deck: the chosen cards in place, the others in order in the rest.
  TableRecord Build() const {
    TableRecord table = table_;
    bool used[53] = {};
    for (uint8_t card : chosen_) used[card] = true;
    for (int index = 0, next = 1; index < kDeckSize; ++index) {
      while (chosen_[index] == 0 && used[next]) ++next;
      table.deck[index] = chosen_[index] != 0 ? chosen_[index] : static_cast<uint8_t>(next++);
    }
    table.cardsDealt = static_cast<uint8_t>(dealt_ > 0 ? dealt_ : table.holeCards);
    for (PlayerRecord& player : table.players) {
      player.cardsSeen = static_cast<uint8_t>(dealt_);
      if (IsInPlay(player)) player.inPot = stake_;
    }
    return table;
  }

 private:
  template <typename Field, typename Value>
  TableSetup& Set(Field& field, Value value) {
    field = static_cast<Field>(value);
    return *this;
  }
  TableSetup& Place(int index, const std::string& cards) {
    for (uint8_t card : Cards(cards)) chosen_[index++] = card;
    return *this;
  }

  TableRecord table_{};
  uint8_t chosen_[kDeckSize] = {};  // 0 where the deck is filled in order
  int dealt_ = 0;
  uint32_t stake_ = 0;
};

// 2 to 10 computer seats in random places (the first placed holds the
// button), mostly with full stacks, some with short ones; random stakes,
// structure, custom limits and settings; between hands.
inline TableRecord RandomTable(Rng& rng) {
  TableSetup setup;
  const uint32_t bets[] = {1, 2, 5, 10, 25};
  setup.BaseBet(bets[Random(rng, 5)]).Structure(Random(rng, kStructureCount));
  setup.Rake(Random(rng, 11)).Cap(Random(rng, 11)).Level(Random(rng, 4));
  if (Random(rng, 2) != 0) setup.Antes();
  if (Random(rng, 2) != 0) setup.Omaha();
  for (int street = 0; street < 4; ++street) {
    const uint32_t min = Pick(rng, 0, 10);
    setup.Custom(street, min, min + Pick(rng, 0, 30));
  }
  bool taken[kSeatCount] = {};
  for (int placed = 0, seats = Pick(rng, 2, 10); placed < seats;) {
    const int seat = static_cast<int>(Random(rng, kSeatCount));
    if (taken[seat]) continue;
    taken[seat] = true;
    setup.Seat(seat, Random(rng, 4) == 0 ? Pick(rng, 1, 20) : Pick(rng, 50, 600),
               Pick(rng, KindSmart, KindErratic));
    if (placed++ == 0) setup.Dealer(seat);
  }
  TableRecord table = setup.Build();
  table.foldStyle = Random(rng, 2);
  for (PlayerRecord& player : table.players) player.status = StatusOut;
  return table;
}

// Posts a blind or ante as the game flow does.
inline void PostForcedBet(TableRecord& table, int seat) {
  ApplyAction(table, seat, BetLimits(table, seat, 0).max, 0);
  table.players[seat].status = StatusToAct;
}

// One dealing pass from the dealer's left.
inline void DealPass(TableRecord& table) {
  for (int i = 0; i < kSeatCount; ++i) DealCard(table, (table.dealer + 1 + i) % kSeatCount);
}

// Deals the street that is due, as the game flow's deal step does.
inline void DealStreet(TableRecord& table) {
  const int hole = table.holeCards;
  DealPass(table);
  while (table.players[0].cardsSeen < hole) DealPass(table);
  while (table.players[0].cardsSeen > hole && table.players[0].cardsSeen < hole + 3) {
    DealPass(table);
  }
  table.raisesThisRound = 0;
}

// Posts forced bets and deals until a seat must act or the hand is over.
inline Turn RunToDecision(TableRecord& table) {
  for (int guard = 0; guard < 100; ++guard) {
    Turn turn = NextTurn(table);
    if (turn.code == TurnForcedBet) {
      PostForcedBet(table, turn.seat);
    } else if (turn.code == TurnDeal) {
      DealStreet(table);
    } else {
      return turn;
    }
  }
  return Turn{};
}

// Chips on the table plus what the rake took: no step of a hand changes it.
inline uint64_t ChipsAndRake(const TableRecord& table) {
  uint64_t total = ChipsOnTable(table);
  for (const PlayerRecord& player : table.players) total += player.rakePaid;
  return total;
}

}  // namespace qf::test
