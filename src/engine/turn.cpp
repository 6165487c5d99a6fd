#include "engine/turn.h"

#include <algorithm>

#include "engine/betting.h"

namespace qf {

namespace {

bool IsLive(const TableRecord& table, int seat) {
  return !IsOutOrInactive(table, seat);
}

int SeatAfter(int seat, int steps) {
  return (seat + steps) % kSeatCount;
}

// Whether a live seat still has to match the highest stake of the hand.
bool Owes(const PlayerRecord& player, uint32_t top) {
  return player.inPot < top && player.chips != 0;
}

}  // namespace

int ActionAnchor(const TableRecord& table) {
  const int dealer = table.dealer % kSeatCount;
  uint32_t top = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (!IsOut(table, seat)) top = std::max(top, table.players[seat].inPot);
  }
  // The last seat, clockwise from the dealer's left round to the dealer, with the top stake.
  int anchor = dealer;
  for (int i = 0; i < kSeatCount; ++i) {
    int seat = SeatAfter(dealer, 1 + i);
    if (!IsOut(table, seat) && table.players[seat].inPot == top) anchor = seat;
  }
  // Skip past the seats that have called or checked since.
  for (int i = 0; i < kSeatCount; ++i) {
    int seat = SeatAfter(anchor, i);
    if (!IsOut(table, seat) && table.players[seat].status != StatusCalled) {
      return i == 0 ? anchor : SeatAfter(seat, kSeatCount - 1);
    }
  }
  return SeatAfter(anchor, kSeatCount - 1);
}

Turn NextTurn(TableRecord& table) {
  Turn turn;
  const int dealer = table.dealer % kSeatCount;
  const int hole = table.holeCards;

  int inPlay = 0;
  for (PlayerRecord& player : table.players) {
    if (player.kind == KindInactive) {
      player.status = StatusOut;
      player.lastAction = ActionFold;
    } else {
      ++inPlay;
    }
  }
  if (inPlay == 0) return turn;

  int outSeats = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (IsOut(table, seat)) ++outSeats;
  }
  if (outSeats == kSeatCount) {
    turn.code = TurnNewHand;
    return turn;
  }
  if (outSeats == kSeatCount - 1) {
    turn.code = TurnLastStanding;
    return turn;
  }

  uint32_t top = 0;
  int street = table.cardsDealt;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (!IsLive(table, seat)) continue;
    top = std::max(top, table.players[seat].inPot);
    street = std::max<int>(street, table.players[seat].cardsSeen);
  }

  bool complete = true;
  for (int seat = 0; seat < kSeatCount && complete; ++seat) {
    if (!IsLive(table, seat)) continue;
    const PlayerRecord& player = table.players[seat];
    if (player.status == StatusToAct || (Owes(player, top) && player.cardsSeen != 0)) {
      complete = false;
    }
  }

  if (complete) {
    bool allHoldStreet = true;
    for (int seat = 0; seat < kSeatCount; ++seat) {
      if (IsOut(table, seat)) continue;
      table.players[seat].status = StatusToAct;
      if (table.players[seat].cardsSeen != street) allHoldStreet = false;
    }
    if (allHoldStreet) {
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

  bool anyoneHolds = false;
  for (int i = 0; i < kSeatCount && !anyoneHolds; ++i) {
    int seat = SeatAfter(dealer, i);
    const PlayerRecord& player = table.players[seat];
    anyoneHolds = IsLive(table, seat) && (player.chips != 0 || player.inPot != 0 ||
                                          player.status != 0 || player.cardsSeen != 0);
  }
  if (!anyoneHolds) return turn;

  for (int i = 1; i <= kSeatCount; ++i) {
    int seat = SeatAfter(dealer, i);
    BetLimitsResult limits = BetLimits(table, seat, 0);
    if (limits.forced) {
      turn.code = TurnForcedBet;
      turn.seat = seat;
      turn.amount = limits.min;
      return turn;
    }
  }

  const int need = std::max(hole, street);
  for (int i = 0; i < kSeatCount; ++i) {
    int seat = SeatAfter(dealer, i);
    if (IsLive(table, seat) && table.players[seat].cardsSeen < need) {
      turn.code = TurnDeal;
      return turn;
    }
  }

  const int anchor = ActionAnchor(table);
  for (int i = 0; i < kSeatCount; ++i) {
    int seat = SeatAfter(anchor, 1 + i);
    if (!IsLive(table, seat)) continue;
    const PlayerRecord& player = table.players[seat];
    if (Owes(player, top) || player.status == StatusToAct) {
      turn.code = TurnAct;
      turn.seat = seat;
      turn.amount = std::min(player.chips, top - player.inPot);
      return turn;
    }
  }
  return turn;
}

}  // namespace qf
