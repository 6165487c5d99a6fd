#include "history/recorder.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "engine/betting.h"
#include "engine/pots.h"
#include "engine/turn.h"
#include "history/text_codec.h"

namespace qf {

namespace {

constexpr int kBoardStart = 41;  // deck byte of visible card i (i >= holeCards) is 41 + i

bool IsOutStatus(uint32_t status) {
  return status == StatusOut || status == StatusFolded;
}

uint64_t StakesOf(const TableRecord& table) {
  uint64_t total = 0;
  for (const PlayerRecord& player : table.players) total += player.inPot;
  return total;
}

// A hand has just been dealt: some seat in play is in it and nobody holds a card yet.
bool FreshHand(const TableRecord& table) {
  bool anyInHand = false;
  for (const PlayerRecord& player : table.players) {
    if (player.cardsSeen != 0) return false;
    if (player.kind != KindInactive && !IsOutStatus(player.status)) anyInHand = true;
  }
  return anyInHand;
}

// Every seat out of the hand: the hand is over (or was never under way).
bool NoHand(const TableRecord& table) {
  for (const PlayerRecord& player : table.players) {
    if (!IsOutStatus(player.status)) return false;
  }
  return true;
}

// "Start" pressed before a tick paid the pot: the payout and the end of the
// hand came in one step. Every seat holds what the payout left it, except a
// seat it left broke, which may have bought in again or left.
bool PaidAndEnded(const TableRecord& before, const TableRecord& now) {
  if (StakesOf(before) == 0 || !NoHand(now)) return false;
  TableRecord ended = before;
  EndHand(ended);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const uint32_t chips = ended.players[seat].chips;
    if (chips != 0 && chips != now.players[seat].chips) return false;
  }
  return true;
}

int CardsDealt(const TableRecord& table) {
  int most = 0;
  for (const PlayerRecord& player : table.players) most = std::max<int>(most, player.cardsSeen);
  return most;
}

HandAction Deal(int player, const uint8_t* cards, int count) {
  HandAction action;
  action.kind = player < 0 ? ActionKind::DealBoard : ActionKind::DealHole;
  action.player = player;
  action.cardCount = count;
  std::memcpy(action.cards.data(), cards, static_cast<size_t>(count));
  return action;
}

}  // namespace

HandRecorder::HandRecorder(uint64_t nextNumber, Clock clock)
    : nextNumber_(nextNumber), clock_(std::move(clock)) {
  if (!clock_) clock_ = [] { return static_cast<int64_t>(std::time(nullptr)); };
}

bool HandRecorder::Observe(const TableRecord& table) {
  bool completed = false;
  if (recording_) {
    const TableRecord& before = state_.lastSeen;
    if (std::memcmp(before.deck, table.deck, kDeckSize) != 0 ||
        (NoHand(table) && !PaidAndEnded(before, table))) {
      // Dealt anew or cleared without a payout (a new table was set up in
      // the middle of the hand): the hand was never played out.
      recording_ = false;
    } else if (Track(before, table)) {
      completed_ = std::move(state_.hand);
      recording_ = false;
      completed = true;
    }
  }
  if (!recording_ && FreshHand(table)) Begin(table);
  state_.lastSeen = table;
  return completed;
}

std::optional<HandRecord> HandRecorder::TakeCompleted() {
  std::optional<HandRecord> hand = std::move(completed_);
  completed_.reset();
  return hand;
}

bool HandRecorder::Resume(const RecorderState& state, const TableRecord& table) {
  if (std::memcmp(&state.lastSeen, &table, sizeof table) != 0) return false;
  state_ = state;
  recording_ = true;
  if (state_.hand.number >= nextNumber_) nextNumber_ = state_.hand.number + 1;
  return true;
}

int HandRecorder::PlayerAt(int seat) const {
  const std::vector<HandPlayer>& players = state_.hand.players;
  for (size_t i = 0; i < players.size(); ++i) {
    if (players[i].seat == seat) return static_cast<int>(i);
  }
  return -1;
}

void HandRecorder::Begin(const TableRecord& table) {
  recording_ = true;
  state_.streetBase = {};
  state_.cardsRecorded = 0;
  state_.blindsPosted = 0;
  HandRecord& hand = state_.hand;
  hand = HandRecord{};
  hand.number = nextNumber_++;
  hand.startTime = clock_();
  hand.holeCards = table.holeCards;
  hand.structure = table.betStructure;
  hand.antes = table.anteMode != 0;
  hand.baseBet = table.baseBet;
  hand.stakeLevel = StakeMultiplier(table);
  for (int street = 0; street < 4; ++street) {
    const StreetLimits limits = NominalLimits(table, street);
    hand.minBet[street] = limits.min;
    hand.maxBet[street] = limits.max;
  }
  hand.rakePercent = table.rakePercent;
  hand.raiseCap = table.raiseCap;
  hand.dealer = table.dealer % kSeatCount;
  hand.seatCount = table.smallTable == 1 ? 6 : kSeatCount;
  // Players from the seat after the dealer round to the dealer: every seat in
  // play that is in the hand with chips to play.
  for (int i = 1; i <= kSeatCount; ++i) {
    const int seat = (hand.dealer + i) % kSeatCount;
    const PlayerRecord& player = table.players[seat];
    if (player.kind == KindInactive || IsOutStatus(player.status)) continue;
    if (uint64_t{player.chips} + player.inPot == 0) continue;
    HandPlayer entry;
    entry.seat = seat;
    entry.name = Latin1ToUtf8(player.name, strnlen(player.name, kNameSize));
    entry.kind = player.kind;
    entry.startingStack = player.chips + player.inPot;
    hand.players.push_back(std::move(entry));
  }
  // Forced bets posted before this look count as posted now.
  TableRecord unposted = table;
  for (PlayerRecord& player : unposted.players) {
    player.chips += player.inPot;
    player.inPot = 0;
  }
  Track(unposted, table);
}

