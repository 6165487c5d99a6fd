// One hand as the history keeps it: the table's rules for the hand, the
// players in the order the hand history format numbers them (from the seat
// after the dealer round to the dealer), every card and action, and how the
// chips ended. Standard library only; the recorder fills it, the PHH writer
// and reader turn it into text and back, and the replay plays it again.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qf {

struct HandPlayer {
  int seat = 0;               // 0..9
  std::string name;           // UTF-8
  uint32_t kind = 0;          // SeatKind
  uint32_t startingStack = 0; // chips before the forced bets
  uint32_t forcedBet = 0;     // the blind or ante it owed (0: none); posted up to its stack
  std::array<uint8_t, 4> hole{};  // card codes; holeCards of them are used
  uint32_t finishingStack = 0;    // chips after the payout
  uint32_t winnings = 0;          // won at the payout (after rake)
  uint32_t returned = 0;          // stake handed back that nobody could match
  int32_t finishingBalance = 0;   // cash balance at the end of the hand
};

enum class ActionKind : uint8_t {
  DealHole,   // "d dh pN cards"
  DealBoard,  // "d db cards"
  Fold,       // "pN f"
  CheckCall,  // "pN cc"
  BetRaise,   // "pN cbr amount": amount is the player's total bet on the street
  Show,       // "pN sm cards"
};

struct HandAction {
  ActionKind kind = ActionKind::CheckCall;
  int player = -1;   // index into HandRecord::players; -1 for the dealer's board cards
  uint32_t amount = 0;            // BetRaise: the street total it raises to
  std::array<uint8_t, 4> cards{}; // dealt or shown
  int cardCount = 0;
};

struct HandPot {
  uint64_t amount = 0;
  std::vector<int> winners;  // player indices
};

struct HandRecord {
  uint64_t number = 0;     // hand number, unique within a history file
  int64_t startTime = 0;   // seconds since the epoch when the hand began
  uint8_t holeCards = 2;   // 2 Texas, 4 Omaha
  uint8_t structure = 0;   // BetStructure
  bool antes = false;      // forced bets are antes, not blinds
  uint32_t baseBet = 0;
  uint32_t stakeLevel = 1; // the multiplier of the base bet
  std::array<uint64_t, 4> minBet{};  // per street, pre-flop .. river
  std::array<uint64_t, 4> maxBet{};  // 0: the pot (pot limit) or the stack (no limit)
  uint8_t rakePercent = 0;
  uint8_t raiseCap = 0;    // 0 unlimited
  int dealer = 0;          // seat
  int seatCount = 10;      // seats of the table's layout
  std::vector<HandPlayer> players;
  std::vector<HandAction> actions;
  std::vector<HandPot> pots;
  uint64_t rake = 0;
  bool complete = false;   // settled: finishing stacks, winnings and pots are known
};

}  // namespace qf
