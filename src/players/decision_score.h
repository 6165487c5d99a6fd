// The steps of a computer seat's decision, exposed so that each can be checked
// with chosen inputs. Internal to the computer players.
#pragma once

#include <cstdint>

#include "engine/betting.h"
#include "engine/rng.h"
#include "players/hand_strength.h"

namespace qf {

// What the score depends on besides the hand strength inputs.
struct ScoreSituation {
  HandStrength strength;
  uint32_t kind = KindSmart;
  int cardsSeen = 0;  // the acting seat's
  int holeCards = kTexasHoleCards;
  int raises = 0;  // bets and raises so far this betting round
};

// The score from the street: base, outlook rule, random swing by r,
// penalties and bonuses, and the +25 of the turn and river.
int StreetScore(const ScoreSituation& s);

// The score after the kind's adjustment. Stupid and Erratic seats draw a
// second number from rng; the other kinds do not draw.
int AdjustForKind(const ScoreSituation& s, int score, Rng& rng);

// +25 for each of r > 60, 65, ..., 95 when the score is 75 or more and the
// largest raise is more than four times the smallest; else 0.
int AggressionBonus(int score, int r, const BetLimitsResult& limits);

// Raise for the score: the highest tier reached, in units; 0 below 75.
uint64_t RaiseForScore(int score, uint64_t unit);

// -1 fold, 0 check or call, or the raise cut to the maximum and lifted to the
// minimum (the maximum wins when the limits cross).
int32_t DecisionFromScore(int score, uint32_t callAmount, uint64_t raise,
                          const BetLimitsResult& limits);

}  // namespace qf
