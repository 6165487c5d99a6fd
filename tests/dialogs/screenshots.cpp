// "dialogs_tests --screenshots=DIR": a picture of every dialog, shown at zoom
// 2 over a ten-seat table part-way through a session.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdio>

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

bool Save(QWidget& widget, const QDir& folder, const char* name) {
  widget.show();
  QApplication::processEvents();
  const QString path = folder.filePath(QString::fromLatin1(name) + ".png");
  const bool saved = widget.grab().save(path);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
  widget.hide();
  return saved;
}

}  // namespace

int SaveDialogScreenshots(const QString& folder) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) return 1;
  DialogBench bench;
  bench.ctx.zoom = 2;
  bench.SeatKinds({KindHuman, KindParanoid, KindBluffing, KindStupid, KindErratic, KindSmart,
                   KindErratic, KindTight, KindTight, KindSmart});
  PlayerRecord& seat = bench.table.players[3];
  seat.chips = 164, seat.balance = -236, seat.raises = 7, seat.calls = 31, seat.folds = 44;
  seat.checks = 12, seat.handsPlayed = 86, seat.handsWon = 11, seat.rakePaid = 9;
  for (PlayerRecord& player : bench.table.players) player.handsPlayed = 86;
  bench.session.settingsSeat = 3;
  for (int street = 0; street < 4; ++street) {
    bench.table.customMin[street] = 2u << street;
    bench.table.customMax[street] = 10u << street;
  }

  bool ok = true;
  const auto shoot = [&](QWidget&& dialog, const char* name) { ok &= Save(dialog, dir, name); };
  shoot(NewTableDialog(bench.ctx), "new_table");
  shoot(BettingDialog(bench.ctx), "betting");
  shoot(CustomBettingDialog(bench.ctx), "custom_betting");
  shoot(PlayerSettingsDialog(bench.ctx), "player_settings");
  shoot(PreferencesDialog(bench.ctx), "preferences");
  shoot(GameStatsDialog(bench.ctx), "game_stats");
  {
    QWidget table;
    table.resize(480, 538);
    ConfirmationDialog dialog(
        QStringLiteral("Ivy is out of chips. Buy more chips for her, let her sit out, or "
                       "send her away?"),
        {QStringLiteral("Buy In"), QStringLiteral("Sit Out"), QStringLiteral("Leave")}, &table);
    ok &= Save(dialog, dir, "confirmation");
  }
  // The About box at rest and part-way through its slide, and the splash.
  const auto shootAbout = [&](bool splash, int slideFrames, const char* name) {
    AboutDialog dialog(bench.ctx, splash);
    dialog.show();
    if (slideFrames == 0) dialog.Tap(0, 0);  // ends the slide
    for (int frame = 0; frame < slideFrames; ++frame) dialog.DrawAboutFrame();
    ok &= Save(dialog, dir, name);
  };
  shootAbout(false, 0, "about");
  shootAbout(false, 9, "about_sliding");
  shootAbout(true, 0, "splash");
  return ok ? 0 : 1;
}

}  // namespace qf::test
