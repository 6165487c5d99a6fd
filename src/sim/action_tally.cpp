#include "sim/action_tally.h"

#include <cstring>

#include "engine/turn.h"

namespace qf {

namespace {

constexpr uint16_t kCounterLimit = UINT16_MAX;

bool AtLimit(const PlayerRecord& p) {
  return p.folds == kCounterLimit || p.checks == kCounterLimit || p.calls == kCounterLimit ||
         p.raises == kCounterLimit;
}

}  // namespace

void ActionTally::Before(TableRecord& table) {
  fromTurn_ = false;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& p = table.players[seat];
    before_[seat] = {p.folds, p.checks, p.calls, p.raises};
    if (IsComputerKind(p.kind) && AtLimit(p)) fromTurn_ = true;
  }
  actor_ = -1;
  if (!fromTurn_) return;
  // What the tick will find: asking first changes nothing the tick's own
  // question would not change.
  const Turn turn = NextTurn(table);
  if (turn.code == TurnAct && IsComputerKind(table.players[turn.seat].kind)) {
    actor_ = turn.seat;
    actorInPot_ = table.players[turn.seat].inPot;
  }
}

void ActionTally::After(const TableRecord& table, std::array<SeatStats, kSeatCount>& seats) const {
  if (!fromTurn_) {
    for (int seat = 0; seat < kSeatCount; ++seat) {
      const PlayerRecord& p = table.players[seat];
      const Counts& b = before_[seat];
      // Most seats did nothing on the tick.
      const Counts now{p.folds, p.checks, p.calls, p.raises};
      if (std::memcmp(&now, &b, sizeof now) == 0) continue;
      SeatStats& s = seats[seat];
      s.folds += static_cast<uint16_t>(p.folds - b.folds);
      s.checks += static_cast<uint16_t>(p.checks - b.checks);
      s.calls += static_cast<uint16_t>(p.calls - b.calls);
      s.raises += static_cast<uint16_t>(p.raises - b.raises);
    }
    return;
  }
  if (actor_ < 0) return;
  // A fold puts the seat out; a bet or raise makes it the last bettor, which
  // nothing else on the tick changes; otherwise it called when chips moved.
  const PlayerRecord& p = table.players[actor_];
  SeatStats& s = seats[actor_];
  if (p.status == StatusOut || p.status == StatusFolded) {
    ++s.folds;
  } else if (p.status == StatusLastBettor) {
    ++s.raises;
  } else if (p.inPot > actorInPot_) {
    ++s.calls;
  } else {
    ++s.checks;
  }
}

}  // namespace qf
