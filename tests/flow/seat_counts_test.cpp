// Seat counts and computer kinds as the New Table dialog sets them.
#include "flow/seat_counts.h"

#include <gtest/gtest.h>

#include "flow_test_support.h"

namespace qf {
namespace {

using testing::KindOf;
using testing::MakeTable;

// Whether the seat's kind fits the letter: a kind's own letter, or * any computer,
// i Intermediate (Tight, Loose), b Beginner (Stupid, Paranoid, Bluffing, Erratic).
bool Fits(uint32_t kind, char letter) {
  if (letter == '*') return IsComputerKind(kind);
  if (letter == 'i') return kind == KindTight || kind == KindLoose;
  if (letter == 'b') return kind >= KindStupid && kind <= KindErratic;
  return kind == KindOf(letter);
}

TEST(SeatCountsTest, SetSeatCountsTakesSeatsAndGivesThemBack) {
  struct Case {
    const char* before;  // empty: the table the previous row left
    int players, humans;
    const char* after;  // seats 0..9
  };
  // clang-format off
  const Case cases[] = {
      // Humans up to every seat (two or more are all hidden), then back to one.
      {"HSSS", -1, 4, "hhhh......"},
      {"", -1, 1, "H***......"},
      // Hidden humans go down one at a time; a seat given up is refilled.
      {"HSSSS", -1, 3, "hhhSS....."},
      {"", -1, 2, "hh***....."},
      // No human: the lowest Inactive seat is refilled with a computer.
      {"HSS", -1, 0, "***......."},
      // Players up; down, the highest computers leave first, then the highest seat in play.
      {"HSS", 6, -1, "HSSSSS...."},
      {"", 2, -1, "HS........"},
      {"hhh", 2, -1, "hh........"},
      // Every computer takes the level of the table as it was, humans and empty seats stay.
      {"HTL", 5, -1, "Hiiii....."},
      {"HDE.h", 8, -1, "Hbbbhbbb.."}
  };
  // clang-format on
  Rng rng(2);
  TableRecord table;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.before << " " << c.players << " " << c.humans);
    if (*c.before) table = MakeTable(c.before);
    SetSeatCounts(table, rng, c.players, c.humans);
    for (int seat = 0; seat < kSeatCount; ++seat) {
      EXPECT_TRUE(Fits(table.players[seat].kind, c.after[seat]))
          << "seat " << seat << " kind " << table.players[seat].kind;
    }
  }
}

}  // namespace
}  // namespace qf
