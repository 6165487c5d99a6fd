// Every dialog in one table: what it shows when it opens and after each of a
// user's steps, with the record's fields (compared with golden/<name>.txt);
// the help page its "Help" opens, and what closing it keeps.
// They run on the offscreen platform unless a display is chosen.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>

#include "dialogs/about_dialog.h"
#include "dialogs/betting_dialog.h"
#include "dialogs/confirmation_dialog.h"
#include "dialogs/custom_betting_dialog.h"
#include "dialogs/dialog_context.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/game_stats_dialog.h"
#include "dialogs/new_table_dialog.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "dialogs/seat_money.h"
#include "dialogs/seat_preview.h"
#include "engine/table_defaults.h"
#include "flow/table_ui.h"

namespace qf::test {
namespace {

// A default table (every seat Inactive) whose help and sound calls are noted.
struct DialogBench {
  DialogBench()
      : ctx{table,
            session,
            rng,
            [this](const QString& anchor) { helpAnchors << anchor; },
            [this](int sound) { sounds.push_back(sound); },
            1} {
    SetTableDefaults(table, "You");
  }
  // Gives seats 0.. the kinds listed; the other seats stay Inactive.
  void SeatKinds(const std::vector<SeatKind>& kinds) {
    int seat = 0;
    for (SeatKind kind : kinds) table.players[seat++].kind = kind;
  }

  TableRecord table{};
  SessionState session;
  Rng rng{12345};
  QStringList helpAnchors;
  std::vector<int> sounds;
  DialogContext ctx;
};

// A click on a button, or on the indicator of a check box or radio button.
void Click(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  // A stretched box is clickable only on its indicator and text: aim at the
  // indicator, wherever the layout direction puts it.
  QStyleOptionButton option;
  option.initFrom(button);
  const auto element = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxIndicator
                                                        : QStyle::SE_RadioButtonIndicator;
  const bool box = button->isCheckable() && !qobject_cast<QPushButton*>(button);
  QTest::mouseClick(button, Qt::LeftButton, {},
                    box ? button->style()->subElementRect(element, &option, button).center()
                        : button->rect().center());
}

// Opens a drop-down list, goes to an entry and takes it with Return (the
// list reports a choice even of the entry already shown).
void ChooseEntry(QComboBox* list, int index) {
  ASSERT_TRUE(list != nullptr && index >= 0 && index < list->count());
  list->showPopup();
  list->view()->setFocus();
  list->view()->setCurrentIndex(list->view()->model()->index(index, 0));
  QTest::keyClick(list->view(), Qt::Key_Return);
}

// A click on a row of a list.
void ClickRow(QListWidget* list, int row) {
  ASSERT_TRUE(list != nullptr && list->item(row) != nullptr);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

// Every control of the dialog in the order made, one line each: its kind,
// text and state (a list's entries with the chosen one starred).
QString Describe(const QWidget& dialog) {
  QStringList lines;
  const auto mark = [](bool on, const QString& text) { return (on ? "*" : "") + text; };
  for (const QWidget* w : dialog.findChildren<QWidget*>()) {
    QString line;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      line = "label " + (label->pixmap().isNull() ? label->text() : "<picture>") +
             (label->font().bold() ? " (bold)" : "");
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      line =
          (button->isCheckable() ? mark(button->isChecked(), "box ") : "button ") + button->text();
      if (!button->icon().isNull())  // a colour swatch
        line += "swatch " + QColor(button->icon().pixmap(16).toImage().pixel(8, 8)).name();
    } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
      for (int i = 0; i < list->count(); ++i)
        line += (i ? " | " : "list ") + mark(i == list->currentIndex(), list->itemText(i));
    } else if (const auto* rows = qobject_cast<const QListWidget*>(w)) {
      for (int i = 0; i < rows->count(); ++i)
        line += (i ? " | " : "rows ") + mark(rows->item(i)->isSelected(), rows->item(i)->text());
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
      line = QString("edit %1 (at most %2)").arg(edit->text()).arg(edit->maxLength());
    } else {
      continue;
    }
    if (!w->isVisibleTo(&dialog)) line += " (hidden)";
    if (!w->isEnabled()) line += " (disabled)";
    lines << line;
  }
  return dialog.windowTitle() + "\n" + lines.join('\n') + '\n';
}

// Compares text with golden/<name>.txt; QF_REGENERATE_GOLDEN=1 writes it anew.
void ExpectGoldenText(const std::string& name, const QString& text) {
  const QString path = QString::fromStdString(
      (std::filesystem::path(__FILE__).parent_path() / "golden" / (name + ".txt")).string());
  QFile file(path);
  if (!qEnvironmentVariableIsEmpty("QF_REGENERATE_GOLDEN")) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text.toUtf8());
    return;
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << path.toStdString();
  const QStringList want = QString::fromUtf8(file.readAll()).split('\n'), got = text.split('\n');
  qsizetype i = 0;
  while (i < std::min(want.size(), got.size()) && want[i] == got[i]) ++i;
  EXPECT_TRUE(i == want.size() && i == got.size())
      << path.toStdString() << ":" << i + 1 << ": want \"" << want.value(i).toStdString()
      << "\", got \"" << got.value(i).toStdString() << "\"";
}

