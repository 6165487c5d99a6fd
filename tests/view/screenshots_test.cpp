// Writes the documentation's pictures of real hands (3x, names and amounts
// on) when QF_SCREENSHOT_DIR names a folder; otherwise it is skipped.
#include <gtest/gtest.h>

#include <QDir>

#include "flow/driver.h"
#include "flow/repaint.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

class Screenshots : public ViewTest {
 protected:
  void SetUp() override {
    dir_ = qEnvironmentVariable("QF_SCREENSHOT_DIR");
    if (dir_.isEmpty()) GTEST_SKIP() << "QF_SCREENSHOT_DIR is not set";
    session.showNames = session.showAmounts = true;
  }

  void Save(const QString& name) {
    const QImage shot = Buffer()
                            .copy(0, 0, kTableWidth, kTableHeight)
                            .scaled(3 * kTableWidth, 3 * kTableHeight, Qt::IgnoreAspectRatio,
                                    Qt::FastTransformation);
    const QString path = QDir(dir_).filePath(name);
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
  }

  // The human to act after the flop, then the same hand settled at the showdown.
  void PlayAndShoot(const QString& prefix) {
    const auto midHand = [](const Turn& t, const TableRecord& tb) {
      return t.code == TurnAct && t.seat == 0 && tb.players[0].cardsSeen >= tb.holeCards + 3;
    };
    RepaintAll(table, session, ui, false);  // as the window does when it opens
    PlayUntil(table, session, rng, ui, midHand);
    Save(prefix + "-midhand.png");
    PlayUntil(table, session, rng, ui,
              [](const Turn& t, const TableRecord&) { return t.code == TurnShowdown; });
    TickGame(table, session, rng, ui);  // settles the pots and shows the winners
    Save(prefix + "-showdown.png");
  }

  QString dir_;
};

TEST_F(Screenshots, TenSeatTexas) {
  SetUpTable(table, false, false, KindHuman);
  PlayAndShoot("table-texas-ten");
}

TEST_F(Screenshots, SixSeatOmaha) {
  SetUpTable(table, true, true, KindHuman);
  table.tableColor = 0x00703818;
  PlayAndShoot("table-omaha-six");
}

}  // namespace
}  // namespace qf::test
