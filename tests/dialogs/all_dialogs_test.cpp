// Every dialog in one table: what it shows when it opens and after each of a
// user's steps, with the record's fields (compared with golden/<name>.txt);
// the help page its "Help" opens, and how it closes.
// Escape and the window's close button are Cancel in a dialog that has a
// Cancel button and OK in the others: what OK stores is stored, and a
// question closed that way has no answer.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>

#include "dialogs/about_dialog.h"
#include "dialogs/betting_dialog.h"
#include "dialogs/confirmation_dialog.h"
#include "dialogs/custom_betting_dialog.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/game_stats_dialog.h"
#include "dialogs/new_table_dialog.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "dialogs/seat_preview.h"

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
}

void Fresh(DialogBench& b) {
  b.SeatKinds({KindHuman, KindSmart, KindStupid, KindTight});
}

// Types into the name box key by key, each key carrying its character.
void TypeName(PlayerSettingsDialog& d, const QString& name) {
  d.NameBox()->selectAll();
  QTest::keyClick(d.NameBox(), Qt::Key_Backspace);
  for (const QChar c : name)
    QTest::sendKeyEvent(QTest::Click, d.NameBox(), Qt::Key_unknown, QString(c), {});
}

struct Step {
  QString what;
  std::function<void(QDialog&, DialogBench&, QString& note)> act;
};
template <class D, class F>
Step On(const char* what, F act) {
  return {what,
          [act](QDialog& d, DialogBench& b, QString& note) { act(static_cast<D&>(d), b, note); }};
}

struct Script {
  const char* name;
  void (*setUp)(DialogBench&);
  QDialog* (*open)(DialogBench&);
  std::vector<Step> steps;
};

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

// The fields the dialogs edit.
QString RecordText(const DialogBench& b) {
  const TableRecord& t = b.table;
  QString kinds, names, custom;
  for (const PlayerRecord& p : t.players) {
    kinds += QString::number(p.kind);
    names += QString::fromLatin1(p.name, static_cast<qsizetype>(strnlen(p.name, kNameSize))) + ",";
  }
  for (int street = 0; street < 4; ++street)
    custom += QString(" %1-%2").arg(t.customMin[street]).arg(t.customMax[street]);
  const PlayerRecord& seat = t.players[b.session.settingsSeat];
  return QString("record: kinds %1 small %2 hole %3 visitor %4 names %5\n")
             .arg(kinds)
             .arg(t.smallTable)
             .arg(t.holeCards)
             .arg(b.session.visitorMode)
             .arg(names) +
         QString(
             "  seat %1 chips %2 balance %3; base %4 structure %5 rake %6 ante %7 raises %8 "
             "level %9 custom%10\n")
             .arg(b.session.settingsSeat)
             .arg(seat.chips)
             .arg(seat.balance)
             .arg(t.baseBet)
             .arg(t.betStructure)
             .arg(t.rakePercent)
             .arg(t.anteMode)
             .arg(t.raiseCap)
             .arg(t.progressiveLevel)
             .arg(custom) +
         QString(
             "  busted-stay %1 confirm %2 splash %3 winner %4 deal-out %5 sound %6 "
             "animate %7%8 hard %9 colours %10 %11\n")
             .arg(t.bustedStay)
             .arg(t.confirmDeal)
             .arg(t.showSplash)
             .arg(t.alwaysShowWinner)
             .arg(t.alwaysDealOut)
             .arg(t.soundEnabled)
             .arg(t.animateChips)
             .arg(t.animateCards)
             .arg(t.useHardButtons)
             .arg(t.tableColor, 6, 16, QChar('0'))
             .arg(t.backgroundColor, 6, 16, QChar('0'));
}

