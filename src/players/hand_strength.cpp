#include "players/hand_strength.h"

#include "engine/betting.h"
#include "engine/deck.h"
#include "engine/evaluate.h"
#include "engine/pots.h"
#include "engine/turn.h"
#include "players/hand_strength_parts.h"

namespace qf {

int OutlookFromLists(const WinnerList& now, const WinnerList& river, int seat) {
  int outlook = 0;
  for (int i = 0; i < now.count; ++i) {
    bool bestNow = now.seats[i] == seat;
    // An entry the river list does not have counts as another seat.
    bool bestAtRiver = i < river.count && river.seats[i] == seat;
    outlook = bestNow ? (bestAtRiver ? 3 : 1) : (bestAtRiver ? 2 : 0);
  }
  return outlook;
}

int Outlook(const TableRecord& table, int seat) {
  // FindWinners only reads the table, so one look at the cards held now is
  // as good as two; and once the river is out, the cards held now are the
  // whole board.
  WinnerList now = FindWinners(table, false);
  if (now.count == 0) return 0;
  if (table.players[seat].cardsSeen >= table.holeCards + 5) return OutlookFromLists(now, now, seat);
  WinnerList river = FindWinners(table, true);
  return OutlookFromLists(now, river, seat);
}

int Improvement(const TableRecord& table, int seat) {
  int seen = table.players[seat].cardsSeen;
  if (seen <= 3) return 0;
  uint8_t cards[kMaxCards];
  int n = SeatCards(table, seat, cards);
  uint32_t full = EvaluateBest(cards, n, table.holeCards);
  n = SeatCards(table, seat, cards);
  uint32_t rest = EvaluateBest(cards + 2, n - 2, table.holeCards);
  return static_cast<int>(CategoryOf(full)) - static_cast<int>(CategoryOf(rest));
}

int FoldDelta(const TableRecord& table, int seat) {
  int sum = 0;
  int humans = 0;
  for (const PlayerRecord& p : table.players) {
    if (!IsHumanKind(p.kind) || p.handsPlayed == 0) continue;
    sum += p.folds * 100 / p.handsPlayed;
    ++humans;
  }
  const PlayerRecord& self = table.players[seat];
  if (humans == 0 || self.handsPlayed < 20) return 0;
  return self.folds * 100 / self.handsPlayed - sum / humans;
}

int CallRatio(uint32_t callAmount, uint32_t unit) {
  // A table without a stake unit (base bet 0) has no sensible ratio: any
  // call at all counts as the largest.
  if (unit == 0) return callAmount == 0 ? 1 : 10;
  uint32_t q = callAmount / unit;
  if (q >= 10) return 10;
  if (q < 1) return 1;
  return static_cast<int>(q);
}

HandStrength EstimateHandStrength(const TableRecord& table, int seat, uint32_t callAmount,
                                  Rng& rng) {
  HandStrength s;
  s.outlook = Outlook(table, seat);
  s.improvement = Improvement(table, seat);
  s.foldDelta = FoldDelta(table, seat);

  int seated = 0;
  int live = 0;
  for (int i = 0; i < kSeatCount; ++i) {
    const PlayerRecord& p = table.players[i];
    if (!IsInPlay(p)) continue;
    ++seated;
    if (IsOut(table, i)) continue;
    ++live;
    if (p.chips > 0) ++s.liveWithChips;
  }
  s.seatedOthers = seated > 0 ? seated - 1 : 0;
  s.liveOthers = live > 0 ? live - 1 : 0;

  s.unit = StakeMultiplier(table) * table.baseBet;
  s.callRatio = CallRatio(callAmount, s.unit);
  s.r = static_cast<int>(Random(rng, 100));
  return s;
}

}  // namespace qf
