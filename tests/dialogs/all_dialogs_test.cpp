// Every dialog in one table: what it shows when it opens (compared with
// golden/<name>.txt), the help page its "Help" opens, and how it closes.
// Escape and the window's close button are Cancel in a dialog that has a
// Cancel button and OK in the others: what OK stores is stored, and a
// question closed that way has no answer.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "dialogs/about_dialog.h"
#include "dialogs/betting_dialog.h"
#include "dialogs/confirmation_dialog.h"
#include "dialogs/custom_betting_dialog.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/game_stats_dialog.h"
#include "dialogs/new_table_dialog.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/preferences_dialog.h"

namespace qf::test {
namespace {

// A table part-way through a session: nine seats of every kind, seat 3's
// figures, a base bet the Betting dialog does not offer, Omaha, a Visitor,
// sums past 32 bits.
void MidSession(DialogBench& b) {
  b.SeatKinds({KindHuman, KindParanoid, KindBluffing, KindStupid, KindErratic, KindSmart,
               KindHiddenHuman, KindTight, KindInactive, KindLoose});
  b.table.baseBet = 9999;
  b.table.betStructure = StructureSpreadWide;
  b.table.holeCards = kOmahaHoleCards;
  b.session.visitorMode = true;
  b.session.settingsSeat = 3;
  PlayerRecord* p = b.table.players;
  p[3].chips = 164, p[3].balance = -236, p[3].raises = 7, p[3].calls = 31, p[3].folds = 44;
  p[3].checks = 12, p[3].handsPlayed = 86, p[3].handsWon = 11, p[3].rakePaid = 9;
  p[0].chips = 4'000'000'000u, p[0].inPot = 30, p[0].handsPlayed = 12, p[0].rakePaid = 3;
  p[1].inPot = 20, p[1].handsPlayed = 15, p[1].rakePaid = 4'294'967'295u;
  p[8].handsPlayed = 40, p[8].rakePaid = 2;  // an old seat, out of play now
  for (int street = 0; street < 4; ++street) {
    b.table.customMin[street] = 10u * (street + 1);
    b.table.customMax[street] = 20u * (street + 1);
  }
}

void Fresh(DialogBench& b) {
  b.SeatKinds({KindHuman, KindSmart, KindStupid, KindTight});
}

template <class D>
QDialog* Open(DialogBench& b) {
  return new D(b.ctx);
}
template <>
QDialog* Open<AboutDialog>(DialogBench& b) {
  return new AboutDialog(b.ctx, false);
}
template <>
QDialog* Open<ConfirmationDialog>(DialogBench&) {
  return new ConfirmationDialog("Ivy is out of chips.", {"Buy In", "Sit Out", "Leave"});
}

const struct {
  const char* name;
  void (*setUp)(DialogBench&);
  QDialog* (*open)(DialogBench&);
  const char* help;                              // its help page, if it has "Help"
  void (*edit)(QDialog*);                        // by the user before closing
  bool (*closed)(const DialogBench&, QDialog*);  // after Escape or the close button
} kDialogs[] = {
    {"new_table", MidSession, Open<NewTableDialog>, "NewTable_Help", nullptr,
     [](const DialogBench& b, QDialog*) { return b.table.dealer == kDealerCancelled; }},
    {"betting", Fresh, Open<BettingDialog>, "Game_Help", nullptr, nullptr},
    {"betting_base_not_offered", MidSession, Open<BettingDialog>, "Game_Help", nullptr, nullptr},
    {"custom_betting", MidSession, Open<CustomBettingDialog>, "CustomBet_Help",
     [](QDialog* d) {  // $9999 raised wraps to $1, never $0; Cancel keeps it
       static_cast<CustomBettingDialog*>(d)->BetList()->setCurrentRow(0);
       static_cast<CustomBettingDialog*>(d)->RaiseButton()->click();
     },
     [](const DialogBench& b, QDialog*) { return b.table.baseBet == 1; }},
    {"player_settings", MidSession, Open<PlayerSettingsDialog>, nullptr,
     [](QDialog* d) {
       static_cast<PlayerSettingsDialog*>(d)->NameBox()->clear();
       QTest::keyClicks(static_cast<PlayerSettingsDialog*>(d)->NameBox(), "Ada");
     },
     [](const DialogBench& b, QDialog*) { return std::string(b.table.players[3].name) == "Ada"; }},
    {"preferences", Fresh, Open<PreferencesDialog>, "Preferences_Help",
     [](QDialog* d) { static_cast<PreferencesDialog*>(d)->SoundBox()->click(); },
     [](const DialogBench& b, QDialog*) { return b.table.soundEnabled == 0; }},
    {"game_stats", MidSession, Open<GameStatsDialog>, nullptr, nullptr, nullptr},
    {"confirmation", Fresh, Open<ConfirmationDialog>, nullptr, nullptr,
     [](const DialogBench&, QDialog* d) {
       return static_cast<ConfirmationDialog*>(d)->Answer() == 0;
     }},
    {"about", Fresh, Open<AboutDialog>, nullptr, nullptr, nullptr},
};

TEST(AllDialogs, TextsHelpAndClosing) {
  for (const auto& d : kDialogs) {
    SCOPED_TRACE(d.name);
    DialogBench shown;
    d.setUp(shown);
    const std::unique_ptr<QDialog> fresh(d.open(shown));
    ExpectGoldenText(d.name, Describe(*fresh));
    for (QPushButton* button : fresh->findChildren<QPushButton*>())
      if (button->text() == "Help") Click(button);
    EXPECT_EQ(shown.helpAnchors, d.help ? QStringList{d.help} : QStringList{});

    for (bool byEscape : {true, false}) {
      SCOPED_TRACE(byEscape ? "by Escape" : "by the close button");
      DialogBench bench;
      d.setUp(bench);
      bench.table.dealer = 1;
      const std::unique_ptr<QDialog> dialog(d.open(bench));
      if (d.edit) d.edit(dialog.get());
      WhenModalOpens(
          [byEscape](QWidget* w) {
            byEscape ? QTest::keyClick(w, Qt::Key_Escape) : void(w->close());
          },
          [&dialog](QWidget* w) { return w == dialog.get(); });
      EXPECT_EQ(dialog->exec(), QDialog::Accepted);
      if (d.closed)
        EXPECT_TRUE(d.closed(bench, dialog.get()));
      else
        EXPECT_NE(bench.table.dealer, kDealerCancelled);
    }
  }
}

}  // namespace
}  // namespace qf::test
