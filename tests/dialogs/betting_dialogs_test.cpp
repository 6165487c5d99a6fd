#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <initializer_list>

#include "dialogs/betting_dialog.h"
#include "dialogs/custom_betting_dialog.h"
#include "dialogs/dialog_test_support.h"

namespace qf::test {
namespace {

QStringList Entries(const QComboBox* list) {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
  return entries;
}

class BettingDialogTest : public testing::Test {
 protected:
  DialogBench bench;
};

TEST_F(BettingDialogTest, DefaultTableOpensWithItsSettings) {
  BettingDialog dialog(bench.ctx);
  EXPECT_EQ(dialog.windowTitle(), "Betting");
  EXPECT_EQ(Entries(dialog.BaseBetList()), QStringList({"2", "5", "10", "20", "25"}));
  EXPECT_EQ(dialog.BaseBetList()->currentText(), "2");
  EXPECT_EQ(Entries(dialog.StructureList()),
            QStringList({"$2/$4", "$2/$4/$8", "$2-$4", "$2-4-8", "$2-4-8-16", "Pot Limit $2",
                         "No Limit $2", "Custom..."}));
  EXPECT_EQ(dialog.StructureList()->currentIndex(), 0);
  EXPECT_EQ(dialog.RakeList()->count(), 11);
  EXPECT_EQ(dialog.RakeList()->itemText(0), "None");
  EXPECT_EQ(dialog.RakeList()->currentText(), "4%");
  EXPECT_EQ(Entries(dialog.AnteList()), QStringList({"Blinds", "All Ante"}));
  EXPECT_EQ(dialog.AnteList()->currentText(), "Blinds");
  EXPECT_EQ(dialog.RaisesList()->itemText(0), "Unlimited");
  EXPECT_EQ(dialog.RaisesList()->currentText(), "4");
  EXPECT_TRUE(dialog.ProgressiveBox()->isChecked());
}

TEST_F(BettingDialogTest, EachListStoresItsChoiceAtOnce) {
  BettingDialog dialog(bench.ctx);
  ChooseEntry(dialog.RakeList(), 0);
  EXPECT_EQ(bench.table.rakePercent, 0);
  ChooseEntry(dialog.RakeList(), 10);
  EXPECT_EQ(bench.table.rakePercent, 10);
  ChooseEntry(dialog.AnteList(), 1);
  EXPECT_EQ(bench.table.anteMode, 1);
  ChooseEntry(dialog.RaisesList(), 0);
  EXPECT_EQ(bench.table.raiseCap, 0);
  ChooseEntry(dialog.StructureList(), 5);
  EXPECT_EQ(bench.table.betStructure, StructurePotLimit);
}

TEST_F(BettingDialogTest, ChangingTheBaseBetKeepsTheOtherChoicesAndRelabels) {
  BettingDialog dialog(bench.ctx);
  ChooseEntry(dialog.StructureList(), 4);
  ChooseEntry(dialog.RakeList(), 7);
  ChooseEntry(dialog.BaseBetList(), 4);
  EXPECT_EQ(bench.table.baseBet, 25u);
  EXPECT_EQ(bench.table.betStructure, StructureSpreadWide);
  EXPECT_EQ(bench.table.rakePercent, 7);
  EXPECT_EQ(dialog.StructureList()->currentText(), "$25-50-100-200");
  EXPECT_EQ(dialog.StructureList()->itemText(1), "$25/$50/$100");
  EXPECT_EQ(dialog.RakeList()->currentText(), "7%");
}

TEST_F(BettingDialogTest, AnOddBaseBetShowsTwoButLabelsWithItsValueUntilReplaced) {
  bench.table.baseBet = 7;
  BettingDialog dialog(bench.ctx);
  EXPECT_EQ(dialog.BaseBetList()->currentText(), "2");
  EXPECT_EQ(dialog.StructureList()->itemText(0), "$7/$14");
  EXPECT_EQ(bench.table.baseBet, 7u);

  ChooseEntry(dialog.BaseBetList(), 0);  // the entry already shown
  EXPECT_EQ(bench.table.baseBet, 2u);
  EXPECT_EQ(dialog.StructureList()->itemText(0), "$2/$4");
}

TEST_F(BettingDialogTest, LargestBaseBetLabelsInFull) {
  bench.table.baseBet = 9999;
  BettingDialog dialog(bench.ctx);
  EXPECT_EQ(dialog.StructureList()->itemText(4), "$9999-19998-39996-79992");
  EXPECT_EQ(dialog.StructureList()->itemText(1), "$9999/$19998/$39996");
}

TEST_F(BettingDialogTest, ProgressiveRestartsAtLevelOne) {
  bench.table.progressiveLevel = 5;
  BettingDialog dialog(bench.ctx);
  Click(dialog.ProgressiveBox());
  EXPECT_EQ(bench.table.progressiveLevel, 0u);
  Click(dialog.ProgressiveBox());
  EXPECT_EQ(bench.table.progressiveLevel, 1u);
}

TEST_F(BettingDialogTest, CustomOpensTheCustomTableAtOnceAndAgainWhenChosenAgain) {
  BettingDialog dialog(bench.ctx);
  int opened = 0;
  auto raiseBaseBetTwice = [&opened](CustomBettingDialog* custom) {
    ++opened;
    ClickRow(custom->BetList(), 0);
    Click(custom->RaiseButton());
    Click(custom->RaiseButton());
    Click(custom->OkButton());
  };
  WhenOpen<CustomBettingDialog>(raiseBaseBetTwice);
  ChooseEntry(dialog.StructureList(), 7);
  EXPECT_EQ(bench.table.betStructure, StructureCustom);
  EXPECT_EQ(bench.table.baseBet, 4u);
  EXPECT_EQ(dialog.StructureList()->itemText(0), "$4/$8");
  EXPECT_EQ(dialog.StructureList()->currentText(), "Custom...");
  EXPECT_EQ(dialog.BaseBetList()->currentText(), "2");

  WhenOpen<CustomBettingDialog>(raiseBaseBetTwice);
  ChooseEntry(dialog.StructureList(), 7);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(bench.table.baseBet, 6u);
}

TEST_F(BettingDialogTest, HelpAndClosing) {
  BettingDialog dialog(bench.ctx);
  Click(dialog.HelpButton());
  EXPECT_EQ(bench.helpAnchors, QStringList({"Game_Help"}));
  WhenOpen<BettingDialog>([](BettingDialog* d) { d->close(); });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

class CustomBettingDialogTest : public testing::Test {
 protected:
  CustomBettingDialogTest() {
    for (int street = 0; street < 4; ++street) {
      bench.table.customMin[street] = 10u * (street + 1);
      bench.table.customMax[street] = 20u * (street + 1);
    }
  }

  void Step(CustomBettingDialog& dialog, int row, QPushButton* button, int times = 1) {
    ClickRow(dialog.BetList(), row);
    for (int i = 0; i < times; ++i) Click(button);
  }

  DialogBench bench;
};

TEST_F(CustomBettingDialogTest, ShowsNineRowsWithNoneSelected) {
  CustomBettingDialog dialog(bench.ctx);
  EXPECT_EQ(dialog.windowTitle(), "Custom Betting");
  QListWidget* list = dialog.BetList();
  ASSERT_EQ(list->count(), 9);
  EXPECT_EQ(list->item(0)->text(), "Ante or Big Blind: $2");
  EXPECT_EQ(list->item(1)->text(), "Pre Flop Max: $20");
  EXPECT_EQ(list->item(2)->text(), "Pre Flop Min: $10");
  EXPECT_EQ(list->item(7)->text(), "River Max: $80");
  EXPECT_EQ(list->item(8)->text(), "River Min: $40");
  EXPECT_TRUE(list->selectedItems().isEmpty());
  auto* title = dialog.findChild<QLabel*>();
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text(), "Custom bet settings");
  EXPECT_TRUE(title->font().bold());
}

TEST_F(CustomBettingDialogTest, StepButtonsWithoutARowChangeNothing) {
  CustomBettingDialog dialog(bench.ctx);
  const TableRecord before = bench.table;
  Click(dialog.LowerButton());
  Click(dialog.RaiseButton());
  EXPECT_EQ(std::memcmp(&before, &bench.table, sizeof before), 0);
}

TEST_F(CustomBettingDialogTest, LoweringAMinimumFromZeroWrapsAndPushesTheMaximum) {
  bench.table.customMin[1] = 0;
  CustomBettingDialog dialog(bench.ctx);
  Step(dialog, 4, dialog.LowerButton());
  EXPECT_EQ(bench.table.customMin[1], 9999u);
  EXPECT_EQ(bench.table.customMax[1], 9999u);
  EXPECT_EQ(dialog.BetList()->item(4)->text(), "Flop Min: $9999");
  EXPECT_EQ(dialog.BetList()->item(3)->text(), "Flop Max: $9999");
  EXPECT_EQ(dialog.BetList()->currentRow(), 4);
  EXPECT_TRUE(dialog.BetList()->item(4)->isSelected());
}

TEST_F(CustomBettingDialogTest, RaisingAMaximumPastTheTopWrapsAndPullsTheMinimum) {
  bench.table.customMax[3] = 9999;
  CustomBettingDialog dialog(bench.ctx);
  Step(dialog, 7, dialog.RaiseButton());
  EXPECT_EQ(bench.table.customMax[3], 0u);
  EXPECT_EQ(bench.table.customMin[3], 0u);
}

TEST_F(CustomBettingDialogTest, LoweringAMaximumAtItsMinimumLowersBoth) {
  bench.table.customMin[0] = 15;
  bench.table.customMax[0] = 15;
  CustomBettingDialog dialog(bench.ctx);
  Step(dialog, 1, dialog.LowerButton(), 3);
  EXPECT_EQ(bench.table.customMax[0], 12u);
  EXPECT_EQ(bench.table.customMin[0], 12u);
  // Raising the maximum again leaves the minimum where it was dragged.
  Step(dialog, 1, dialog.RaiseButton(), 2);
  EXPECT_EQ(bench.table.customMax[0], 14u);
  EXPECT_EQ(bench.table.customMin[0], 12u);
}

TEST_F(CustomBettingDialogTest, FirstRowIsTheBaseBet) {
  CustomBettingDialog dialog(bench.ctx);
  Step(dialog, 0, dialog.RaiseButton(), 5);
  EXPECT_EQ(bench.table.baseBet, 7u);
  EXPECT_EQ(dialog.BetList()->item(0)->text(), "Ante or Big Blind: $7");
  Step(dialog, 0, dialog.LowerButton(), 9);
  EXPECT_EQ(bench.table.baseBet, 9998u);  // 7 down to 0, then 9999, 9998
}

TEST_F(CustomBettingDialogTest, CancelOkAndClosingAllKeepTheSteps) {
  for (auto close : std::initializer_list<void (*)(CustomBettingDialog*)>{
           [](CustomBettingDialog* d) { Click(d->CancelButton()); },
           [](CustomBettingDialog* d) { Click(d->OkButton()); },
           [](CustomBettingDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }}) {
    const uint32_t was = bench.table.customMax[2];
    CustomBettingDialog dialog(bench.ctx);
    WhenOpen<CustomBettingDialog>([close](CustomBettingDialog* d) {
      ClickRow(d->BetList(), 5);
      Click(d->RaiseButton());
      close(d);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(bench.table.customMax[2], was + 1);
  }
}

TEST_F(CustomBettingDialogTest, HelpOpensItsPage) {
  CustomBettingDialog dialog(bench.ctx);
  Click(dialog.HelpButton());
  EXPECT_EQ(bench.helpAnchors, QStringList({"CustomBet_Help"}));
}

}  // namespace
}  // namespace qf::test