// Runs act on the next modal window for which isIt holds as soon as it is
// open, from the event loop (so a blocking exec() can be answered). Fails the
// test when none opens within a few seconds.
void WhenModalOpens(std::function<void(QWidget*)> act, std::function<bool(QWidget*)> isIt,
                    int polls = 0) {
  QTimer::singleShot(10, [=] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && isIt(modal)) return act(modal);
    if (polls < 500) return WhenModalOpens(act, isIt, polls + 1);
    ADD_FAILURE() << "the expected modal window did not open";
    if (modal != nullptr) modal->close();
  });
}

template <class T>
void WhenOpen(std::function<void(T*)> act) {
  WhenModalOpens([act](QWidget* w) { act(static_cast<T*>(w)); },
                 [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; });
}

// Game figures part-way through a session: sums past 32 bits, an old seat.
void MidSession(DialogBench& b) {
  b.SeatKinds({KindHuman, KindParanoid, KindBluffing, KindStupid, KindErratic, KindSmart,
               KindHiddenHuman, KindTight, KindInactive, KindLoose});
  b.session.settingsSeat = 3;
  PlayerRecord* p = b.table.players;
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

// A step of the user in a dialog of type D; what it notes joins the transcript.
struct Step {
  QString what;
  std::function<void(QDialog&)> act;
};
QString note;
template <class D, class F>
Step On(const char* what, F act) {
  return {what, [act](QDialog& d) { act(static_cast<D&>(d)); }};
}
// A button that opens a dialog of type D, which edit changes before it is closed.
template <class D>
void Nested(QAbstractButton* button, void (*edit)(D*)) {
  WhenOpen<D>([edit](D* d) { edit(d), d->close(); });
  Click(button);
}
using NT = NewTableDialog;
using BD = BettingDialog;
using CB = CustomBettingDialog;
using PS = PlayerSettingsDialog;
using PD = PreferencesDialog;

struct Script {
  const char* name;
  void (*setUp)(DialogBench&);
  QDialog* (*open)(DialogBench&);
  std::vector<Step> steps;
  const char* help = nullptr;  // the page its "Help" opens
  int edit = -1;               // the step made before closing by Escape or the close button
  bool (*closed)(const DialogBench&, QDialog&) = nullptr;  // what closing keeps
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

bool NoAnswer(const DialogBench&, QDialog& d) {
  return static_cast<ConfirmationDialog&>(d).Answer() == 0;
}

// The fields the dialogs edit.
QString RecordText(const DialogBench& b) {
  const TableRecord& t = b.table;
  std::string kinds, names, custom;
  for (const PlayerRecord& p : t.players)
    kinds += static_cast<char>('0' + p.kind),
        names += std::string(p.name, strnlen(p.name, kNameSize)) + ",";
  for (int s = 0; s < 4; ++s)
    custom += " " + std::to_string(t.customMin[s]) + "-" + std::to_string(t.customMax[s]);
  const PlayerRecord& seat = t.players[b.session.settingsSeat];
  char text[800];
  std::snprintf(text, sizeof text,
                "record: kinds %s small %u hole %u dealer %u visitor %d names %s\n"
                "  seat %d chips %u balance %d; base %u structure %u rake %u ante %u raises %u "
                "level %u custom%s\n  busted-stay %u confirm %u splash %u winner %u deal-out %u "
                "sound %u animate %u%u hard %u colours %06x %06x\n",
                kinds.c_str(), t.smallTable, t.holeCards, t.dealer, b.session.visitorMode,
                names.c_str(), b.session.settingsSeat, seat.chips, seat.balance, t.baseBet,
                t.betStructure, t.rakePercent, t.anteMode, t.raiseCap, t.progressiveLevel,
                custom.c_str(), t.bustedStay, t.confirmDeal, t.showSplash, t.alwaysShowWinner,
                t.alwaysDealOut, t.soundEnabled, t.animateChips, t.animateCards, t.useHardButtons,
                t.tableColor, t.backgroundColor);
  return QString::fromLatin1(text);
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
       {On<NT>("8 players", [](auto& d) { ChooseEntry(d.PlayersList(), 6); }),
        On<NT>("4 players", [](auto& d) { ChooseEntry(d.PlayersList(), 2); }),
        On<NT>("4 humans", [](auto& d) { ChooseEntry(d.HumansList(), 4); }),
        On<NT>("1 human", [](auto& d) { ChooseEntry(d.HumansList(), 1); }),
        On<NT>("no human", [](auto& d) { ChooseEntry(d.HumansList(), 0); }),
        On<NT>("Beginner", [](auto& d) { Click(d.LevelButton(-1)); }),
        On<NT>("Intermediate", [](auto& d) { Click(d.LevelButton(0)); }),
        On<NT>("Pro", [](auto& d) { Click(d.LevelButton(1)); }),
        On<NT>("Texas", [](auto& d) { Click(d.TexasButton()); }),
        On<NT>("Omaha", [](auto& d) { Click(d.OmahaButton()); }),
        On<NT>("Betting: $20 No Limit",
               [](auto& d) {
                 const QPushButton* b = d.BettingButton();
                 if (b->width() < b->fontMetrics().horizontalAdvance(b->text())) note += " (cut)";
                 Nested<BD>(d.BettingButton(), [](BD* betting) {
                   ChooseEntry(betting->BaseBetList(), 3), ChooseEntry(betting->StructureList(), 6);
                 });
               }),
        On<NT>("Players: seat 3 Stupid",
               [](auto& d) {
                 Nested<PS>(d.PlayersButton(),
                            [](PS* p) { ChooseEntry(p->KindList(), KindStupid); });
               }),
        On<NT>(
            "Settings: no sound",
            [](auto& d) { Nested<PD>(d.SettingsButton(), [](PD* p) { Click(p->SoundBox()); }); }),
        On<NT>("Visitor off (nothing asked)", [](auto& d) { Click(d.VisitorBox()); }),
        On<NT>("Visitor on",
               [](auto& d) {
                 WhenOpen<QMessageBox>([](QMessageBox* box) {
                   note += ": " + box->windowTitle() + ": " + box->text();
                   box->accept();
                 });
                 Click(d.VisitorBox());
               }),
        On<NT>("Cancel", [](auto& d) { Click(d.CancelButton()); })},
       "NewTable_Help",
       -1,
       [](const DialogBench& b, QDialog&) { return b.table.dealer == kDealerCancelled; }},
      {"betting",
       [](DialogBench& b) {
         Fresh(b);
         b.table.baseBet = 7;  // not offered: the list shows $2, the labels $7
         b.table.progressiveLevel = 5;
       },
       Open<BettingDialog>,
       {On<BD>("$2, the entry shown", [](auto& d) { ChooseEntry(d.BaseBetList(), 0); }),
        On<BD>("no rake", [](auto& d) { ChooseEntry(d.RakeList(), 0); }),
        On<BD>("rake 7%", [](auto& d) { ChooseEntry(d.RakeList(), 7); }),
        On<BD>("all ante", [](auto& d) { ChooseEntry(d.AnteList(), 1); }),
        On<BD>("raises unlimited", [](auto& d) { ChooseEntry(d.RaisesList(), 0); }),
        On<BD>("10 raises", [](auto& d) { ChooseEntry(d.RaisesList(), 10); }),
        On<BD>("Pot Limit", [](auto& d) { ChooseEntry(d.StructureList(), 5); }),
        On<BD>("spread by street", [](auto& d) { ChooseEntry(d.StructureList(), 4); }),
        On<BD>("$25 keeps the rest", [](auto& d) { ChooseEntry(d.BaseBetList(), 4); }),
        On<BD>("not progressive", [](auto& d) { Click(d.ProgressiveBox()); }),
        On<BD>("progressive from level 1", [](auto& d) { Click(d.ProgressiveBox()); }),
        On<BD>("Custom...: base bet raised twice",
               [raiseBaseBetTwice](auto& d) {
                 WhenOpen<CustomBettingDialog>(raiseBaseBetTwice);
                 ChooseEntry(d.StructureList(), 7);
               }),
        On<BD>("Custom... again opens it again",
               [raiseBaseBetTwice](auto& d) {
                 WhenOpen<CustomBettingDialog>(raiseBaseBetTwice);
                 ChooseEntry(d.StructureList(), 7);
               })},
       "Game_Help"},
      {"custom_betting",
       [](DialogBench& b) {
         b.table.baseBet = 1;
         const uint32_t mins[4] = {15, 0, 30, 40}, maxes[4] = {15, 40, 60, 9999};
         for (int street = 0; street < 4; ++street)
           b.table.customMin[street] = mins[street], b.table.customMax[street] = maxes[street];
       },
       Open<CustomBettingDialog>,
       {On<CB>("Lower and Raise with no row chosen",
               [](auto& d) { Click(d.LowerButton()), Click(d.RaiseButton()); }),
        On<CB>("base bet lowered: never $0",
               [](auto& d) { ClickRow(d.BetList(), 0), Click(d.LowerButton()); }),
        On<CB>("and raised", [](auto& d) { Click(d.RaiseButton()); }),
        On<CB>("pre-flop max lowered thrice at its minimum",
               [](auto& d) {
                 ClickRow(d.BetList(), 1);
                 for (int i = 0; i < 3; ++i) Click(d.LowerButton());
               }),
        On<CB>("and raised twice", [](auto& d) { Click(d.RaiseButton()), Click(d.RaiseButton()); }),
        On<CB>("flop min of 0 lowered",
               [](auto& d) { ClickRow(d.BetList(), 4), Click(d.LowerButton()); }),
        On<CB>("river max of 9999 raised",
               [](auto& d) { ClickRow(d.BetList(), 7), Click(d.RaiseButton()); }),
        On<CB>("Cancel",
               [](auto& d) {
                 Click(d.CancelButton());
                 note += d.result() == QDialog::Accepted ? " (accepted)" : "";
               })},
       "CustomBet_Help",
       1,
       [](const DialogBench& b, QDialog&) { return b.table.baseBet == 9999; }},
      {"player_settings",
       [](DialogBench& b) {
         b.SeatKinds({KindHuman, KindSmart, KindTight, KindLoose, KindStupid});
         std::memset(b.table.players[0].name, 'x', kNameSize - 1);  // longer than the box takes
       },
       Open<PlayerSettingsDialog>,
       {On<PS>("OK, the name untouched", [](auto& d) { Click(d.OkButton()); }),
        On<PS>("Rowena, OK", [](auto& d) { TypeName(d, "Rowena"), Click(d.OkButton()); }),
        On<PS>("Maximilian, OK", [](auto& d) { TypeName(d, "Maximilian"), Click(d.OkButton()); }),
        On<PS>("nothing typed, OK", [](auto& d) { TypeName(d, ""), Click(d.OkButton()); }),
        On<PS>("beyond Latin-1, OK",
               [](auto& d) {
                 TypeName(d, QString::fromUtf8("Zo\u00eb\u4e2d"));
                 Click(d.OkButton());
               }),
        On<PS>("Ada, then Player 3",
               [](auto& d) { TypeName(d, "Ada"), ChooseEntry(d.SeatList(), 2); }),
        On<PS>("Human",
               [](auto& d) {
                 ChooseEntry(d.KindList(), KindHuman);
                 if (d.Preview()->Picture() == SeatPicture(2, KindTight))
                   note += " (the picture waits)";
               }),
        On<PS>("Buy In",
               [](auto& d) {
                 Click(d.BuyInButton());
                 QImage want(20, 20, QImage::Format_RGB32);
                 want.fill(Qt::white);  // the key colour shows the white behind it
                 QPainter(&want).drawImage(0, 0, SeatPicture(2, KindHuman));
                 d.repaint();
                 if (d.Preview()->grab().toImage().convertToFormat(QImage::Format_RGB32) == want)
                   note += " (the human's picture painted)";
               }),
        On<PS>("Bob, then Cash In", [](auto& d) { TypeName(d, "Bob"), Click(d.CashInButton()); }),
        On<PS>("Eve typed", [](auto& d) { TypeName(d, "Eve"); }),
        On<PS>("OK", [](auto& d) { Click(d.OkButton()); })},
       nullptr,
       9,
       [](const DialogBench& b, QDialog&) {
         return std::string(b.table.players[0].name) == "Eve";
       }},
      {"preferences",
       [](DialogBench& b) {
         Fresh(b);
         b.table.bustedStay = 0;
         b.table.animateChips = 0, b.table.animateCards = 1, b.table.useHardButtons = 1;
         b.table.tableColor = 0x00336699;  // red 0x99, green 0x66, blue 0x33
       },
       Open<PreferencesDialog>,
       {On<PD>("busted, sound, winner: stored at OK only",
               [](auto& d) {
                 Click(d.BustedQuitBox()), Click(d.SoundBox()), Click(d.ShowWinnerBox());
               }),
        On<PD>("OK", [](auto& d) { Click(d.OkButton()); }),
        On<PD>("deal out, Escape",
               [](auto& d) { Click(d.DealOutBox()), QTest::keyClick(&d, Qt::Key_Escape); }),
        On<PD>("the platform's colour picker backed out of",
               [](auto& d) {
                 WhenModalOpens([](QWidget* picker) { QTest::keyClick(picker, Qt::Key_Escape); },
                                [](QWidget* w) { return w->inherits("QColorDialog"); });
                 Click(d.TableColorButton());
               }),
        On<PD>("a colour picked",
               [](auto& d) {
                 d.SetColorPicker([](const QColor& initial, QWidget*) {
                   note += " (offered " + initial.name() + ")";
                   return QColor(10, 20, 30);
                 });
                 Click(d.TableColorButton());
               }),
        On<PD>("the picker backed out of",
               [](auto& d) {
                 d.SetColorPicker([](const QColor&, QWidget*) { return QColor(); });
                 Click(d.TableColorButton());
               })},
       "Preferences_Help",
       0,
       [](const DialogBench& b, QDialog&) { return b.table.soundEnabled == 0; }},
      {"game_stats",
       MidSession,
       Open<GameStatsDialog>,
       {On<GameStatsDialog>("Individual Stats: Buy In, OK (the figures stay)",
                            [](auto& d) {
                              WhenOpen<PlayerSettingsDialog>([](PlayerSettingsDialog* p) {
                                note += " (" + p->SeatList()->currentText() + ")";
                                Click(p->BuyInButton());
                                Click(p->OkButton());
                              });
                              Click(d.IndividualStatsButton());
                            }),
        On<GameStatsDialog>("the levels of other tables",
                            [](auto&) {
                              for (const auto& kinds : std::vector<std::vector<SeatKind>>{
                                       {KindHuman, KindSmart, KindTight},
                                       {KindHuman, KindErratic, KindTight},
                                       {KindHuman, KindHiddenHuman, KindInactive}}) {
                                DialogBench other;
                                other.SeatKinds(kinds);
                                note += " " + GameStatsDialog(other.ctx).FigureLabel(2)->text();
                              }
                            })}},
      {"confirmation", Fresh, Open<ConfirmationDialog>, {}, nullptr, -1, NoAnswer},
      {"about", Fresh, Open<AboutDialog>, {}},
  };
}

