#include "engine/betting.h"

#include <algorithm>

#include "engine/turn.h"

namespace qf {

namespace {

constexpr uint32_t kMaxAmount = UINT32_MAX;

uint32_t Clamp32(uint64_t value) {
  return static_cast<uint32_t>(std::min<uint64_t>(value, kMaxAmount));
}

void CountUp(uint16_t& counter) {
  if (counter < UINT16_MAX) ++counter;
}

enum Street { PreFlop = 0, Flop = 1, TurnCard = 2, River = 3 };


// The street as the seat's cards tell it.
Street SeatStreet(const TableRecord& table, int seat) {
  const int cards = table.players[seat].cardsSeen;
  const int hole = table.holeCards;
  if (cards < hole + 3) return PreFlop;
  if (cards == hole + 3) return Flop;
  if (cards == hole + 4) return TurnCard;
  return River;
}

// The blind now due at the table and the seat that owes it. Seats to the
// dealer's left post in turn; a seat that has posted counts, a seat in play
// with neither chips nor stake cannot post and is passed over, and a small
// blind that rounds down to nothing counts as posted, so that the big blind
// is still due from the next seat.
ForcedBet BlindDue(const TableRecord& table, uint64_t bet) {
  int posted = 0;
  for (int i = 1; i <= kSeatCount; ++i) {
    const int seat = (table.dealer + i) % kSeatCount;
    const PlayerRecord& player = table.players[seat];
    if (player.kind == KindInactive) continue;
    if (player.inPot != 0) {
      ++posted;
      continue;
    }
    if (player.chips == 0) continue;
    if (posted == 0 && bet / 2 == 0) {
      ++posted;
      continue;
    }
    if (posted >= 2) return {};
    return {seat, Clamp32(posted == 0 ? bet / 2 : bet)};
  }
  return {};
}

uint64_t StakeBet(const TableRecord& table) {
  return uint64_t{StakeMultiplier(table)} * table.baseBet;
}

StreetLimits StreetRange(const TableRecord& table, int street, uint64_t b) {
  const bool early = street == PreFlop || street == Flop;
  switch (table.betStructure) {
    case StructureFixed:
      return early ? StreetLimits{b, b} : StreetLimits{2 * b, 2 * b};
    case StructureFixedThreeTier:
      if (early) return {b, b};
      return street == TurnCard ? StreetLimits{2 * b, 2 * b} : StreetLimits{2 * b, 4 * b};
    case StructureSpread:
      return {b, 2 * b};
    case StructureSpreadRising:
      if (early) return {b, 2 * b};
      return street == TurnCard ? StreetLimits{b, 4 * b} : StreetLimits{b, 8 * b};
    case StructureSpreadWide:
      return street == TurnCard ? StreetLimits{b, 4 * b} : StreetLimits{b, 2 * b};
    case StructurePotLimit:
    case StructureNoLimit:
      return {b, 0};
    case StructureCustom:
      return {table.customMin[street & 3], table.customMax[street & 3]};
    default:
      return {0, 0};
  }
}

StreetLimits StructureLimits(const TableRecord& table, int seat, uint64_t b) {
  const StreetLimits nominal = StreetRange(table, SeatStreet(table, seat), b);
  switch (table.betStructure) {
    case StructurePotLimit: {
      uint64_t pot = 0;
      for (const PlayerRecord& player : table.players) {
        if (player.kind != KindInactive) pot += player.inPot;
      }
      return {nominal.min, std::min<uint64_t>(pot, table.players[seat].chips)};
    }
    case StructureNoLimit:
      return {nominal.min, table.players[seat].chips};
    default:
      return {nominal.min, nominal.max};
  }
}

}  // namespace

StreetLimits NominalLimits(const TableRecord& table, int street) {
  return StreetRange(table, street, StakeBet(table));
}

uint32_t StakeMultiplier(const TableRecord& table) {
  return table.progressiveLevel >= 1 ? table.progressiveLevel : 1;
}

ForcedBet DueForcedBet(const TableRecord& table) {
  const uint64_t bet = StakeBet(table);
  if (table.anteMode == 0) {
    const ForcedBet due = BlindDue(table, bet);
    if (due.seat < 0 || due.amount == 0 || table.players[due.seat].cardsSeen != 0) return {};
    return due;
  }
  if (bet == 0) return {};
  // Every seat in play with chips that holds neither stake nor cards owes the
  // ante; the first from the dealer's left posts first.
  for (int i = 1; i <= kSeatCount; ++i) {
    const int seat = (table.dealer + i) % kSeatCount;
    const PlayerRecord& player = table.players[seat];
    if (player.cardsSeen == 0 && player.inPot == 0 && player.chips != 0 &&
        player.kind != KindInactive) {
      return {seat, Clamp32(bet)};
    }
  }
  return {};
}

BetLimitsResult BetLimits(const TableRecord& table, int seat, uint32_t committed) {
  BetLimitsResult result;
  const PlayerRecord& player = table.players[seat];
  if (player.chips == 0 || player.kind == KindInactive) return result;

  const uint64_t bet = StakeBet(table);
  if (player.inPot == 0 && player.cardsSeen == 0) {
    uint32_t forced = 0;
    if (table.anteMode != 0) {
      forced = Clamp32(bet);
    } else if (const ForcedBet due = BlindDue(table, bet); due.seat == seat) {
      forced = due.amount;
    }
    // A forced bet of nothing is no forced bet: it could never be posted.
    if (forced == 0) return result;
    result.forced = true;
    result.min = result.max = forced;
    return result;
  }

  if (table.raiseCap != 0 && table.raisesThisRound >= table.raiseCap) return result;

  StreetLimits limits = StructureLimits(table, seat, bet);
  // The smallest bet is always allowed, even where the pot limit or a custom
  // table would put the largest below it.
  limits.max = std::max(limits.max, limits.min);
  const uint64_t room = player.chips > committed ? player.chips - committed : 0;
  result.min = Clamp32(std::min(limits.min, room));
  result.max = Clamp32(std::min(limits.max, room));
  return result;
}

uint32_t ApplyAction(TableRecord& table, int seat, uint32_t callAmount, uint32_t raiseAmount) {
  PlayerRecord& player = table.players[seat];
  if (player.kind == KindInactive) return 0;
  if (callAmount > player.chips) raiseAmount = 0;
  const uint32_t amount =
      static_cast<uint32_t>(std::min<uint64_t>(uint64_t{callAmount} + raiseAmount, player.chips));

  if (raiseAmount != 0 && amount != 0) {
    if (table.raisesThisRound < UINT8_MAX) ++table.raisesThisRound;
    for (int other = 0; other < kSeatCount; ++other) {
      if (!IsOut(table, other)) table.players[other].status = StatusToAct;
    }
    player.status = StatusLastBettor;
    player.lastAction = table.raisesThisRound < 2 ? ActionBet : ActionRaise;
    CountUp(player.raises);
  } else {
    player.status = StatusCalled;
    // Before the chips move a blind or ante still shows as due.
    if (NextTurn(table).code == TurnForcedBet) {
      player.lastAction = ActionForcedBet;
    } else if (amount > 0) {
      player.lastAction = ActionCall;
      CountUp(player.calls);
    } else {
      player.lastAction = ActionCheck;
      CountUp(player.checks);
    }
  }

  player.chips -= amount;
  player.inPot += amount;
  return amount;
}

bool FoldSeat(TableRecord& table, int seat) {
  if (IsOut(table, seat)) return false;
  PlayerRecord& player = table.players[seat];
  CountUp(player.folds);
  player.lastAction = ActionFold;
  player.status = table.foldStyle != 0 ? StatusFolded : StatusOut;
  return true;
}

}  // namespace qf
