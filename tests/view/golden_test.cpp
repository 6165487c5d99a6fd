// Whole tables compared pixel for pixel with stored pictures of them. When
// the pictures or the layout change on purpose, write the goldens anew with
// QF_REGENERATE_GOLDEN=1 and look at them before committing.
#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "engine/table_defaults.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

std::filesystem::path GoldenDir() {
  return std::filesystem::path(__FILE__).parent_path() / "golden";
}

class Golden : public ViewTest {
 protected:
  // The table area after a whole-table repaint, compared with golden/<name>.png.
  void ExpectGolden(const std::string& name) {
    view.DrawFullTable(table, false);
    const QImage actual = Buffer().copy(0, 0, kTableWidth, kTableRect.bottom);
    const QString path = QString::fromStdString((GoldenDir() / (name + ".png")).string());
    if (!qEnvironmentVariableIsEmpty("QF_REGENERATE_GOLDEN")) {
      ASSERT_TRUE(actual.save(path)) << path.toStdString();
      GTEST_SKIP() << "wrote " << path.toStdString();
    }
    const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(golden.isNull()) << "missing " << path.toStdString();
    ASSERT_EQ(golden.size(), actual.size());
    const int differing = DifferingPixels(golden, actual, {0, 0, kTableWidth, kTableRect.bottom});
    if (differing != 0) {
      const QString saved = QDir::temp().filePath(QString::fromStdString(name + "-actual.png"));
      actual.save(saved);
      ADD_FAILURE() << differing << " pixels differ from " << path.toStdString()
                    << "; this drawing is in " << saved.toStdString()
                    << " (if the pictures changed on purpose, regenerate with "
                       "QF_REGENERATE_GOLDEN=1)";
    }
  }
};

TEST_F(Golden, TenSeatTexasOnTheFlop) {
  session.showNames = session.showAmounts = true;
  DealOrderedDeck(table, table.holeCards + 3);
  for (int i = 0; i < kDeckSize; ++i) table.deck[i] = static_cast<uint8_t>((i * 19) % 52 + 1);
  table.dealer = 4;
  table.raisesThisRound = 1;
  const uint32_t inPot[10] = {12, 12, 4, 12, 0, 20, 20, 2, 20, 12};
  const uint32_t actions[10] = {ActionCall,  ActionCall, ActionFold, ActionCall, ActionNone,
                                ActionRaise, ActionCall, ActionFold, ActionCall, ActionNone};
  const uint32_t chips[10] = {188, 250, 196, 17, 200, 0, 340, 198, 90, 188};
  for (int seat = 0; seat < 10; ++seat) {
    PlayerRecord& p = table.players[seat];
    p.inPot = inPot[seat];
    p.lastAction = actions[seat];
    p.chips = chips[seat];
    p.status = StatusCalled;
  }
  table.players[2].status = StatusOut;     // folded, seat kept
  table.players[7].status = StatusFolded;  // folded, tile only
  table.players[4].kind = KindInactive;
  table.players[9].status = StatusToAct;
  CopyName(table.players[6].name, "Bartholomew");
  ExpectGolden("ten_texas_flop");
}

TEST_F(Golden, SixSeatOmahaAtTheShowdown) {
  SetUpTable(table, true, true, KindHiddenHuman);
  session.showNames = session.showAmounts = true;
  DealOrderedDeck(table, table.holeCards + 5);
  for (int i = 0; i < kDeckSize; ++i) table.deck[i] = static_cast<uint8_t>((i * 23) % 52 + 1);
  table.cardsDealt = static_cast<uint8_t>(table.holeCards + 6);
  table.dealer = 1;
  table.tableColor = 0x00603010;
  const uint32_t winnings[6] = {0, 130, 0, 0, 40, 0};
  for (int seat = 0; seat < 6; ++seat) {
    PlayerRecord& p = table.players[seat];
    p.inPot = 34;
    p.winnings = winnings[seat];
    p.isWinner = seat == 1 ? 1 : 0;
    p.lastAction = ActionCall;
  }
  table.players[3].status = StatusFolded;
  table.players[5].chips = 0;
  ExpectGolden("six_omaha_showdown");
}

TEST_F(Golden, TenSeatBlindDueWithLabelsOff) {
  DealOrderedDeck(table, 0);
  table.dealer = 8;
  table.tableColor = 0x00800000;
  table.players[1].kind = KindInactive;
  table.players[5].kind = KindHiddenHuman;
  ExpectGolden("ten_blind_due");
}

}  // namespace
}  // namespace qf::test