TEST(AllDialogs, TranscriptsHelpPagesAndClosing) {
  for (const Script& script : Scripts()) {
    SCOPED_TRACE(script.name);
    DialogBench bench;
    script.setUp(bench);
    std::unique_ptr<QDialog> dialog(script.open(bench));
    dialog->show();
    QString log = "== opened\n" + Describe(*dialog) + RecordText(bench);
    for (const Step& step : script.steps) {
      note.clear();
      step.act(*dialog);
      log += "== " + step.what + note + "\n" + Describe(*dialog) + RecordText(bench);
      dialog->show();  // again, after OK
    }
    ExpectGoldenText(script.name, log);
    // Each shown control has a place of its own.
    const QList<QWidget*> shown = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* a : shown)
      for (const QWidget* b : shown)
        EXPECT_FALSE(a < b && a->isVisible() && b->isVisible() &&
                     a->geometry().intersects(b->geometry()))
            << a->metaObject()->className() << " and " << b->metaObject()->className();
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == "Help") Click(button);
    EXPECT_EQ(bench.helpAnchors, script.help ? QStringList{script.help} : QStringList{});

    // Escape and the window's close button are Cancel in a dialog that has a
    // Cancel button and OK in the others: what OK stores is stored, and a
    // question closed that way has no answer.
    for (bool byEscape : {true, false}) {
      SCOPED_TRACE(byEscape ? "by Escape" : "by the close button");
      DialogBench closing;
      script.setUp(closing);
      closing.table.dealer = 1;
      dialog.reset(script.open(closing));
      if (script.edit >= 0) script.steps[static_cast<size_t>(script.edit)].act(*dialog);
      WhenModalOpens(
          [byEscape](QWidget* w) {
            byEscape ? QTest::keyClick(w, Qt::Key_Escape) : void(w->close());
          },
          [&dialog](QWidget* w) { return w == dialog.get(); });
      EXPECT_EQ(dialog->exec(), QDialog::Accepted);
      if (script.closed)
        EXPECT_TRUE(script.closed(closing, *dialog));
      else
        EXPECT_NE(closing.table.dealer, kDealerCancelled);
    }
  }
}

