// Table operations on the seats' kinds used by the New Table dialog and Game Stats.
#pragma once

#include "engine/rng.h"
#include "engine/table_record.h"

namespace qf {

struct SeatCounts {
  int playerCount = 0;   // seats in play
  int humanCount = 0;    // Human and Hidden Human seats
  int skillBalance = 0;  // +1 per Smart, -1 per Stupid/Paranoid/Bluffing/Erratic
};

SeatCounts CountSeatKinds(const TableRecord& table);

// level > 0 Pro (all Smart), 0 Intermediate (Tight or Loose, one draw each),
// < 0 Beginner (Paranoid, Stupid, Erratic or Bluffing, one draw each).
void AssignComputerKinds(TableRecord& table, Rng& rng, int level);

// -1 leaves a count alone.
void SetSeatCounts(TableRecord& table, Rng& rng, int wantPlayers, int wantHumans);

// "Beginner", "Intermediate" or "Pro" by the sign of skillBalance.
const char* SkillLevelName(int skillBalance);

}  // namespace qf
