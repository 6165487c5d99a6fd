#include "history/replay.h"

#include <algorithm>
#include <cstring>

#include "engine/betting.h"
#include "engine/cards.h"
#include "engine/deck.h"
#include "engine/evaluate.h"
#include "engine/pots.h"
#include "engine/table_defaults.h"
#include "engine/turn.h"
#include "flow/driver.h"
#include "flow/null_table_ui.h"
#include "flow/session.h"
#include "history/hand_text.h"
#include "history/text_codec.h"

namespace qf {

namespace {

constexpr int kBoardStart = 41;

class Replayer {
 public:
  explicit Replayer(const HandRecord& hand) : hand_(hand), table_(TableAtStart(hand)) {}

  Replay Run() {
    PostForcedBets();
    for (size_t i = 0; i < hand_.actions.size() && result_.problem.empty(); ++i) {
      Carry(static_cast<int>(i));
    }
    if (result_.problem.empty()) Settle();
    return std::move(result_);
  }

 private:
  void Step(std::string text, int action) {
    result_.steps.push_back({table_, std::move(text), action});
  }

  void Stop(int action, const std::string& why) {
    result_.problem = "action " + std::to_string(action + 1) + ": " + why;
  }

  // Seats all in are asked to act by the turn order too; they have nothing to do.
  Turn NextTurnSkippingAllIn() {
    Turn turn = NextTurn(table_);
    while (turn.code == TurnAct && table_.players[turn.seat].chips == 0) {
      ApplyAction(table_, turn.seat, 0, 0);
      turn = NextTurn(table_);
    }
    return turn;
  }

  void PostForcedBets() {
    Step("", -1);
    for (Turn turn = NextTurn(table_); turn.code == TurnForcedBet; turn = NextTurn(table_)) {
      const uint32_t before = table_.players[turn.seat].inPot;
      PostForcedBet(table_, ui_, turn.seat);
      const uint32_t posted = table_.players[turn.seat].inPot - before;
      if (table_.anteMode != 0) streetBase_[turn.seat] = table_.players[turn.seat].inPot;
      Step(ForcedBetText(hand_, PlayerOfSeat(turn.seat), posted, blinds_++), -1);
    }
  }

  int PlayerOfSeat(int seat) const {
    for (size_t i = 0; i < hand_.players.size(); ++i) {
      if (hand_.players[i].seat == seat) return static_cast<int>(i);
    }
    return -1;
  }

  void Carry(int index) {
    const HandAction& action = hand_.actions[index];
    switch (action.kind) {
      case ActionKind::DealHole:
      case ActionKind::DealBoard:
        Deal(index, action);
        return;
      case ActionKind::Show:
        Step(ActionText(hand_, action, 0), index);
        return;
      default:
        Act(index, action);
        return;
    }
  }

  void Deal(int index, const HandAction& action) {
    const int hole = table_.holeCards;
    const bool holeDealt = table_.players[hand_.players[0].seat].cardsSeen >= hole;
    if (action.kind == ActionKind::DealHole && holeDealt) {  // dealt with the first player's
      Step(ActionText(hand_, action, 0), index);
      return;
    }
    if (NextTurnSkippingAllIn().code != TurnDeal) {
      Stop(index, "cards dealt while a player still had to act");
      return;
    }
    DealStep(table_, session_, ui_);
    for (int seat = 0; seat < kSeatCount; ++seat) streetBase_[seat] = table_.players[seat].inPot;
    if (action.kind == ActionKind::DealHole) {
      // Antes are no bets of the first street; blinds are.
      if (table_.anteMode == 0) streetBase_.fill(0);
      Step(ActionText(hand_, action, 0), index);
      return;
    }
    std::vector<uint8_t> board;
    const int cards = table_.players[hand_.players[0].seat].cardsSeen;
    for (int i = hole; i < cards; ++i) board.push_back(table_.deck[kBoardStart + i]);
    Step(BoardText(board), index);
  }