bool HandRecorder::Track(const TableRecord& before, const TableRecord& now) {
  if (StakesOf(before) != 0 && StakesOf(now) == 0 && (CardsDealt(now) != 0 || NoHand(now))) {
    Settle(before);
    return true;
  }
  for (size_t i = 0; i < state_.hand.players.size(); ++i) {
    TrackSeat(before, now, static_cast<int>(i));
  }
  TrackDeals(now);
  return false;
}

void HandRecorder::TrackSeat(const TableRecord& before, const TableRecord& now, int index) {
  HandPlayer& player = state_.hand.players[index];
  const int seat = player.seat;
  const PlayerRecord& was = before.players[seat];
  const PlayerRecord& is = now.players[seat];
  if (was.inPot == is.inPot && was.chips == is.chips && was.status == is.status &&
      was.lastAction == is.lastAction && was.checks == is.checks) {
    return;  // most seats do nothing between two looks
  }
  const uint32_t put = is.inPot > was.inPot ? is.inPot - was.inPot : 0;
  // Chips bought or cashed in during the hand count as brought to it.
  const int64_t unexplained = int64_t{is.chips} - (int64_t{was.chips} - put);
  player.startingStack = static_cast<uint32_t>(int64_t{player.startingStack} + unexplained);

  HandAction action;
  action.player = index;
  if (is.lastAction == ActionForcedBet) {
    if (put == 0) return;
    const uint64_t bet = uint64_t{StakeMultiplier(now)} * now.baseBet;
    if (state_.hand.antes) {
      player.forcedBet = static_cast<uint32_t>(bet);
      state_.streetBase[seat] += put;  // an ante is no bet of the street
    } else {
      const bool small = state_.blindsPosted == 0 && bet / 2 != 0;
      player.forcedBet = static_cast<uint32_t>(small ? bet / 2 : bet);
      ++state_.blindsPosted;
    }
    return;
  }
  if (!IsOutStatus(was.status) && IsOutStatus(is.status)) {
    action.kind = ActionKind::Fold;
  } else if (put > 0) {
    const bool raised = is.lastAction == ActionBet || is.lastAction == ActionRaise;
    action.kind = raised ? ActionKind::BetRaise : ActionKind::CheckCall;
    action.amount = is.inPot - state_.streetBase[seat];
  } else if (is.lastAction == ActionCheck &&
             (was.lastAction != ActionCheck || was.checks != is.checks) && was.chips != 0) {
    action.kind = ActionKind::CheckCall;  // a seat already all in has nothing to do
  } else {
    return;
  }
  state_.hand.actions.push_back(action);
}

void HandRecorder::TrackDeals(const TableRecord& now) {
  HandRecord& hand = state_.hand;
  const int hole = hand.holeCards;
  const int dealt = CardsDealt(now);
  if (dealt <= state_.cardsRecorded) return;
  if (state_.cardsRecorded < hole && dealt >= hole) {
    for (size_t i = 0; i < hand.players.size(); ++i) {
      HandPlayer& player = hand.players[i];
      std::memcpy(player.hole.data(), now.deck + 4 * player.seat, static_cast<size_t>(hole));
      hand.actions.push_back(Deal(static_cast<int>(i), player.hole.data(), hole));
    }
  }
  // The flop comes as three cards, the turn and the river as one each.
  for (int cards = std::max(state_.cardsRecorded + 1, hole + 3); cards <= dealt; ++cards) {
    const int first = cards == hole + 3 ? hole : cards - 1;
    hand.actions.push_back(Deal(-1, now.deck + kBoardStart + first, cards - first));
    for (int seat = 0; seat < kSeatCount; ++seat) state_.streetBase[seat] = now.players[seat].inPot;
  }
  state_.cardsRecorded = dealt;
}

void HandRecorder::Settle(const TableRecord& before) {
  HandRecord& hand = state_.hand;
  // A showdown when more than one player was still in: each shows.
  std::vector<int> live;
  for (size_t i = 0; i < hand.players.size(); ++i) {
    if (!IsOutStatus(before.players[hand.players[i].seat].status)) live.push_back(int(i));
  }
  if (live.size() > 1) {
    for (int index : live) {
      HandAction show = Deal(index, hand.players[index].hole.data(), hand.holeCards);
      show.kind = ActionKind::Show;
      hand.actions.push_back(show);
    }
  }
  // The pots as the payout split them, on a copy of the table before it.
  TableRecord paid = before;
  PayoutReport report;
  PayShowdown(paid, &report);
  for (const PayoutReport::Pot& pot : report.pots) {
    HandPot entry{pot.amount, {}};
    for (int w = 0; w < pot.winners.count; ++w) entry.winners.push_back(PlayerAt(pot.winners.seats[w]));
    hand.pots.push_back(std::move(entry));
  }
  for (uint32_t rake : report.rake) hand.rake += rake;
  // From the payout alone: "Start" may already have ended the hand.
  for (HandPlayer& player : hand.players) {
    const PlayerRecord& seat = paid.players[player.seat];
    player.finishingStack = seat.chips + seat.winnings;
    player.winnings = seat.winnings;
    player.returned = seat.chips - before.players[player.seat].chips;
    player.finishingBalance = seat.balance;
  }
  hand.complete = true;
}

}  // namespace qf
