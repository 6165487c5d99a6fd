// Building tables for the engine tests: seats, chips, dealer, settings and
// chosen cards in the deck, plus a small driver that plays the steps of a
// hand the way the game flow does (forced bets, dealing passes, actions).
#pragma once

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "engine/betting.h"
#include "engine/cards.h"
#include "engine/deck.h"
#include "engine/pots.h"
#include "engine/table_defaults.h"
#include "engine/table_record.h"
#include "engine/turn.h"

namespace qf::test {

inline std::vector<uint8_t> Cards(const std::string& text) {
  std::vector<uint8_t> cards;
  std::istringstream words(text);
  std::string word;
  while (words >> word) cards.push_back(static_cast<uint8_t>(ParseCard(word)));
  return cards;
}

// Starts from the defaults with every seat inactive, no rake, no raise cap,
// fixed stakes (progressive level 0) and base bet 2.
class TableSetup {
 public:
  TableSetup() {
    SetTableDefaults(table_, "Tester");
    table_.rakePercent = 0;
    table_.raiseCap = 0;
    table_.progressiveLevel = 0;
    for (PlayerRecord& player : table_.players) player.chips = 0;
  }

  TableSetup& Seat(int seat, uint32_t chips, uint32_t kind = KindSmart) {
    table_.players[seat].kind = kind;
    table_.players[seat].tableKind = kind;
    table_.players[seat].chips = chips;
    return *this;
  }
  TableSetup& Dealer(int seat) {
    table_.dealer = static_cast<uint8_t>(seat);
    return *this;
  }
  TableSetup& BaseBet(uint32_t bet) {
    table_.baseBet = bet;
    return *this;
  }
  TableSetup& Structure(uint8_t structure) {
    table_.betStructure = structure;
    return *this;
  }
  TableSetup& Antes() {
    table_.anteMode = 1;
    return *this;
  }
  TableSetup& Rake(uint8_t percent) {
    table_.rakePercent = percent;
    return *this;
  }
  TableSetup& Cap(uint8_t cap) {
    table_.raiseCap = cap;
    return *this;
  }
  TableSetup& Level(uint32_t level) {
    table_.progressiveLevel = level;
    return *this;
  }
  TableSetup& Omaha() {
    table_.holeCards = kOmahaHoleCards;
    return *this;
  }
  TableSetup& Hole(int seat, const std::string& cards) {
    std::vector<uint8_t> codes = Cards(cards);
    for (size_t i = 0; i < codes.size(); ++i) chosen_.push_back({4 * seat + int(i), codes[i]});
    return *this;
  }
  TableSetup& Board(const std::string& cards) {
    std::vector<uint8_t> codes = Cards(cards);
    for (size_t j = 0; j < codes.size(); ++j) {
      chosen_.push_back({41 + table_.holeCards + int(j), codes[j]});
    }
    return *this;
  }

  // The table with a full deck: the chosen cards in place, the others in
  // order in the remaining bytes.
  TableRecord Build() const {
    TableRecord table = table_;
    bool used[53] = {};
    bool placed[kDeckSize] = {};
    for (const auto& [index, card] : chosen_) {
      table.deck[index] = card;
      used[card] = placed[index] = true;
    }
    int next = 1;
    for (int index = 0; index < kDeckSize; ++index) {
      if (placed[index]) continue;
      while (used[next]) ++next;
      table.deck[index] = static_cast<uint8_t>(next++);
    }
    return table;
  }

  // Built and started like a new hand, the arranged deck kept.
  TableRecord Started() const {
    TableRecord table = Build();
    BeginHand(table);
    return table;
  }

  // What NewHand does to the seats, without the shuffle.
  static void BeginHand(TableRecord& table) {
    for (PlayerRecord& player : table.players) {
      player.cardsSeen = 0;
      player.status = StatusToAct;
      player.lastAction = ActionNone;
    }
    table.cardsDealt = table.holeCards;
  }

 private:
  struct Chosen {
    int index;
    uint8_t card;
  };
  TableRecord table_{};
  std::vector<Chosen> chosen_;
};

// Posts a blind or ante as the game flow does.
inline void PostForcedBet(TableRecord& table, int seat) {
  BetLimitsResult limits = BetLimits(table, seat, 0);
  ApplyAction(table, seat, limits.max, 0);
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

// Every seat checks or calls until the hand reaches its end.
inline Turn CallDown(TableRecord& table) {
  for (int guard = 0; guard < 200; ++guard) {
    Turn turn = RunToDecision(table);
    if (turn.code != TurnAct) return turn;
    ApplyAction(table, turn.seat, turn.amount, 0);
  }
  return Turn{};
}

inline uint32_t Pot(const TableRecord& table) {
  uint32_t pot = 0;
  for (const PlayerRecord& player : table.players) pot += player.inPot;
  return pot;
}

inline uint64_t RakeTaken(const TableRecord& table) {
  uint64_t rake = 0;
  for (const PlayerRecord& player : table.players) rake += player.rakePaid;
  return rake;
}

}  // namespace qf::test
