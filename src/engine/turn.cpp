#include "engine/turn.h"

#include <algorithm>
#include <cstdint>

#include "engine/betting.h"

namespace qf {

namespace {

// seat and steps both 0..kSeatCount.
int SeatAfter(int seat, int steps) {
  const int after = seat + steps;
  return after >= kSeatCount ? after - kSeatCount : after;
}

// Whether a live seat still has to match the highest stake of the hand.
bool Owes(const PlayerRecord& player, uint32_t top) {
  return player.inPot < top && player.chips != 0;
}

bool IsOutStatus(uint32_t status) {
  return status == StatusOut || status == StatusFolded;
}

// The first seat, clockwise from first (itself included), that matches; -1
// when none does.
template <class Matches>
int FirstSeatFrom(const PlayerRecord* players, int first, Matches matches) {
  for (int seat = first; seat < kSeatCount; ++seat) {
    if (matches(players[seat])) return seat;
  }
  for (int seat = 0; seat < first; ++seat) {
    if (matches(players[seat])) return seat;
  }
  return -1;
}

// Steps past the seats that have called or checked since the anchor's stake.
int SkipCalledSeats(const TableRecord& table, int anchor) {
  const int pending = FirstSeatFrom(table.players, anchor, [](const PlayerRecord& player) {
    return !IsOutStatus(player.status) && player.status != StatusCalled;
  });
  if (pending == anchor) return anchor;
  return SeatAfter(pending < 0 ? anchor : pending, kSeatCount - 1);
}

// What one pass over the seats, clockwise from the dealer's left round to
// the dealer, learns about the seats still in the hand.
struct SeatSurvey {
  int inPlay = 0;     // seats not inactive
  int outSeats = 0;   // seats out or folded
  uint32_t top = 0;   // highest stake of a live seat
  int topSeat = -1;   // the last live seat with that stake
  int minSeen = 255;  // fewest and most cards a live seat holds
  int maxSeen = 0;
  bool anyToAct = false;              // a live seat still to act
  uint32_t lowestOwing = UINT32_MAX;  // lowest stake of a live seat with chips and cards
  int fewestOutSeen = 255;            // fewest cards a seat out of the hand holds
};

// Whether a live seat has chips, a stake, cards or a status other than "to act".
bool AnyoneHolds(const TableRecord& table) {
  for (const PlayerRecord& player : table.players) {
    const uint32_t status = player.status;
    if (IsOutStatus(status)) continue;
    if (player.chips != 0 || player.inPot != 0 || status != 0 || player.cardsSeen != 0) return true;
  }
  return false;
}

}  // namespace

Turn NextTurn(TableRecord& table) {
  Turn turn;
  const int dealer = table.dealer % kSeatCount;
  const int hole = table.holeCards;

  // Inactive seats are marked out as they are met; once marked, a live seat
  // is simply one that is not out.
  SeatSurvey s;
  const auto survey = [&s](PlayerRecord& player, int seat) {
    uint32_t status = player.status;
    if (player.kind == KindInactive) {
      status = StatusOut;
      player.status = StatusOut;
      player.lastAction = ActionFold;
    } else {
      ++s.inPlay;
    }
    if (IsOutStatus(status)) {
      ++s.outSeats;
      s.fewestOutSeen = std::min<int>(s.fewestOutSeen, player.cardsSeen);
      return;
    }
    const uint32_t chips = player.chips;
    const uint32_t inPot = player.inPot;
    const int seen = player.cardsSeen;
    if (inPot >= s.top) {
      s.top = inPot;
      s.topSeat = seat;
    }
    s.minSeen = std::min(s.minSeen, seen);
    s.maxSeen = std::max(s.maxSeen, seen);
    if (status == StatusToAct) s.anyToAct = true;
    if (chips != 0 && seen != 0 && inPot < s.lowestOwing) s.lowestOwing = inPot;
  };
  // Clockwise from the dealer's left round to the dealer.
  for (int seat = dealer + 1; seat < kSeatCount; ++seat) survey(table.players[seat], seat);
  for (int seat = 0; seat <= dealer; ++seat) survey(table.players[seat], seat);
  if (s.inPlay == 0) return turn;
  if (s.outSeats == kSeatCount) {
    turn.code = TurnNewHand;
    return turn;
  }
  if (s.outSeats == kSeatCount - 1) {
    turn.code = TurnLastStanding;
    return turn;
  }

  // The round is complete when no live seat is still to act and every live
  // seat with chips and cards has matched the top stake.
  int street = std::max<int>(table.cardsDealt, s.maxSeen);
  const bool complete = !s.anyToAct && s.lowestOwing >= s.top;
  if (complete) {
    for (PlayerRecord& player : table.players) {
      if (!IsOutStatus(player.status)) player.status = StatusToAct;
    }
    // Every live seat holds the street's cards: the street marker moves on.
    if (s.minSeen == street) {
      if (table.cardsDealt == 0) table.cardsDealt = static_cast<uint8_t>(hole);
      table.cardsDealt =
          static_cast<uint8_t>(table.cardsDealt == hole ? hole + 3 : table.cardsDealt + 1);
      street = table.cardsDealt;
    }
  }

  if (street > hole + 5) {
    turn.code = TurnShowdown;
    return turn;
  }

  // Nothing to play for when no live seat holds anything; a stake or a card
  // held already answers that.
  if (s.top == 0 && s.maxSeen == 0 && !AnyoneHolds(table)) return turn;

  // Only a seat without cards can owe a forced bet.
  if (std::min(s.minSeen, s.fewestOutSeen) == 0) {
    const ForcedBet due = DueForcedBet(table);
    if (due.seat >= 0) {
      turn.code = TurnForcedBet;
      turn.seat = due.seat;
      turn.amount = due.amount;
      return turn;
    }
  }

  const int need = std::max(hole, street);
  if (s.minSeen < need) {
    turn.code = TurnDeal;
    return turn;
  }

  const int anchor = SkipCalledSeats(table, s.topSeat);
  const uint32_t top = s.top;
  const int seat =
      FirstSeatFrom(table.players, SeatAfter(anchor, 1), [top](const PlayerRecord& player) {
        return !IsOutStatus(player.status) && (Owes(player, top) || player.status == StatusToAct);
      });
  if (seat >= 0) {
    const PlayerRecord& player = table.players[seat];
    turn.code = TurnAct;
    turn.seat = seat;
    turn.amount = std::min(player.chips, top - player.inPot);
  }
  return turn;
}

}  // namespace qf
