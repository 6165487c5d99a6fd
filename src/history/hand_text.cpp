#include "history/hand_text.h"

#include "engine/cards.h"
#include "engine/deck.h"
#include "engine/evaluate.h"

namespace qf {

namespace {

std::string Dollars(uint64_t amount) {
  return "$" + std::to_string(amount);
}

const std::string& NameOf(const HandRecord& hand, int player) {
  static const std::string kNobody = "?";
  return player >= 0 && static_cast<size_t>(player) < hand.players.size()
             ? hand.players[player].name
             : kNobody;
}

}  // namespace

std::string CardList(const uint8_t* cards, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    text += CardText(cards[i]);
  }
  return text;
}

std::string HandNameInWords(uint32_t value) {
  static constexpr const char* kNames[] = {
      "High Card", "a Pair",  "Two Pair",     "Three of a Kind", "a Straight",
      "a Flush",   "a Full House", "Four of a Kind", "a Straight Flush"};
  const uint32_t category = CategoryOf(value);
  return category < 9 ? kNames[category] : "";
}

std::string ForcedBetText(const HandRecord& hand, int player, uint32_t posted, int blindIndex) {
  std::string text = NameOf(hand, player);
  if (hand.antes) return text + " antes " + Dollars(posted);
  const bool small = blindIndex == 0 && player >= 0 &&
                     hand.players[player].forcedBet < uint64_t{hand.baseBet} * hand.stakeLevel;
  return text + " posts the " + (small ? "small" : "big") + " blind of " + Dollars(posted);
}

std::string BoardText(const std::vector<uint8_t>& board) {
  return "Board: " + CardList(board.data(), static_cast<int>(board.size()));
}

std::string ActionText(const HandRecord& hand, const HandAction& action, uint32_t moved,
                       bool allIn) {
  std::string text = NameOf(hand, action.player);
  switch (action.kind) {
    case ActionKind::DealHole:
      return text + " is dealt " + CardList(action.cards.data(), action.cardCount);
    case ActionKind::DealBoard:
      return "Board: " + CardList(action.cards.data(), action.cardCount);
    case ActionKind::Fold:
      return text + " folds";
    case ActionKind::CheckCall:
      text += moved == 0 ? " checks" : " calls " + Dollars(moved);
      break;
    case ActionKind::BetRaise:
      text += moved == action.amount ? " bets " + Dollars(action.amount)
                                     : " raises to " + Dollars(action.amount);
      break;
    case ActionKind::Show:
      return text + " shows " + CardList(action.cards.data(), action.cardCount);
  }
  return allIn ? text + " and is all in" : text;
}

std::vector<std::string> PayoutTexts(const HandRecord& hand, const TableRecord& paid) {
  std::vector<std::string> lines;
  int live = 0;
  for (const HandPlayer& player : hand.players) {
    const uint32_t status = paid.players[player.seat].status;
    if (status != StatusOut && status != StatusFolded) ++live;
  }
  for (const HandPlayer& player : hand.players) {
    const uint32_t won = paid.players[player.seat].winnings;
    if (won == 0) continue;
    std::string line = player.name + " wins " + Dollars(won);
    if (live > 1 && paid.players[player.seat].isWinner != 0) {
      line += " with " + HandNameInWords(SeatHandValue(paid, player.seat));
    }
    lines.push_back(line);
  }
  uint64_t rake = 0;
  for (const HandPlayer& player : hand.players) rake += paid.players[player.seat].rakePaid;
  if (rake != 0) lines.push_back("Rake " + Dollars(rake));
  return lines;
}

int YouIn(const HandRecord& hand) {
  int you = -1;
  for (size_t i = 0; i < hand.players.size(); ++i) {
    const HandPlayer& player = hand.players[i];
    if (player.seat == 0) return static_cast<int>(i);
    if (IsHumanKind(player.kind) && (you < 0 || player.seat < hand.players[you].seat)) {
      you = static_cast<int>(i);
    }
  }
  return you;
}

std::vector<uint8_t> BoardOf(const HandRecord& hand) {
  std::vector<uint8_t> board;
  for (const HandAction& action : hand.actions) {
    if (action.kind != ActionKind::DealBoard) continue;
    board.insert(board.end(), action.cards.begin(), action.cards.begin() + action.cardCount);
  }
  return board;
}

uint64_t PotOf(const HandRecord& hand) {
  uint64_t pot = hand.rake;
  for (const HandPot& part : hand.pots) pot += part.amount;
  return pot;
}

}  // namespace qf
