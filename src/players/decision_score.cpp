#include "players/decision_score.h"

#include <algorithm>
#include <limits>

#include "players/decision.h"

namespace qf {
namespace {

enum class Street { PreFlop, FlopOrTurn, River };

Street StreetOf(const ScoreSituation& s) {
  int stage = s.cardsSeen - s.holeCards;
  if (stage <= 0) return Street::PreFlop;
  if (stage >= 5) return Street::River;
  return Street::FlopOrTurn;
}

bool PostFlop(const ScoreSituation& s) {
  return s.cardsSeen > s.holeCards;
}

int PreFlopSwing(int r) {
  if (r == 99) return 75;
  if (r >= 91) return 25;
  if (r <= 1) return -100;
  if (r <= 9) return -75;
  if (r <= 19) return -50;
  if (r <= 29) return -25;
  return 0;
}

int LaterSwing(int r) {
  if (r == 99) return 75;
  if (r >= 91) return 25;
  if (r <= 1) return -100;
  if (r <= 4) return -75;
  if (r <= 9) return -50;
  if (r <= 19) return -25;
  return 0;
}

// The base after the flop: the seat's own contribution to the hand counts
// for less the more players are seated.
int LaterBase(int seatedOthers, int improvement) {
  if (seatedOthers < 3) return 50 + 30 * improvement;
  if (seatedOthers <= 4) return 50 + 20 * improvement;
  if (seatedOthers <= 6) return 50 + 10 * improvement;
  return 50;
}

int PreFlopScore(const ScoreSituation& s) {
  const HandStrength& h = s.strength;
  int score = h.outlook == 3 ? 75 : 50;
  if (h.outlook == 0 && static_cast<int64_t>(h.callRatio) > 2 * static_cast<int64_t>(h.unit)) {
    score -= 25;
  }
  score += PreFlopSwing(h.r);
  score -= 3 * h.liveOthers + h.callRatio * h.callRatio;
  if (s.raises > 1 && score > 0) score += 25;
  return score;
}

int FlopOrTurnScore(const ScoreSituation& s) {
  const HandStrength& h = s.strength;
  int score = h.outlook == 0 ? 0 : LaterBase(h.seatedOthers, h.improvement);
  score += LaterSwing(h.r);
  score -= 5 * h.callRatio + 4 * h.liveOthers;
  if (s.raises > 2 && score > 0) score += 25;
  if (s.raises > h.liveOthers && score <= 0) score += 50;
  return score;
}

int RiverScore(const ScoreSituation& s) {
  const HandStrength& h = s.strength;
  int half = h.improvement / 2;  // toward zero
  int score = h.outlook == 0 ? 0 : LaterBase(h.seatedOthers, half);
  score += LaterSwing(h.r);
  score -= 5 * h.callRatio + 6 * h.liveOthers;
  if (s.raises > 0 && score > 0) score += 50;
  if (s.raises > h.liveOthers && score <= 0) score += 75;
  return score;
}

int AdjustSmart(const ScoreSituation& s, int score) {
  const HandStrength& h = s.strength;
  bool post = PostFlop(s);
  static constexpr int kByOutlook[4] = {-25, 25, 12, 50};
  score += kByOutlook[h.outlook & 3];
  if (score <= 0 && (h.outlook == 3 || h.outlook == 1) && post) score += 25;
  bool skipWeakOutlook = false;
  if (h.outlook == 1) {
    if (post) {
      score += 50;
    } else {
      skipWeakOutlook = true;
    }
  }
  if (!skipWeakOutlook && h.outlook != 3 && post) score -= 25;
  if (h.liveOthers < 4 && score > 0 && score < 100 && post) score += 25;
  return score + h.foldDelta;
}

int AdjustTight(const ScoreSituation& s, int score) {
  const HandStrength& h = s.strength;
  if (h.outlook != 3) score -= 25;
  if (h.liveOthers == 2 && score > 0 && score < 100 && StreetOf(s) == Street::River) {
    score += 25;
  } else if (score > 75) {
    score -= 50;
  }
  if (h.foldDelta < 0) score += 2 * h.foldDelta;
  return score;
}

// The outlook bonus shared by the Loose and Bluffing kinds.
int HopefulOutlookBonus(int outlook) {
  if (outlook == 3 || outlook == 1) return 50;
  if (outlook == 2) return 10;
  return 0;
}

int AdjustLoose(const ScoreSituation& s, int score) {
  const HandStrength& h = s.strength;
  score += HopefulOutlookBonus(h.outlook);
  if (score >= 50) score += 50;
  if (h.liveOthers < 4 && score > 0 && score < 100 && PostFlop(s)) score += 25;
  score += h.foldDelta > 0 ? 2 * h.foldDelta : h.foldDelta;
  return score;
}

int AdjustParanoid(const ScoreSituation& s, int score) {
  const HandStrength& h = s.strength;
  score += -10 * s.raises - 6 * h.liveOthers + h.foldDelta + 15;
  if (h.foldDelta < 0) score += 10 * h.foldDelta;
  return score;
}

int AdjustBluffing(const ScoreSituation& s, int score) {
  const HandStrength& h = s.strength;
  score += HopefulOutlookBonus(h.outlook);
  // The card counts are absolute: 2 is the Texas pre-flop, 7 the Texas river
  // or the Omaha flop.
  if (score > 0) {
    if (s.cardsSeen == 2) score += 25;
    if (score > 0 && h.liveOthers < 3 && s.cardsSeen == 7) score += 100;
  }
  if (h.liveOthers < 4 && score > 0 && score < 100 && StreetOf(s) == Street::River) score += 100;
  score -= 10 * h.liveOthers;
  score += h.foldDelta > 0 ? 10 * h.foldDelta : h.foldDelta;
  return score;
}

}  // namespace

int StreetScore(const ScoreSituation& s) {
  int score = 0;
  switch (StreetOf(s)) {
    case Street::PreFlop:
      score = PreFlopScore(s);
      break;
    case Street::FlopOrTurn:
      score = FlopOrTurnScore(s);
      break;
    case Street::River:
      score = RiverScore(s);
      break;
  }
  if (s.cardsSeen >= s.holeCards + 4) score += 25;
  return score;
}

int AdjustForKind(const ScoreSituation& s, int score, Rng& rng) {
  const HandStrength& h = s.strength;
  switch (s.kind) {
    case KindSmart:
      return AdjustSmart(s, score);
    case KindTight:
      return AdjustTight(s, score);
    case KindLoose:
      return AdjustLoose(s, score);
    case KindStupid:
      return score + 20 * h.foldDelta + static_cast<int>(Random(rng, 100));
    case KindParanoid:
      return AdjustParanoid(s, score);
    case KindBluffing:
      return AdjustBluffing(s, score);
    case KindErratic:
      return score + static_cast<int>(Random(rng, 100)) + h.foldDelta - 50;
    default:
      return score;
  }
}

int AggressionBonus(int score, int r, const BetLimitsResult& limits) {
  if (score < 75 || static_cast<uint64_t>(limits.max) <= 4ULL * limits.min) return 0;
  int bonus = 0;
  for (int threshold = 60; threshold <= 95; threshold += 5) {
    if (r > threshold) bonus += 25;
  }
  return bonus;
}

uint64_t RaiseForScore(int score, uint64_t unit) {
  struct Tier {
    int score;
    uint64_t units;
  };
  static constexpr Tier kTiers[] = {{300, 100}, {250, 50}, {225, 25}, {200, 10}, {175, 8},
                                    {150, 6},   {125, 4},  {100, 2},  {75, 1}};
  for (const Tier& tier : kTiers) {
    if (score >= tier.score) return tier.units * unit;
  }
  return 0;
}

int32_t DecisionFromScore(int score, uint32_t callAmount, uint64_t raise,
                          const BetLimitsResult& limits) {
  if (score <= 0 && callAmount > 0) return kDecisionFold;
  if (raise == 0 || limits.max == 0) return kDecisionCall;
  uint64_t amount = std::min<uint64_t>(raise, limits.max);
  // Lifted to the minimum, but never past the maximum: a pot smaller than the
  // minimum bet (pot limit) or a custom table whose minimum is above its
  // maximum leaves the maximum as the one amount the table allows.
  if (amount < limits.min) amount = std::min(limits.min, limits.max);
  amount = std::min<uint64_t>(amount, std::numeric_limits<int32_t>::max());
  return static_cast<int32_t>(amount);
}

}  // namespace qf
