// Writes the documentation's pictures of real hands (3x, names and amounts
// on) when QF_SCREENSHOT_DIR names a folder; otherwise it is skipped.
#include <QDir>

#include "flow/driver.h"
#include "flow/repaint.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

TEST_F(ViewTest, Screenshots) {
  const QDir dir(qEnvironmentVariable("QF_SCREENSHOT_DIR"));
  if (qEnvironmentVariableIsEmpty("QF_SCREENSHOT_DIR"))
    GTEST_SKIP() << "QF_SCREENSHOT_DIR is not set";
  session.showNames = session.showAmounts = true;
  const auto save = [&](const std::string& name) {
    const QImage shot =
        Buffer().copy(0, 0, kTableWidth, kTableHeight).scaled(3 * kTableWidth, 3 * kTableHeight);
    EXPECT_TRUE(shot.save(dir.filePath(QString::fromStdString(name)))) << name;
  };
  for (const bool six : {false, true}) {
    SetUpTable(table, six, six, KindHuman);
    if (six) table.tableColor = 0x00703818;
    const std::string prefix = six ? "table-omaha-six" : "table-texas-ten";
    RepaintAll(table, session, ui, false);  // as the window does when it opens
    // The human to act after the flop, then the same hand settled at the showdown.
    PlayUntil(table, session, rng, ui, [](const Turn& t, const TableRecord& tb) {
      return t.code == TurnAct && t.seat == 0 && tb.players[0].cardsSeen >= tb.holeCards + 3;
    });
    save(prefix + "-midhand.png");
    PlayUntil(table, session, rng, ui,
              [](const Turn& t, const TableRecord&) { return t.code == TurnShowdown; });
    TickGame(table, session, rng, ui);  // settles the pots and shows the winners
    save(prefix + "-showdown.png");
  }
}

}  // namespace
}  // namespace qf::test
