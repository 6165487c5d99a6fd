// The action button bar: labels for the seat to act and the pending raise.
#include "flow/button_bar.h"

#include <gtest/gtest.h>

#include "flow_test_support.h"

namespace qf {
namespace {

using testing::CallAlongUntil;
using testing::MakeTable;
using testing::RecordingUi;
using testing::SeatZeroActsWith;
using Labels = std::array<std::string, 3>;
using Calls = std::vector<std::string>;

class ButtonBarTest : public ::testing::Test {
 protected:
  // Seat 0 (human) to act holding cards: before the flop (2) the button is on
  // seat 0, after it (5) on seat 2.
  void ReachSeatZero(uint8_t structure, uint32_t baseBet, int cards) {
    table = MakeTable({KindHuman, KindSmart, KindTight}, baseBet, structure);
    table.dealer = cards == 2 ? 0 : 2;
    session = SessionState{};
    ASSERT_TRUE(CallAlongUntil(table, session, ui, rng, SeatZeroActsWith(cards)));
    ui.Clear();
  }
  void Build(std::optional<uint32_t> pending) { BuildButtonBar(table, session, ui, pending); }

  TableRecord table;
  SessionState session;
  Rng rng{21};
  RecordingUi ui;
};

TEST_F(ButtonBarTest, BettingLabels) {
  struct Case {
    uint8_t structure;
    uint32_t baseBet;
    int cards;
    std::optional<uint32_t> pending;  // none: as after a dialog, no raise offered
    Labels labels;
  };
  // clang-format off
  const Case cases[] = {
      {StructureFixed, 2, 2, 0u, {"Call 2", "Raise 2", "Fold"}},
      {StructureFixed, 2, 2, std::nullopt, {"Call 2", "", "Fold"}},
      {StructureFixed, 2, 5, 0u, {"Check", "Bet 2", "Fold"}},
      {StructureFixed, 2, 5, std::nullopt, {"Check", "Check", "Fold"}},
      // Chosen amounts have no figure on the button.
      {StructureNoLimit, 10, 5, 0u, {"Check", "Bet", "Fold"}},
      {StructureNoLimit, 10, 2, 0u, {"Call 10", "Raise", "Fold"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << int{c.structure} << " " << c.cards);
    ReachSeatZero(c.structure, c.baseBet, c.cards);
    Build(c.pending);
    EXPECT_EQ(session.buttonLabel, c.labels);
  }
  // A seat without chips gets "All In" alone, with the focus.
  session.focusedButton = 3;
  table.players[0].chips = 0;
  ui.Clear();
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"All In", "", ""}));
  EXPECT_EQ(ui.calls,
            (Calls{"Erase 2", "Erase 3", "Button 1 All In plain", "Button 1 All In lit"}));
}

TEST_F(ButtonBarTest, PendingRaiseWrapsIntoTheLimits) {
  ReachSeatZero(StructureNoLimit, 10, 5);
  table.players[0].chips = 200;  // limits 10..200
  for (auto [given, kept] : {std::pair{0u, 200u}, {250u, 10u}, {5u, 200u}, {120u, 120u}}) {
    Build(given);
    EXPECT_EQ(session.pendingRaise, kept) << given;
  }
  Build(std::nullopt);  // no pending raise given: the kept one is left alone
  EXPECT_EQ(session.pendingRaise, 120u);
  table.players[0].chips = 3'000'000'000u;  // limits past the signed range
  Build(2'500'000'000u);
  EXPECT_EQ(session.pendingRaise, 2'500'000'000u);

  // A custom street whose minimum is 0 still offers a bet.
  table.betStructure = StructureCustom;
  table.customMin[1] = 0;
  table.customMax[1] = 8;
  Build(0u);
  EXPECT_EQ(session.pendingRaise, 8u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Check", "Bet", "Fold"}));

  // Once the raise cap is reached the limits are 0: a pending raise of 0 stays 0.
  table.raiseCap = table.raisesThisRound = 1;
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Check", "Check", "Fold"}));
  EXPECT_EQ(session.pendingRaise, 0u);
}

}  // namespace
}  // namespace qf