// The user's steps in each dialog, written with what the dialog and the
// record show after each to golden/<name>.txt.
std::vector<Script> Scripts() {
  const auto raiseBaseBetTwice = [](CustomBettingDialog* custom) {
    ClickRow(custom->BetList(), 0);
    Click(custom->RaiseButton());
    Click(custom->RaiseButton());
    Click(custom->OkButton());
  };
  return {
      {"new_table",
       [](DialogBench& b) {
         b.SeatKinds({KindHuman, KindSmart, KindSmart, KindSmart, KindSmart, KindSmart});
         b.table.baseBet = 9999;
         b.table.betStructure = StructureSpreadWide;
         b.table.holeCards = kOmahaHoleCards;
         b.session.visitorMode = true;
         b.session.settingsSeat = 2;
       },
       Open<NewTableDialog>,
       {On<NewTableDialog>("8 players",
                           [](auto& d, auto&, auto&) { ChooseEntry(d.PlayersList(), 6); }),
        On<NewTableDialog>("4 players",
                           [](auto& d, auto&, auto&) { ChooseEntry(d.PlayersList(), 2); }),
        On<NewTableDialog>("4 humans",
                           [](auto& d, auto&, auto&) { ChooseEntry(d.HumansList(), 4); }),
        On<NewTableDialog>("1 human",
                           [](auto& d, auto&, auto&) { ChooseEntry(d.HumansList(), 1); }),
        On<NewTableDialog>("no human",
                           [](auto& d, auto&, auto&) { ChooseEntry(d.HumansList(), 0); }),
        On<NewTableDialog>("Beginner", [](auto& d, auto&, auto&) { Click(d.LevelButton(-1)); }),
        On<NewTableDialog>("Intermediate", [](auto& d, auto&, auto&) { Click(d.LevelButton(0)); }),
        On<NewTableDialog>("Pro", [](auto& d, auto&, auto&) { Click(d.LevelButton(1)); }),
        On<NewTableDialog>("Texas", [](auto& d, auto&, auto&) { Click(d.TexasButton()); }),
        On<NewTableDialog>("Omaha", [](auto& d, auto&, auto&) { Click(d.OmahaButton()); }),
        On<NewTableDialog>("Betting: $20 No Limit",
                           [](auto& d, auto&, auto& note) {
                             QPushButton* button = d.BettingButton();
                             if (button->width() <
                                 button->fontMetrics().horizontalAdvance(button->text()))
                               note += " (the label was cut)";
                             WhenOpen<BettingDialog>([](BettingDialog* betting) {
                               ChooseEntry(betting->BaseBetList(), 3);
                               ChooseEntry(betting->StructureList(), 6);
                               betting->close();
                             });
                             Click(button);
                           }),
        On<NewTableDialog>("Players: seat 3 Stupid",
                           [](auto& d, auto&, auto&) {
                             WhenOpen<PlayerSettingsDialog>([](PlayerSettingsDialog* players) {
                               ChooseEntry(players->KindList(), KindStupid);
                               players->close();
                             });
                             Click(d.PlayersButton());
                           }),
        On<NewTableDialog>("Settings: no sound",
                           [](auto& d, auto&, auto&) {
                             WhenOpen<PreferencesDialog>([](PreferencesDialog* preferences) {
                               Click(preferences->SoundBox());
                               preferences->close();
                             });
                             Click(d.SettingsButton());
                           }),
        On<NewTableDialog>("Visitor off (nothing asked)",
                           [](auto& d, auto&, auto&) { Click(d.VisitorBox()); }),
        On<NewTableDialog>("Visitor on",
                           [](auto& d, auto&, auto& note) {
                             WhenOpen<QMessageBox>([&note](QMessageBox* box) {
                               note += ": " + box->windowTitle() + ": " + box->text();
                               box->accept();
                             });
                             Click(d.VisitorBox());
                           })}},
      {"betting",
       [](DialogBench& b) {
         Fresh(b);
         b.table.baseBet = 7;  // not offered: the list shows $2, the labels $7
         b.table.progressiveLevel = 5;
       },
       Open<BettingDialog>,
       {On<BettingDialog>("$2, the entry shown",
                          [](auto& d, auto&, auto&) { ChooseEntry(d.BaseBetList(), 0); }),
        On<BettingDialog>("no rake", [](auto& d, auto&, auto&) { ChooseEntry(d.RakeList(), 0); }),
        On<BettingDialog>("rake 7%", [](auto& d, auto&, auto&) { ChooseEntry(d.RakeList(), 7); }),
        On<BettingDialog>("all ante", [](auto& d, auto&, auto&) { ChooseEntry(d.AnteList(), 1); }),
        On<BettingDialog>("raises unlimited",
                          [](auto& d, auto&, auto&) { ChooseEntry(d.RaisesList(), 0); }),
        On<BettingDialog>("10 raises",
                          [](auto& d, auto&, auto&) { ChooseEntry(d.RaisesList(), 10); }),
        On<BettingDialog>("Pot Limit",
                          [](auto& d, auto&, auto&) { ChooseEntry(d.StructureList(), 5); }),
        On<BettingDialog>("spread by street",
                          [](auto& d, auto&, auto&) { ChooseEntry(d.StructureList(), 4); }),
        On<BettingDialog>("$25 keeps the rest",
                          [](auto& d, auto&, auto&) { ChooseEntry(d.BaseBetList(), 4); }),
        On<BettingDialog>("not progressive",
                          [](auto& d, auto&, auto&) { Click(d.ProgressiveBox()); }),
        On<BettingDialog>("progressive from level 1",
                          [](auto& d, auto&, auto&) { Click(d.ProgressiveBox()); }),
        On<BettingDialog>("Custom...: base bet raised twice",
                          [raiseBaseBetTwice](auto& d, auto&, auto&) {
                            WhenOpen<CustomBettingDialog>(raiseBaseBetTwice);
                            ChooseEntry(d.StructureList(), 7);
                          }),
        On<BettingDialog>("Custom... again opens it again",
                          [raiseBaseBetTwice](auto& d, auto&, auto&) {
                            WhenOpen<CustomBettingDialog>(raiseBaseBetTwice);
                            ChooseEntry(d.StructureList(), 7);
                          })}},
      {"custom_betting",
       [](DialogBench& b) {
         b.table.baseBet = 1;
         const uint32_t mins[4] = {15, 0, 30, 40}, maxes[4] = {15, 40, 60, 9999};
         for (int street = 0; street < 4; ++street)
           b.table.customMin[street] = mins[street], b.table.customMax[street] = maxes[street];
       },
       Open<CustomBettingDialog>,
       {On<CustomBettingDialog>(
            "Lower and Raise with no row chosen",
            [](auto& d, auto&, auto&) { Click(d.LowerButton()), Click(d.RaiseButton()); }),
        On<CustomBettingDialog>(
            "base bet lowered: never $0",
            [](auto& d, auto&, auto&) { ClickRow(d.BetList(), 0), Click(d.LowerButton()); }),
        On<CustomBettingDialog>("and raised",
                                [](auto& d, auto&, auto&) { Click(d.RaiseButton()); }),
        On<CustomBettingDialog>("pre-flop max lowered thrice at its minimum",
                                [](auto& d, auto&, auto&) {
                                  ClickRow(d.BetList(), 1);
                                  for (int i = 0; i < 3; ++i) Click(d.LowerButton());
                                }),
        On<CustomBettingDialog>(
            "and raised twice",
            [](auto& d, auto&, auto&) { Click(d.RaiseButton()), Click(d.RaiseButton()); }),
        On<CustomBettingDialog>(
            "flop min of 0 lowered",
            [](auto& d, auto&, auto&) { ClickRow(d.BetList(), 4), Click(d.LowerButton()); }),
        On<CustomBettingDialog>(
            "river max of 9999 raised",
            [](auto& d, auto&, auto&) { ClickRow(d.BetList(), 7), Click(d.RaiseButton()); }),
        On<CustomBettingDialog>("Cancel",
                                [](auto& d, auto&, auto& note) {
                                  Click(d.CancelButton());
                                  note += d.result() == QDialog::Accepted ? " (accepted)" : "";
                                })}},
      {"player_settings",
       [](DialogBench& b) {
         b.SeatKinds({KindHuman, KindSmart, KindTight, KindLoose, KindStupid});
         std::memset(b.table.players[0].name, 'x', kNameSize - 1);  // longer than the box takes
       },
       Open<PlayerSettingsDialog>,
       {On<PlayerSettingsDialog>("OK, the name untouched",
                                 [](auto& d, auto&, auto&) { Click(d.OkButton()); }),
        On<PlayerSettingsDialog>(
            "Rowena, OK",
            [](auto& d, auto&, auto&) { TypeName(d, "Rowena"), Click(d.OkButton()); }),
        On<PlayerSettingsDialog>(
            "Maximilian, OK",
            [](auto& d, auto&, auto&) { TypeName(d, "Maximilian"), Click(d.OkButton()); }),
        On<PlayerSettingsDialog>(
            "nothing typed, OK",
            [](auto& d, auto&, auto&) { TypeName(d, ""), Click(d.OkButton()); }),
        On<PlayerSettingsDialog>("beyond Latin-1, OK",
                                 [](auto& d, auto&, auto&) {
                                   TypeName(d, QString::fromUtf8("Zo\u00eb\u4e2d"));
                                   Click(d.OkButton());
                                 }),
        On<PlayerSettingsDialog>(
            "Ada, then Player 3",
            [](auto& d, auto&, auto&) { TypeName(d, "Ada"), ChooseEntry(d.SeatList(), 2); }),
        On<PlayerSettingsDialog>("Human",
                                 [](auto& d, auto&, auto& note) {
                                   ChooseEntry(d.KindList(), KindHuman);
                                   if (d.Preview()->Picture() == SeatPicture(2, KindTight))
                                     note += " (the picture waits)";
                                 }),
        On<PlayerSettingsDialog>(
            "Buy In",
            [](auto& d, auto&, auto& note) {
              Click(d.BuyInButton());
              QImage want(20, 20, QImage::Format_RGB32);
              want.fill(Qt::white);  // the key colour shows the white behind it
              QPainter(&want).drawImage(0, 0, SeatPicture(2, KindHuman));
              d.repaint();
              if (d.Preview()->grab().toImage().convertToFormat(QImage::Format_RGB32) == want)
                note += " (the human's picture painted)";
            }),
        On<PlayerSettingsDialog>(
            "Bob, then Cash In",
            [](auto& d, auto&, auto&) { TypeName(d, "Bob"), Click(d.CashInButton()); }),
        On<PlayerSettingsDialog>("OK", [](auto& d, auto&, auto&) { Click(d.OkButton()); })}},
      {"preferences",
       [](DialogBench& b) {
         Fresh(b);
         b.table.bustedStay = 0;
         b.table.animateChips = 0, b.table.animateCards = 1, b.table.useHardButtons = 1;
         b.table.tableColor = 0x00336699;  // red 0x99, green 0x66, blue 0x33
       },
       Open<PreferencesDialog>,
       {On<PreferencesDialog>("busted, sound, winner: stored at OK only",
                              [](auto& d, auto&, auto&) {
                                Click(d.BustedQuitBox()), Click(d.SoundBox()),
                                    Click(d.ShowWinnerBox());
                              }),
        On<PreferencesDialog>("OK", [](auto& d, auto&, auto&) { Click(d.OkButton()); }),
        On<PreferencesDialog>("deal out, Escape",
                              [](auto& d, auto&, auto&) {
                                Click(d.DealOutBox()), QTest::keyClick(&d, Qt::Key_Escape);
                              }),
        On<PreferencesDialog>(
            "the platform's colour picker backed out of",
            [](auto& d, auto&, auto&) {
              WhenModalOpens([](QWidget* picker) { QTest::keyClick(picker, Qt::Key_Escape); },
                             [](QWidget* w) { return w->inherits("QColorDialog"); });
              Click(d.TableColorButton());
            }),
        On<PreferencesDialog>("a colour picked",
                              [](auto& d, auto&, auto& note) {
                                d.SetColorPicker([&note](const QColor& initial, QWidget*) {
                                  note += " (offered " + initial.name() + ")";
                                  return QColor(10, 20, 30);
                                });
                                Click(d.TableColorButton());
                                const QImage swatch =
                                    d.TableColorButton()->icon().pixmap(16).toImage();
                                note += " (swatch " + QColor(swatch.pixel(8, 8)).name() + ")";
                              }),
        On<PreferencesDialog>("the picker backed out of",
                              [](auto& d, auto&, auto&) {
                                d.SetColorPicker([](const QColor&, QWidget*) { return QColor(); });
                                Click(d.TableColorButton());
                              })}},
      {"game_stats",
       MidSession,
       Open<GameStatsDialog>,
       {On<GameStatsDialog>("Individual Stats: Buy In, OK (the figures stay)",
                            [](auto& d, auto&, auto& note) {
                              WhenOpen<PlayerSettingsDialog>([&note](PlayerSettingsDialog* p) {
                                note += " (" + p->SeatList()->currentText() + ")";
                                Click(p->BuyInButton());
                                Click(p->OkButton());
                              });
                              Click(d.IndividualStatsButton());
                            })}},
      {"confirmation", Fresh, Open<ConfirmationDialog>, {}},
      {"about", Fresh, Open<AboutDialog>, {}},
  };
}

TEST(AllDialogs, EachStepShowsAndStoresWhatTheGoldenTranscriptSays) {
  for (const Script& script : Scripts()) {
    SCOPED_TRACE(script.name);
    DialogBench bench;
    script.setUp(bench);
    const std::unique_ptr<QDialog> dialog(script.open(bench));
    dialog->show();
    QString log = "== opened\n" + Describe(*dialog) + RecordText(bench);
    for (const Step& step : script.steps) {
      QString note;
      step.act(*dialog, bench, note);
      log += "== " + step.what + note + "\n" + Describe(*dialog) + RecordText(bench);
      dialog->show();  // again, after OK
    }
    ExpectGoldenText(script.name, log);
  }
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
    {"betting", MidSession, Open<BettingDialog>, "Game_Help", nullptr, nullptr},
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

TEST(AllDialogs, HelpPagesAndClosing) {
  for (const auto& d : kDialogs) {
    SCOPED_TRACE(d.name);
    DialogBench shown;
    d.setUp(shown);
    const std::unique_ptr<QDialog> fresh(d.open(shown));
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
