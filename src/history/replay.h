// Plays a recorded hand again through the game's own engine, one step per
// recorded action, so that it can be shown on a table and checked: a hand
// that replays to other stacks than it recorded was not recorded right.
#pragma once

#include <string>
#include <vector>

#include "engine/table_record.h"
#include "history/hand_record.h"

namespace qf {

struct ReplayStep {
  TableRecord table;  // the table after the step
  std::string text;   // the step in words: "Zena raises to $8", "Board: 7h 8h 9c", ...
  int action = -1;    // the recorded action it carries out (-1: forced bets or the payout)
};

struct Replay {
  std::vector<ReplayStep> steps;  // the forced bets first, the payout last
  std::string problem;            // why the replay stopped early ("" when it did not)
};

// The table as the hand began: the players in their seats with their
// starting stacks and the hand's rules, the deck holding the recorded cards.
TableRecord TableAtStart(const HandRecord& hand);

Replay ReplayHand(const HandRecord& hand);

}  // namespace qf
