// The odds shown to a human player on their turn: the chance to win and to
// tie against the seats still in the hand (whose cards the player cannot
// see) and the pot odds of the call, e.g. "Win 41% Tie 3%  Pot odds 4:1".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/equity.h"
#include "engine/table_record.h"

namespace qf {

struct OddsQuestion {
  uint64_t key = 0;    // the same for two tables that ask the same question
  EquitySpot spot;     // the player's cards first, every other live seat unknown
  uint64_t pot = 0;    // chips in the pot
  uint32_t call = 0;   // what the player must put in to call
};

// The question for the human seat to act, if one is; nothing while a
// computer acts, a forced bet or a deal is due, or the hand is over.
std::optional<OddsQuestion> OddsQuestionFor(const TableRecord& table);

// "Win 41% Tie 3%  Pot odds 4:1": each figure rounded to what its standard
// error supports; no pot odds when there is nothing to call.
std::string OddsText(const EquityResult& result, uint64_t pot, uint32_t call);

// The odds as the game counts them: exactly when few deals are left (the
// river, heads-up on the turn), else over `trials` random deals drawn with an
// Rng seeded from the question.
EquityResult CountOdds(const OddsQuestion& question, uint64_t trials);

}  // namespace qf