// The dialogs whose looks, answers or animation the transcripts cannot show.

TEST(ConfirmationDialogTest, EachButtonAnswersItsNumberAndOneAnswerIsAWideDefault) {
  for (int answer = 1; answer <= 3; ++answer) {
    ConfirmationDialog dialog("Ivy is out of chips.", {"Buy In", "Sit Out", "Leave"});
    WhenOpen<ConfirmationDialog>([answer](ConfirmationDialog* d) { Click(d->Button(answer)); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.Answer(), answer);
  }
  ConfirmationDialog dialog("You won the tournament!", {"OK"});
  dialog.show();
  EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 1);
  EXPECT_GT(dialog.Button(1)->y(), dialog.MessageLabel()->y());
  EXPECT_GT(dialog.Button(1)->width(), dialog.width() * 3 / 4);
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.Answer(), 1);
}

class AboutDialogTest : public testing::Test {
 protected:
  AboutDialogTest() { bench.ctx.zoom = 2; }

  // A left click on the canvas at a point in picture pixels.
  void TapAt(AboutDialog& dialog, int x, int y) {
    QTest::mouseClick(dialog.Canvas(), Qt::LeftButton, {}, QPoint(2 * x + 1, 2 * y + 1));
  }

  DialogBench bench;
};

TEST_F(AboutDialogTest, ATapEndsTheSlideAndTheNextTapsFollowTheHotSpots) {
  AboutDialog dialog(bench.ctx, false);
  QList<QUrl> opened;
  dialog.SetUrlOpener([&opened](const QUrl& url) { opened << url; });
  dialog.show();
  EXPECT_TRUE(dialog.OkButton()->isVisible());
  EXPECT_EQ(dialog.Canvas()->size(), QSize(480, 640));
  ASSERT_TRUE(dialog.Animating());
  TapAt(dialog, 100, 190);
  EXPECT_FALSE(dialog.Animating());
  EXPECT_EQ(dialog.Frame().pixel(120, 150), LoadPicture(107).pixel(120, 150));
  EXPECT_TRUE(bench.helpAnchors.isEmpty());

  for (const QPoint at : {QPoint(100, 190), QPoint(100, 205), QPoint(100, 225), QPoint(10, 10)})
    TapAt(dialog, at.x(), at.y());
  EXPECT_EQ(bench.helpAnchors, QStringList({"contact_us", "trademarks_copyrights"}));
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0].scheme(), "https");
  EXPECT_TRUE(bench.sounds.empty());
  Click(dialog.OkButton());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(AboutDialogTest, FramesDrawThePiecesWhereTheyStandUntilTheyRest) {
  AboutDialog dialog(bench.ctx, false);
  for (int frame = 0; frame < 5; ++frame) dialog.DrawAboutFrame();
  const AboutPieces& at = dialog.Pieces();
  const QImage& shown = dialog.Frame();
  EXPECT_EQ(shown.pixel(at.leftX + 5, 102 + 40), LoadPicture(126).pixel(5, 40));
  EXPECT_EQ(shown.pixel(102 + 30, at.topY + 10), LoadPicture(106).pixel(30, 10));
  EXPECT_EQ(shown.pixel(at.rightX + 3, 102 + 50), LoadPicture(127).pixel(3, 50));
  EXPECT_EQ(shown.pixel(0, 300), qRgb(0, 0, 0));        // outline
  EXPECT_EQ(shown.pixel(5, 300), qRgb(255, 255, 255));  // white inside
  int frames = 5;
  for (; !at.AtRest() && frames < 100; ++frames) dialog.DrawAboutFrame();
  EXPECT_EQ(frames, 18);  // the top piece is the slowest
  dialog.DrawAboutFrame();
  EXPECT_EQ(QPoint(at.leftX, at.topY), QPoint(22, 72));
  EXPECT_EQ(at.rightX, 192);
}

