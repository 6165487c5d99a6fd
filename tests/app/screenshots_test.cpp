// Writes the documentation's pictures of the game window (3x) when
// QF_SCREENSHOT_DIR names a folder; otherwise it is skipped.
#include <QDir>

#include "game_harness.h"

namespace qf::apptest {
namespace {

void ShootOdds(const TableRecord& table, const QString& name) {
  const QString dir = qEnvironmentVariable("QF_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "QF_SCREENSHOT_DIR is not set";
  GameHarness game;
  game.WriteTable(table);
  game.Start(3);
  // The player calls along before the flop and is to act on it.
  const int flop = table.holeCards + 3;
  for (int step = 0; step < 2000; ++step) {
    const Turn turn = game.Next();
    if (turn.code == TurnAct && turn.seat == 0 && !game.Label(1).empty()) {
      if (game.Table().players[0].cardsSeen >= flop) break;
      game.Key(Qt::Key_1);
    } else {
      game.Tick();
    }
  }
  ASSERT_GE(game.Table().players[0].cardsSeen, flop);
  if (!game.window->findChild<QAction*>("actionOdds")->isChecked()) game.Trigger("actionOdds");
  game.window->Odds().WaitForCount();
  QCoreApplication::processEvents();
  ASSERT_TRUE(game.window->TableArea()->grab().save(QDir(dir).filePath(name)));
}

TEST(Screenshots, OddsInTexasAndOmaha) {
  TableRecord texas = MakeTable({KindHuman, KindSmart, KindLoose, KindTight, KindLoose, KindSmart,
                                 KindStupid, KindLoose, KindErratic, KindLoose});
  ShootOdds(texas, "odds-texas.png");
  TableRecord omaha = MakeTable({KindHuman, KindLoose, KindStupid, KindLoose, KindErratic});
  omaha.holeCards = kOmahaHoleCards;
  omaha.tableColor = 0x00703818;
  ShootOdds(omaha, "odds-omaha.png");
}

}  // namespace
}  // namespace qf::apptest
