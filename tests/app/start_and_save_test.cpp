// Start-up, the first-run table, the saved table and the command line.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QSignalSpy>
#include <cstring>
#include <optional>

#include "app/command_line.h"
#include "app/data_file.h"
#include "app/single_instance.h"
#include "app/zoom.h"
#include "dialogs/about_dialog.h"
#include "game_harness.h"
#include "history/history_files.h"
#include "history/replay.h"

namespace qf::apptest {
namespace {

TEST(FirstRun, AsksForATableBuildsItShowsTheSplashAndSavesInANewFolderOrOverARejectedFile) {
  for (const bool rejected : {false, true}) {
    SCOPED_TRACE(rejected ? "a rejected file, kept aside" : "no file, nor its folder");
    GameHarness game;
    if (rejected) {
      QFile bad(game.dataFile);
      ASSERT_TRUE(bad.open(QIODevice::WriteOnly) && bad.write(QByteArray(100, 'x')) == 100);
    } else {
      game.dataFile = game.dir.path() + "/a/b/Quillfern.dat";
    }
    game.Start();
    EXPECT_EQ(game.window->StartStatus(), rejected ? LoadStatus::Rejected : LoadStatus::Missing);
    EXPECT_EQ(FileBytes(game.dataFile + ".rejected"), rejected ? QByteArray(100, 'x') : "");
    // The first-run table has nobody seated, so the New Table dialog comes
    // first; the defaults then show the splash.
    ASSERT_GE(game.dialogs.size(), 2u);
    EXPECT_EQ(game.dialogs[0] + game.dialogs[1], "qf::NewTableDialogqf::AboutDialog");
    EXPECT_STREQ(game.Table().tableLabel, "-Empty-");
    EXPECT_EQ(game.Table().players[0].kind, KindHuman);
    EXPECT_EQ(game.window->windowTitle(), "Quillfern");
    // Play starts: blinds are posted and the deal waits for "Deal" ("Confirm
    // Deal" is on in a new table).
    ASSERT_TRUE(game.TickUntil([&] { return game.Label(1) == "Deal"; }));
    game.TapButton(1);
    EXPECT_EQ(game.Table().players[0].cardsSeen, game.Table().holeCards);
    const QByteArray atExit = RecordBytes(game.Table());
    game.Close();
    EXPECT_EQ(FileBytes(game.dataFile), atExit);
  }
}

TEST(SavedTable, AHandInProgressIsSavedAndResumedByteForByte) {
  GameHarness game;
  game.WriteTable(MakeTable({KindHuman, KindSmart, KindTight}));
  game.Start();
  ASSERT_TRUE(game.TickToPlayer());
  ASSERT_EQ(game.Next().code, TurnAct);
  const QByteArray atExit = RecordBytes(game.Table());
  // Ctrl+Q closes the window, which stops the game and saves the table.
  game.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(game.window.get()));
  QTest::keyClick(game.window.get(), Qt::Key_Q, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_FALSE(game.window->isVisible());
  EXPECT_FALSE(game.window->TickTimer().isActive());
  EXPECT_EQ(FileBytes(game.dataFile), atExit);
  game.Close();

  game.Start();
  EXPECT_EQ(game.window->StartStatus(), LoadStatus::Loaded);
  EXPECT_EQ(RecordBytes(game.Table()), atExit);
  // The player's turn is still there, with its buttons.
  EXPECT_EQ(game.Next().code, TurnAct);
  EXPECT_EQ(game.Next().seat, 0);
  game.Tick();
  EXPECT_FALSE(game.Label(1).empty());
  EXPECT_EQ(game.Label(3), "Fold");
  EXPECT_EQ(RecordBytes(game.Table()), atExit);  // waiting for the player changes nothing

  // A settled hand is saved at once, exit or not: the player folds and the
  // computers play the hand out.
  game.Key(Qt::Key_3);
  ASSERT_TRUE(game.TickUntil([&] { return game.Session().handSettled; }));
  EXPECT_EQ(FileBytes(game.dataFile), RecordBytes(game.Table()));

  // The hand history holds it once, whole from the blinds of the first run.
  game.Close();
  const std::string history = HistoryFolderFor(game.dataFile.toStdString());
  ASSERT_EQ(DayFiles(history).size(), 1u);
  const std::vector<HandRecord> hands = ReadHandsFile(DayFiles(history)[0]);
  ASSERT_EQ(hands.size(), 1u);
  EXPECT_EQ(ReplayHand(hands[0]).problem, "");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(history + "/unfinished.phh")));
}

