#include "players/decision.h"

#include "engine/betting.h"
#include "players/decision_score.h"
#include "players/hand_strength.h"

namespace qf {

int32_t ComputerDecision(const TableRecord& table, int seat, uint32_t callAmount, Rng& rng) {
  if (seat < 0 || seat >= kSeatCount) return kDecisionCall;
  const PlayerRecord& player = table.players[seat];
  if (!IsInPlay(player)) return kDecisionCall;

  ScoreSituation situation;
  situation.strength = EstimateHandStrength(table, seat, callAmount, rng);
  situation.kind = player.kind;
  situation.cardsSeen = player.cardsSeen;
  situation.holeCards = table.holeCards;
  situation.raises = table.raisesThisRound;

  int score = AdjustForKind(situation, StreetScore(situation), rng);
  BetLimitsResult limits = BetLimits(table, seat, callAmount);
  score += AggressionBonus(score, situation.strength.r, limits);
  uint64_t raise = RaiseForScore(score, situation.strength.unit);
  if (situation.strength.liveWithChips < 2) raise = 0;
  return DecisionFromScore(score, callAmount, raise, limits);
}

}  // namespace qf
