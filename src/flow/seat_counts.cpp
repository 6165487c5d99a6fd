#include "flow/seat_counts.h"

namespace qf {

namespace {

// The seat (searching upward or downward) whose kind passes test; -1 if none.
template <typename Test>
int FindSeat(const TableRecord& table, bool highest, Test test) {
  for (int i = 0; i < kSeatCount; ++i) {
    const int seat = highest ? kSeatCount - 1 - i : i;
    if (test(table.players[seat].kind)) return seat;
  }
  return -1;
}

bool IsInactiveKind(uint32_t kind) {
  return kind == KindInactive;
}
bool IsActiveKind(uint32_t kind) {
  return kind != KindInactive;
}

}  // namespace

SeatCounts CountSeatKinds(const TableRecord& table) {
  SeatCounts counts;
  for (const PlayerRecord& player : table.players) {
    switch (player.kind) {
      case KindHuman:
      case KindHiddenHuman:
        ++counts.playerCount;
        ++counts.humanCount;
        break;
      case KindSmart:
        ++counts.playerCount;
        ++counts.skillBalance;
        break;
      case KindTight:
      case KindLoose:
        ++counts.playerCount;
        break;
      case KindStupid:
      case KindParanoid:
      case KindBluffing:
      case KindErratic:
        ++counts.playerCount;
        --counts.skillBalance;
        break;
      default:
        break;
    }
  }
  return counts;
}

void AssignComputerKinds(TableRecord& table, Rng& rng, int level) {
  static constexpr SeatKind kIntermediate[] = {KindTight, KindLoose};
  static constexpr SeatKind kBeginner[] = {KindParanoid, KindStupid, KindErratic, KindBluffing};
  for (PlayerRecord& player : table.players) {
    if (!IsComputerKind(player.kind)) continue;
    if (level > 0) {
      player.kind = KindSmart;
    } else if (level == 0) {
      player.kind = kIntermediate[Random(rng, 2)];
    } else {
      player.kind = kBeginner[Random(rng, 4)];
    }
  }
}

void SetSeatCounts(TableRecord& table, Rng& rng, int wantPlayers, int wantHumans) {
  SeatCounts counts = CountSeatKinds(table);
  if (wantHumans >= 0) {
    while (wantHumans > counts.humanCount && counts.humanCount < counts.playerCount) {
      const int seat = FindSeat(table, false, IsComputerKind);
      if (seat < 0) break;
      ++counts.humanCount;
      table.players[seat].kind = KindHuman;
    }
    // Hidden Human seats count as humans too: with two or more humans every
    // human seat is hidden, and the count could otherwise never go down.
    while (wantHumans < counts.humanCount) {
      --counts.humanCount;
      const int seat = FindSeat(table, true, IsHumanKind);
      if (seat >= 0) table.players[seat].kind = KindInactive;
    }
    if (wantPlayers <= 0) wantPlayers = counts.playerCount;  // refill a seat given up above
    counts = CountSeatKinds(table);
  }

  if (wantHumans == 1) {
    for (PlayerRecord& player : table.players) {
      if (player.kind == KindHiddenHuman) player.kind = KindHuman;
    }
  } else if (wantHumans >= 2) {
    for (PlayerRecord& player : table.players) {
      if (player.kind == KindHuman) player.kind = KindHiddenHuman;
    }
  }

  if (wantPlayers > 1) {
    int playerCount = counts.playerCount;
    while (playerCount < wantPlayers) {
      const int seat = FindSeat(table, false, IsInactiveKind);
      if (seat < 0) break;
      ++playerCount;
      table.players[seat].kind = KindSmart;
    }
    while (playerCount > wantPlayers) {
      int seat = FindSeat(table, true, IsComputerKind);
      if (seat < 0) seat = FindSeat(table, true, IsActiveKind);
      if (seat < 0) break;
      table.players[seat].kind = KindInactive;
      --playerCount;
    }
  }

  AssignComputerKinds(table, rng, counts.skillBalance);
}

const char* SkillLevelName(int skillBalance) {
  if (skillBalance < 0) return "Beginner";
  if (skillBalance == 0) return "Intermediate";
  return "Pro";
}

}  // namespace qf
