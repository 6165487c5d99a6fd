#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <initializer_list>

#include "dialogs/dialog_test_support.h"
#include "dialogs/game_stats_dialog.h"
#include "dialogs/preferences_dialog.h"

namespace qf::test {
namespace {

QRgb SwatchColor(const QPushButton* button) {
  const QImage swatch = button->icon().pixmap(button->iconSize()).toImage();
  return swatch.pixel(swatch.width() / 2, swatch.height() / 2) & 0xFFFFFF;
}

using PreferencesDialogTest = DialogTest;

TEST_F(PreferencesDialogTest, WhiteBehindTheBoxesAndTheTableColourInItsSwatch) {
  PreferencesDialog dialog(bench.ctx);
  dialog.show();
  EXPECT_EQ(SwatchColor(dialog.TableColorButton()), qRgb(0, 130, 0) & 0xFFFFFF);
  const QImage shown = dialog.grab().toImage();
  const QLabel* label = dialog.findChild<QLabel*>();
  for (const QPoint at : {QPoint(2, 2), label->geometry().topRight() + QPoint(-2, 2),
                          QPoint(shown.width() - 3, shown.height() - 3)})
    EXPECT_EQ(shown.pixel(at) & 0xFFFFFFu, 0xFFFFFFu) << at.x() << ", " << at.y();
}

using GameStatsDialogTest = DialogTest;

TEST_F(GameStatsDialogTest, LevelFollowsTheComputerSeats) {
  const struct {
    std::initializer_list<SeatKind> kinds;
    const char* level;
  } tables[] = {{{KindHuman, KindSmart, KindTight}, "Pro"},
                {{KindHuman, KindErratic, KindTight}, "Beginner"},
                {{KindHuman, KindHiddenHuman, KindInactive}, "Intermediate"}};
  for (const auto& table : tables) {
    SCOPED_TRACE(table.level);
    bench.SeatKinds(table.kinds);
    EXPECT_EQ(GameStatsDialog(bench.ctx).FigureLabel(2)->text(), table.level);
  }
}

}  // namespace
}  // namespace qf::test