TEST_F(AboutDialogTest, SplashPlaysItsJingleAndClosesByItselfOrAtATap) {
  AboutDialog dialog(bench.ctx, true);
  dialog.SetSplashCloseDelay(200);
  dialog.show();
  EXPECT_FALSE(dialog.OkButton()->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Animating(); }, 1000));
  EXPECT_EQ(bench.sounds, std::vector<int>({static_cast<int>(GameSound::Splash)}));
  EXPECT_EQ(dialog.Frame().pixel(120, 150), LoadPicture(170).pixel(120, 150));
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 2000));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  AboutDialog tapped(bench.ctx, true);
  tapped.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !tapped.Animating(); }, 1000));
  TapAt(tapped, 120, 150);
  EXPECT_FALSE(tapped.isVisible());
}

TEST(PreferencesDialogTest, WhiteBehindTheLabelsAndBoxes) {
  DialogBench bench;
  PreferencesDialog dialog(bench.ctx);
  dialog.show();
  const QImage shown = dialog.grab().toImage();
  const QLabel* label = dialog.findChild<QLabel*>();
  for (const QPoint at : {QPoint(2, 2), label->geometry().topRight() + QPoint(-2, 2),
                          QPoint(shown.width() - 3, shown.height() - 3)})
    EXPECT_EQ(shown.pixel(at) & 0xFFFFFFu, 0xFFFFFFu) << at.x() << ", " << at.y();
}

