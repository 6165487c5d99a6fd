#include "players/hand_strength.h"

#include <algorithm>

#include "engine/betting.h"
#include "engine/deck.h"
#include "engine/evaluate.h"
#include "engine/pots.h"
#include "engine/turn.h"
#include "players/hand_strength_parts.h"

namespace qf {

namespace {

// 3 best now and at the river, 1 now only, 2 at the river only, 0 neither.
int OutlookOf(bool bestNow, bool bestAtRiver) {
  return bestNow ? (bestAtRiver ? 3 : 1) : (bestAtRiver ? 2 : 0);
}

// The seats FindWinners would list: not out, with a stake.
bool Contends(const TableRecord& table, int seat) {
  return table.players[seat].inPot != 0 && !IsOut(table, seat);
}

// A value joins the list as FindWinners adds it.
void AddToWinners(WinnerList& list, uint32_t& best, uint32_t value, int seat) {
  if (value > best) {
    list.count = 0;
    best = value;
  }
  if (value == best) list.seats[list.count++] = static_cast<uint8_t>(seat);
}

uint32_t ValueOf(const uint8_t* cards, int n, int holeCards) {
  return holeCards == 4 && n == 9 ? EvaluateBest(cards, n, holeCards) : EvaluateHand(cards, n);
}

// A seat's hand as it holds it now and as it would be on a full board. Its
// cards now are the first of its cards on a full board, so they are gathered
// once, and valued once where the two are the same.
struct SeatValues {
  uint32_t now = 0;
  uint32_t onFullBoard = 0;
};

inline SeatValues ValuesOf(const TableRecord& table, int seat, bool withFullBoard) {
  const int holeCards = table.holeCards;
  uint8_t cards[kMaxCards];
  const int full = SeatCardsUpTo(table, seat, holeCards + 5, cards);
  const int held = std::min<int>(table.players[seat].cardsSeen, full);
  SeatValues values;
  values.now = ValueOf(cards, held, holeCards);
  if (withFullBoard) {
    values.onFullBoard = held == full ? values.now : ValueOf(cards, full, holeCards);
  }
  return values;
}

}  // namespace

int OutlookFromLists(const WinnerList& now, const WinnerList& river, int seat) {
  int outlook = 0;
  for (int i = 0; i < now.count; ++i) {
    bool bestNow = now.seats[i] == seat;
    // An entry the river list does not have counts as another seat.
    bool bestAtRiver = i < river.count && river.seats[i] == seat;
    outlook = OutlookOf(bestNow, bestAtRiver);
  }
  return outlook;
}

int Outlook(const TableRecord& table, int seat) {
  // Only the seats with a stake that are not out are on the lists of
  // winners; a seat that is not can be neither best now nor at the river.
  if (!Contends(table, seat)) return 0;

  // The lists FindWinners(table, false) and FindWinners(table, true) would
  // give, as far as they decide. Only their entry at the last place of the
  // list of now counts. The seat holds that place at the river exactly when
  // nobody beats its hand there and as many seats before it tie with it: so
  // once somebody beats it, the others' river hands need no valuing. Once
  // the seat has the river out, the list of now serves for both.
  const bool riverNeeded = table.players[seat].cardsSeen < table.holeCards + 5;
  const SeatValues own = ValuesOf(table, seat, riverNeeded);
  WinnerList now;
  uint32_t topNow = 0;
  bool beatenAtRiver = false;
  int tiesBefore = 0;
  for (int other = 0; other < kSeatCount; ++other) {
    if (other == seat) {
      AddToWinners(now, topNow, own.now, seat);
      continue;
    }
    if (!Contends(table, other)) continue;
    const bool valueRiver = riverNeeded && !beatenAtRiver;
    const SeatValues values = ValuesOf(table, other, valueRiver);
    AddToWinners(now, topNow, values.now, other);
    if (!valueRiver) continue;
    if (values.onFullBoard > own.onFullBoard) {
      beatenAtRiver = true;
    } else if (values.onFullBoard == own.onFullBoard && other < seat) {
      ++tiesBefore;
    }
  }
  const int last = now.count - 1;  // the seat itself is on the list
  const bool bestNow = now.seats[last] == seat;
  const bool bestAtRiver = riverNeeded ? !beatenAtRiver && tiesBefore == last : bestNow;
  return OutlookOf(bestNow, bestAtRiver);
}

int Improvement(const TableRecord& table, int seat) {
  int seen = table.players[seat].cardsSeen;
  if (seen <= 3) return 0;
  uint8_t cards[kMaxCards];
  const int n = SeatCards(table, seat, cards);
  uint32_t full = EvaluateBest(cards, n, table.holeCards);
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

int CallRatio(uint32_t callAmount, uint64_t unit) {
  // A table without a stake unit (base bet 0) has no sensible ratio: any
  // call at all counts as the largest.
  if (unit == 0) return callAmount == 0 ? 1 : 10;
  const uint64_t q = callAmount / unit;
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

  s.unit = uint64_t{StakeMultiplier(table)} * table.baseBet;
  s.callRatio = CallRatio(callAmount, s.unit);
  s.r = static_cast<int>(Random(rng, 100));
  return s;
}

}  // namespace qf