  void Act(int index, const HandAction& action) {
    const int seat = hand_.players[action.player].seat;
    const Turn turn = NextTurnSkippingAllIn();
    if (turn.code != TurnAct || turn.seat != seat) {
      Stop(index, "p" + std::to_string(action.player + 1) + " acted out of turn");
      return;
    }
    PlayerRecord& player = table_.players[seat];
    const uint32_t before = player.inPot;
    if (action.kind == ActionKind::Fold) {
      FoldSeat(table_, seat);
    } else {
      uint32_t raise = 0;
      if (action.kind == ActionKind::BetRaise) {
        const uint64_t onStreet = uint64_t{player.inPot} - streetBase_[seat] + turn.amount;
        if (action.amount <= onStreet) {
          Stop(index, "a raise to no more than a call");
          return;
        }
        raise = static_cast<uint32_t>(action.amount - onStreet);
      }
      ApplyAction(table_, seat, turn.amount, raise);
    }
    Step(ActionText(hand_, action, table_.players[seat].inPot - before,
                    table_.players[seat].chips == 0),
         index);
  }

  void Settle() {
    const TurnCode code = NextTurnSkippingAllIn().code;
    if (code != TurnShowdown && code != TurnLastStanding) {
      result_.problem = "the hand ends before its last betting round is over";
      return;
    }
    PayShowdown(table_);
    for (const std::string& line : PayoutTexts(hand_, table_)) Step(line, -1);
    if (result_.steps.back().text.empty()) Step("", -1);
  }

  const HandRecord& hand_;
  TableRecord table_;
  SessionState session_;
  NullTableUi ui_;
  std::array<uint32_t, kSeatCount> streetBase_{};
  int blinds_ = 0;
  Replay result_;
};

}  // namespace

TableRecord TableAtStart(const HandRecord& hand) {
  TableRecord table;
  SetTableDefaults(table, "");
  table.holeCards = hand.holeCards;
  table.betStructure = hand.structure;
  table.anteMode = hand.antes ? 1 : 0;
  table.baseBet = hand.baseBet;
  table.progressiveLevel = std::max<uint32_t>(hand.stakeLevel, 1);
  for (int street = 0; street < 4; ++street) {
    table.customMin[street] = static_cast<uint32_t>(std::min<uint64_t>(hand.minBet[street], UINT32_MAX));
    table.customMax[street] = static_cast<uint32_t>(std::min<uint64_t>(hand.maxBet[street], UINT32_MAX));
  }
  table.rakePercent = hand.rakePercent;
  table.raiseCap = hand.raiseCap;
  table.dealer = static_cast<uint8_t>(hand.dealer);
  table.smallTable = hand.seatCount <= 6 ? 1 : 0;
  table.confirmDeal = 0;
  for (PlayerRecord& player : table.players) {
    player.kind = player.tableKind = KindInactive;
    player.chips = 0;
    player.balance = 0;
    player.status = StatusOut;
  }
  // The recorded cards in their deck bytes; the rest of the deck in order.
  bool used[kDeckSize + 1] = {};
  std::memset(table.deck, 0, sizeof table.deck);
  const auto place = [&](int at, uint8_t card) {
    if (card >= 1 && card <= kDeckSize && !used[card]) {
      table.deck[at] = card;
      used[card] = true;
    }
  };
  for (const HandPlayer& hp : hand.players) {
    PlayerRecord& player = table.players[hp.seat];
    CopyName(player.name, Utf8ToLatin1(hp.name));
    player.kind = player.tableKind = hp.kind == KindInactive ? KindSmart : hp.kind;
    player.chips = hp.startingStack;
    player.status = StatusToAct;
    for (int i = 0; i < hand.holeCards; ++i) place(4 * hp.seat + i, hp.hole[i]);
  }
  int boardCard = hand.holeCards;
  for (const HandAction& action : hand.actions) {
    if (action.kind != ActionKind::DealBoard) continue;
    for (int i = 0; i < action.cardCount; ++i) place(kBoardStart + boardCard++, action.cards[i]);
  }
  uint8_t next = 1;
  for (uint8_t& byte : table.deck) {
    if (byte != 0) continue;
    while (used[next]) ++next;
    byte = next;
    used[next] = true;
  }
  table.cardsDealt = hand.holeCards;
  return table;
}

Replay ReplayHand(const HandRecord& hand) {
  return Replayer(hand).Run();
}

}  // namespace qf