TEST(SavedTable, AVisitorTableIsNotSaved) {
  GameHarness game;
  game.WriteTable(MakeTable({KindHuman, KindSmart}));
  const QByteArray before = FileBytes(game.dataFile);
  game.Start();
  // New Table.., tick "Visitor" (its notice closed at once), Go.
  game.answer = [](QDialog& dialog) {
    auto* newTable = qobject_cast<NewTableDialog*>(&dialog);
    if (newTable == nullptr) return 0;
    QTimer::singleShot(0, [] {
      if (QWidget* notice = QApplication::activeModalWidget()) notice->close();
    });
    newTable->VisitorBox()->click();
    newTable->GoButton()->click();
    return dialog.result();
  };
  game.Trigger("actionNewTable");
  EXPECT_TRUE(game.Session().visitorMode);
  game.TickToPlayer();
  game.Key(Qt::Key_3);
  ASSERT_TRUE(game.TickUntil([&] { return game.Session().handSettled; }));
  EXPECT_EQ(FileBytes(game.dataFile), before) << "not even a settled hand is saved";
  game.Trigger("actionHandHistory");
  EXPECT_EQ(game.window->HandHistory()->Model().rowCount(), 1) << "its hands are kept in memory";
  game.Close();
  EXPECT_EQ(FileBytes(game.dataFile), before);
  EXPECT_FALSE(QDir(game.dir.path() + "/history").exists()) << "and never written";

  game.answer = nullptr;
  game.Start();
  EXPECT_FALSE(game.Session().visitorMode);
}

TEST(SavedTable, TheDefaultPathFollowsXdg) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/tmp/xdg-test");
  EXPECT_EQ(DefaultDataFilePath(), "/tmp/xdg-test/quillfern/Quillfern.dat");
  for (const bool set : {true, false}) {  // a relative path, or none: the home folder's
    set ? qputenv("XDG_DATA_HOME", "relative/path") : qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DefaultDataFilePath(), QDir::homePath() + "/.local/share/quillfern/Quillfern.dat");
  }
  if (!saved.isNull()) qputenv("XDG_DATA_HOME", saved);
}

TEST(CommandLine, ReadsTheOptionsAndRefusesBadValues) {
  CommandLine line = ParseCommandLine(
      {"quillfern", "--data-file", "/tmp/t.dat", "--seed", "42", "--zoom", "3"}, "1.0.0");
  EXPECT_FALSE(line.exitNow);
  EXPECT_EQ(line.dataFile, "/tmp/t.dat");
  EXPECT_EQ(line.seed, std::optional<uint64_t>(42));
  EXPECT_EQ(line.zoom, std::optional<int>(3));

  const struct {
    QStringList arguments;
    bool fails;
    const char* says;
  } exits[] = {{{"quillfern", "--zoom", "5"}, true, "--zoom"},
               {{"quillfern", "--zoom", "0"}, true, "--zoom"},
               {{"quillfern", "--seed", "lots"}, true, "--seed"},
               {{"quillfern", "--frobnicate"}, true, "frobnicate"},
               {{"quillfern", "extra"}, true, "extra"},
               {{"quillfern", "--help"}, false, "--data-file"},
               {{"/usr/games/quillfern", "--help"}, false, "Usage: quillfern [options]\n"},
               {{"quillfern", "--version"}, false, "1.0.0"}};
  for (const auto& exit : exits) {
    SCOPED_TRACE(exit.arguments.join(' ').toStdString());
    line = ParseCommandLine(exit.arguments, "1.0.0");
    EXPECT_TRUE(line.exitNow);
    EXPECT_EQ(line.exitCode != 0, exit.fails);
    EXPECT_TRUE(line.message.contains(exit.says));
  }
}

TEST(Zoom, TheLargestFactorAtWhichTheTableAndTheAboutBoxFitTheScreen) {
  const struct {
    QSize available;
    int zoom;
  } screens[] = {{{800, 600}, 1},   {{1366, 728}, 2},  {{1600, 1200}, 3},
                 {{1920, 1040}, 3}, {{2560, 1400}, 4}, {{3840, 2100}, 4}};
  for (const auto& screen : screens) {
    SCOPED_TRACE(screen.available.height());
    const int zoom = DefaultZoom(screen.available, AboutDialog::SizeAtZoom);
    EXPECT_EQ(zoom, screen.zoom);
    EXPECT_LE(AboutDialog::SizeAtZoom(zoom).height(), screen.available.height());
  }
}

TEST(SingleInstance, OneCopyPerTableFileAndASecondStartOnItRaisesTheFirst) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
  ASSERT_TRUE(QFile::link(dir.path() + "/real", dir.path() + "/alias"));
  SingleInstance first(InstanceNameFor(dir.path() + "/real/t.dat"));  // no file yet
  ASSERT_TRUE(first.Claim());
  QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
  SingleInstance otherTable(InstanceNameFor(dir.path() + "/real/u.dat"));
  EXPECT_TRUE(otherTable.Claim());
  // The same file, written meanwhile, reached through a link and a "..".
  ASSERT_TRUE(QFile(dir.path() + "/real/t.dat").open(QIODevice::WriteOnly));
  SingleInstance second(InstanceNameFor(dir.path() + "/alias/../alias/t.dat"));
  EXPECT_FALSE(second.Claim());
  EXPECT_TRUE(raised.wait(2000));
}

TEST(SingleInstance, AStaleSocketLeftByACrashDoesNotBlockTheStart) {
  const QString name = QString("quillfern-test-%1").arg(QCoreApplication::applicationPid());
  const QByteArray path = QFile::encodeName(QDir::tempPath() + "/" + name);
  // A socket file nobody listens on, as a crashed copy leaves it.
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(fd);
  SingleInstance instance(name);
  EXPECT_TRUE(instance.Claim());
  EXPECT_FALSE(SingleInstance(name).Claim());
}

}  // namespace
}  // namespace qf::apptest
