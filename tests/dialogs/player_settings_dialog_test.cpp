#include "dialogs/player_settings_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <cstring>

#include "dialogs/dialog_pictures.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/game_stats_dialog.h"
#include "dialogs/seat_preview.h"

namespace qf::test {
namespace {

class PlayerSettingsDialogTest : public testing::Test {
 protected:
  PlayerSettingsDialogTest() {
    bench.SeatKinds({KindHuman, KindSmart, KindTight, KindLoose, KindStupid});
  }

  void TypeName(PlayerSettingsDialog& dialog, const QString& name) {
    dialog.NameBox()->selectAll();
    QTest::keyClick(dialog.NameBox(), Qt::Key_Backspace);
    // One key press per character, carrying its text (also beyond ASCII).
    for (const QChar c : name)
      QTest::sendKeyEvent(QTest::Click, dialog.NameBox(), Qt::Key_unknown, QString(c), {});
  }

  DialogBench bench;
};

TEST_F(PlayerSettingsDialogTest, TypedNamesOfOneToSixCharactersAreStoredCleanInEightBits) {
  std::memset(bench.table.players[0].name, 'x', kNameSize - 1);
  const struct {
    const char* typed;  // UTF-8; nullptr: the box is left alone
    char stored[kNameSize];
  } names[] = {
      {nullptr, "xxxxxxxxxxxxxxxxxxx"},  // a longer name set elsewhere is kept
      {"Rowena", "Rowena"},
      {"Maximilian", "Maximi"},  // the box takes six characters, all stored
      {"", "Maximi"},
      {"Zo\u00eb\u4e2d", "Zo\xeb?"},  // Latin-1 kept, the rest replaced
  };
  for (const auto& name : names) {
    SCOPED_TRACE(name.typed);
    PlayerSettingsDialog dialog(bench.ctx);
    if (name.typed) TypeName(dialog, QString::fromUtf8(name.typed));
    Click(dialog.OkButton());
    EXPECT_EQ(std::memcmp(bench.table.players[0].name, name.stored, kNameSize), 0)
        << bench.table.players[0].name;
  }
  PlayerSettingsDialog dialog(bench.ctx);
  EXPECT_EQ(dialog.NameBox()->text(), QString::fromUtf8("Zo\u00eb?"));
}

TEST_F(PlayerSettingsDialogTest, ChoosingAnotherSeatStoresTheNameTypedForTheFirst) {
  PlayerSettingsDialog dialog(bench.ctx);
  TypeName(dialog, "Ada");
  ChooseEntry(dialog.SeatList(), 2);
  EXPECT_STREQ(bench.table.players[0].name, "Ada");
  EXPECT_EQ(bench.session.settingsSeat, 2);
  EXPECT_EQ(dialog.NameBox()->text(), "Oswin");
  EXPECT_EQ(dialog.KindList()->currentText(), "Tight Computer");
}

TEST_F(PlayerSettingsDialogTest, KindIsStoredAtOnceAndThePictureFollowsAtTheNextRefresh) {
  bench.session.settingsSeat = 1;
  PlayerSettingsDialog dialog(bench.ctx);
  dialog.show();
  const auto painted = [&dialog] {
    return dialog.Preview()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  };
  const auto onWhite = [](const QImage& face) {  // the key colour shows the white behind it
    QImage want(20, 20, QImage::Format_RGB32);
    want.fill(Qt::white);
    QPainter(&want).drawImage(0, 0, face);
    return want;
  };
  const QImage smart = onWhite(SeatPicture(1, KindSmart));
  EXPECT_EQ(painted(), smart);
  dialog.repaint();
  EXPECT_EQ(painted(), smart);

  ChooseEntry(dialog.KindList(), KindHuman);
  EXPECT_EQ(bench.table.players[1].kind, KindHuman);
  EXPECT_EQ(painted(), smart);
  Click(dialog.BuyInButton());  // refreshes
  EXPECT_EQ(painted(), onWhite(SeatPicture(1, KindHuman)));
}

TEST_F(PlayerSettingsDialogTest, BuyInAndCashInKeepBalancePlusChipsAndDropATypedName) {
  PlayerSettingsDialog dialog(bench.ctx);
  const PlayerRecord& seat = bench.table.players[0];
  const int64_t worth = int64_t{seat.balance} + seat.chips;

  TypeName(dialog, "Ada");
  Click(dialog.BuyInButton());
  EXPECT_EQ(dialog.NameBox()->text(), "You");  // the refresh shows the stored name
  EXPECT_EQ(seat.chips, 220u);
  EXPECT_EQ(seat.balance, -220);
  EXPECT_EQ(dialog.StatLabel(0)->text(), "Chips: $220");
  EXPECT_EQ(dialog.StatLabel(1)->text(), "Debt: $220");
  EXPECT_EQ(int64_t{seat.balance} + seat.chips, worth);

  Click(dialog.CashInButton());
  EXPECT_EQ(seat.chips, 0u);
  EXPECT_EQ(seat.balance, 0);
  EXPECT_EQ(dialog.StatLabel(1)->text(), "Profit: $0");
  EXPECT_EQ(int64_t{seat.balance} + seat.chips, worth);
  Click(dialog.OkButton());
  EXPECT_STREQ(seat.name, "You");
}

TEST_F(PlayerSettingsDialogTest, GameStatsOpensItForIndividualStats) {
  bench.session.settingsSeat = 2;
  GameStatsDialog stats(bench.ctx);
  QString shownSeat;
  WhenOpen<PlayerSettingsDialog>([&shownSeat](PlayerSettingsDialog* dialog) {
    shownSeat = dialog->SeatList()->currentText();
    Click(dialog->BuyInButton());
    Click(dialog->OkButton());
  });
  const QString cashBefore = stats.FigureLabel(4)->text();
  Click(stats.IndividualStatsButton());
  EXPECT_EQ(shownSeat, "Player 3");
  EXPECT_EQ(bench.table.players[2].chips, 220u);
  EXPECT_EQ(stats.FigureLabel(4)->text(), cashBefore);  // not worked out again
}

}  // namespace
}  // namespace qf::test