// Edits the dialogs make to the record that must stay sound at the limits
// of the record's fields.

TEST(SeatMoneyTest, ABuyInIsMadeWholeOrNotAtAll) {
  TableRecord table{};
  table.baseBet = 9999;
  PlayerRecord& seat = table.players[0];
  seat.chips = 100;
  seat.balance = std::numeric_limits<int32_t>::min() + 100000;
  BuyIn(table, 0);  // 99,990 more debt fits
  EXPECT_EQ(seat.chips, 100090u);
  BuyIn(table, 0);  // another 99,990 does not
  EXPECT_EQ(seat.chips, 100090u);
  EXPECT_EQ(seat.balance, std::numeric_limits<int32_t>::min() + 10);

  seat.balance = 0;  // nor more chips than the table can hold
  table.players[1].chips = std::numeric_limits<uint32_t>::max() - 100090 - 99989;
  BuyIn(table, 0);
  EXPECT_EQ(seat.chips, 100090u);
  EXPECT_EQ(seat.balance, 0);
}

TEST(DialogTextsTest, LargeAmountsPrintWithoutWrapping) {
  EXPECT_EQ(BettingButtonText(StructureFixed, 3'000'000'000u), "Betting: $3000000000/$6000000000");
  PlayerRecord seat{};
  seat.balance = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(SeatStatText(seat, 1), "Debt: $2147483648");
}

}  // namespace
}  // namespace qf::test

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
