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

TEST_F(PreferencesDialogTest, BoxesAreStoredWhenTheDialogClosesAndBustedIsInverted) {
  // The hidden boxes pass their fields through.
  bench.table.animateChips = 0;
  bench.table.animateCards = 1;
  bench.table.useHardButtons = 1;
  PreferencesDialog dialog(bench.ctx);
  dialog.show();
  Click(dialog.BustedQuitBox());
  Click(dialog.SoundBox());
  Click(dialog.ShowWinnerBox());
  EXPECT_EQ(bench.table.bustedStay, 1u);  // not yet
  EXPECT_EQ(bench.table.soundEnabled, 1);
  Click(dialog.OkButton());
  EXPECT_EQ(bench.table.bustedStay, 0u);
  EXPECT_EQ(bench.table.soundEnabled, 0);
  EXPECT_EQ(bench.table.alwaysShowWinner, 1u);
  EXPECT_EQ(bench.table.confirmDeal, 1u);
  EXPECT_EQ(bench.table.animateChips, 0);
  EXPECT_EQ(bench.table.animateCards, 1);
  EXPECT_EQ(bench.table.useHardButtons, 1);

  PreferencesDialog again(bench.ctx);
  again.show();
  EXPECT_TRUE(again.BustedQuitBox()->isChecked());
  Click(again.BustedQuitBox());
  Click(again.DealOutBox());
  QTest::keyClick(&again, Qt::Key_Escape);  // closing is OK
  EXPECT_EQ(bench.table.bustedStay, 1u);
  EXPECT_EQ(bench.table.alwaysDealOut, 1u);
}

TEST_F(PreferencesDialogTest, TableColourIsStoredTheMomentThePickerReturns) {
  bench.table.tableColor = 0x00336699;  // red 0x99, green 0x66, blue 0x33
  PreferencesDialog dialog(bench.ctx);
  // The platform's picker, backed out of.
  WhenModalOpens([](QWidget* picker) { QTest::keyClick(picker, Qt::Key_Escape); },
                 [](QWidget* w) { return w->inherits("QColorDialog"); });
  Click(dialog.TableColorButton());
  EXPECT_EQ(bench.table.tableColor, 0x00336699u);

  QColor offered;
  dialog.SetColorPicker([&offered](const QColor& initial, QWidget*) {
    offered = initial;
    return QColor(10, 20, 30);
  });
  Click(dialog.TableColorButton());
  EXPECT_EQ(offered, QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(bench.table.tableColor, 0x001E140Au);
  EXPECT_EQ(SwatchColor(dialog.TableColorButton()), qRgb(10, 20, 30) & 0xFFFFFF);

  dialog.SetColorPicker([](const QColor&, QWidget*) { return QColor(); });  // backs out
  Click(dialog.TableColorButton());
  EXPECT_EQ(bench.table.tableColor, 0x001E140Au);
  EXPECT_EQ(bench.table.backgroundColor, 0x0084FF84u);
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
