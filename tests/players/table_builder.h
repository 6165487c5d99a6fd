// Hand-built tables for the computer player tests: chosen hole cards and
// board, the rest of the deck filled with the unused cards in order.
#pragma once

#include <cstring>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "engine/cards.h"
#include "engine/table_record.h"

namespace qf::testing {

class TableBuilder {
 public:
  explicit TableBuilder(int holeCards = kTexasHoleCards) {
    std::memset(&table_, 0, sizeof table_);
    table_.holeCards = static_cast<uint8_t>(holeCards);
    table_.baseBet = 2;
    table_.progressiveLevel = 1;
    table_.foldStyle = 1;
    for (PlayerRecord& p : table_.players) {
      p.kind = KindInactive;
      p.tableKind = KindInactive;
      p.status = StatusOut;
    }
    placed_.assign(kDeckSize, 0);
  }

  // A live seat with chips, a stake and the given hole cards.
  TableBuilder& Seat(int seat, uint32_t kind, std::initializer_list<std::string_view> hole,
                     uint32_t chips = 200, uint32_t inPot = 2) {
    PlayerRecord& p = table_.players[seat];
    p.kind = kind;
    p.tableKind = kind;
    p.status = StatusToAct;
    p.chips = chips;
    p.inPot = inPot;
    int c = 0;
    for (std::string_view text : hole) Place(4 * seat + c++, text);
    return *this;
  }

  TableBuilder& Board(std::initializer_list<std::string_view> cards) {
    int j = 0;
    for (std::string_view text : cards) Place(41 + table_.holeCards + j++, text);
    return *this;
  }

  // Every seat holds this many cards (hole plus board), as after a deal.
  TableBuilder& CardsSeen(int n) {
    cardsSeen_ = n;
    return *this;
  }

  TableRecord Build() {
    std::vector<bool> used(kDeckSize + 1, false);
    for (uint8_t code : placed_) used[code] = true;
    int next = 1;
    for (int i = 0; i < kDeckSize; ++i) {
      if (placed_[i] != 0) {
        table_.deck[i] = placed_[i];
        continue;
      }
      while (used[next]) ++next;
      used[next] = true;
      table_.deck[i] = static_cast<uint8_t>(next);
    }
    for (PlayerRecord& p : table_.players) p.cardsSeen = static_cast<uint8_t>(cardsSeen_);
    table_.cardsDealt = static_cast<uint8_t>(cardsSeen_);
    return table_;
  }

 private:
  void Place(int index, std::string_view text) {
    placed_[index] = static_cast<uint8_t>(ParseCard(text));
  }

  TableRecord table_;
  std::vector<uint8_t> placed_;
  int cardsSeen_ = kTexasHoleCards;
};

}  // namespace qf::testing
