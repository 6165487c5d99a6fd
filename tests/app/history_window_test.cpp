// The hand history as a player meets it: hands written as they are played,
// and the window that lists, replays and charts them.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "app/history_chart.h"
#include "engine/deck.h"
#include "game_harness.h"
#include "history/hand_text.h"
#include "history/history_files.h"

namespace qf::apptest {
namespace {

// Three computers; seat 0 is "you".
struct HistoryGame : GameHarness {
  std::string Folder() { return HistoryFolderFor(dataFile.toStdString()); }
  // Plays until the game has recorded `hands` hands in this run; "Start" after each but the last.
  void PlayTo(size_t hands) {
    for (size_t n = window->History().Hands().size() + 1; n <= hands; ++n) {
      ASSERT_TRUE(TickUntil([&] { return window->History().Hands().size() == n; }));
      if (n < hands) Key(Qt::Key_1);
    }
  }
  HistoryWindow& Open() {
    Trigger("actionHandHistory");
    HistoryWindow& history = *window->HandHistory();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !history.Loading(); }));
    return history;
  }
  QString Cell(int row, int column) {
    return window->HandHistory()->Model().index(row, column).data().toString();
  }
};

TEST(HandHistory, HandsAreWrittenAsPlayedAndTheWindowListsReplaysCopiesAndChartsThem) {
  HistoryGame game;
  game.WriteTable(MakeTable({KindSmart, KindLoose, KindStupid}));
  game.Start();
  game.PlayTo(3);
  EXPECT_EQ(game.Open().Model().rowCount(), 3) << "this run's hands, in the file too, listed once";
  game.Close();
  std::vector<HandRecord> written = ReadHandsFile(DayFiles(game.Folder()).back());
  ASSERT_EQ(written.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(written[i].number, i + 1);
  // A hand you were not dealt into, older than the rest, whose replay breaks off.
  HandRecord other = written[0];
  other.number = 99;
  other.startTime -= 60;
  for (HandPlayer& player : other.players) player.seat += player.seat == 0 ? 9 : 0;
  other.actions.erase(
      std::find_if(other.actions.begin(), other.actions.end(), [](const HandAction& a) {
        return a.kind == ActionKind::Fold || a.kind == ActionKind::CheckCall;
      }));
  ASSERT_TRUE(AppendToFile(DayFiles(game.Folder()).back(), HandToPhh(other), true));

  game.Start();
  HistoryWindow& history = game.Open();
  game.Tick();
  game.Key(Qt::Key_1);  // "Start" after the hand the last run ended with
  game.PlayTo(1);       // numbered on from the file's last hand, and listed at once, on top
  ASSERT_EQ(history.Model().rowCount(), 5);
  const QString numbers[] = {"100", "3", "2", "1", "99"};
  for (int row = 0; row < 5; ++row) EXPECT_EQ(game.Cell(row, HandListModel::kNumber), numbers[row]);
  uint8_t cards[kMaxCards];
  const int seen = SeatCards(game.Table(), 0, cards);
  EXPECT_EQ(game.Cell(0, HandListModel::kYourCards).toStdString(), CardList(cards, 2));
  EXPECT_EQ(game.Cell(0, HandListModel::kBoard).toStdString(), CardList(cards + 2, seen - 2));
  uint32_t won = 0;
  for (const PlayerRecord& player : game.Table().players) won += player.winnings;
  EXPECT_EQ(game.Cell(0, HandListModel::kPot), MoneyText(won));
  int64_t results = 0;
  for (int row = 0; row < 4; ++row)
    results += game.Cell(row, HandListModel::kResult).remove('$').toInt();
  const PlayerRecord& you = game.Table().players[0];
  EXPECT_EQ(results, int64_t{you.chips} + you.winnings - 200)
      << "your results add up to your stack";
  EXPECT_EQ(game.Cell(4, HandListModel::kYourCards), "");
  history.OnlyMineBox()->click();
  EXPECT_EQ(history.Model().rowCount(), 4);
  history.OnlyMineBox()->click();

  // Keys: Up and Down choose hands (a hand plays from its start), Left and
  // Right step and pause, Space plays again.
  history.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&history));
  const auto number = [&] { return history.Model().Hands()[history.CurrentHand()].number; };
  EXPECT_EQ(number(), 3u) << "the newest hand when the window opened";
  QTest::keyClick(&history, Qt::Key_Up);
  EXPECT_EQ(number(), 100u);
  EXPECT_TRUE(history.Playing());
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) QTest::keyClick(&history, key);
  EXPECT_EQ(history.CurrentStep(), 1);
  EXPECT_EQ(history.StepList()->currentRow(), 1);
  EXPECT_FALSE(history.Playing());
  QTest::keyClick(&history, Qt::Key_Space);
  EXPECT_TRUE(history.Playing());
  history.CopyButton()->click();
  EXPECT_EQ(QApplication::clipboard()->text().trimmed(),
            QString::fromStdString(HandToPhh(game.window->History().Hands().back())).trimmed());
  for (int i = 0; i < 4; ++i) QTest::keyClick(&history, Qt::Key_Down);
  EXPECT_EQ(number(), 99u);
  EXPECT_TRUE(history.ProblemLabel()->isVisibleTo(&history));

  // The chart: a point per hand you played; a click on one replays it.
  history.Tabs()->setCurrentIndex(1);
  QCoreApplication::processEvents();
  HistoryChart& chart = *history.Chart();
  ASSERT_EQ(chart.StackSeries()->count(), 4);
  EXPECT_EQ(chart.BalanceSeries()->count(), 4);
  const auto* dollars = qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Vertical).at(0));
  for (const QLineSeries* line : {chart.StackSeries(), chart.BalanceSeries()}) {
    for (const QPointF& point : line->points())
      EXPECT_TRUE(point.y() >= dollars->min() && point.y() <= dollars->max());
  }
  const QPointF first =
      chart.chart()->mapToPosition(chart.StackSeries()->at(0), chart.StackSeries());
  QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, chart.mapFromScene(first));
  EXPECT_EQ(number(), 1u);
  EXPECT_EQ(history.Tabs()->currentIndex(), 0);
}

TEST(HandHistory, AHandEndedByStartBeforeATickPaidItIsRecorded) {
  HistoryGame game;
  game.WriteTable(MakeTable({KindHuman, KindSmart}));
  game.Start();
  ASSERT_TRUE(game.TickToPlayer());
  game.Key(Qt::Key_3);  // the player folds,
  game.Key(Qt::Key_1);  // and "Start" pays and ends the hand at once
  ASSERT_EQ(game.window->History().Hands().size(), 1u);
  for (const HandPlayer& player : game.window->History().Hands()[0].players) {
    EXPECT_EQ(player.finishingStack, game.Table().players[player.seat].chips);
  }
}

// Writes the documentation's pictures of the window when QF_SCREENSHOT_DIR
// names a folder; otherwise it is skipped.
TEST(HandHistory, Screenshots) {
  const QString dir = qEnvironmentVariable("QF_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "QF_SCREENSHOT_DIR is not set";
  HistoryGame game;
  game.WriteTable(
      MakeTable({KindSmart, KindLoose, KindStupid, KindTight, KindBluffing, KindErratic}));
  game.Start(2);
  game.PlayTo(40);
  HistoryWindow& history = game.Open();
  history.resize(history.sizeHint());
  QTest::keyClick(&history, Qt::Key_Down);
  for (int i = 0; i < 25; ++i) QTest::keyClick(&history, Qt::Key_Right);
  EXPECT_TRUE(history.grab().save(QDir(dir).filePath("history-replay.png")));
  history.Tabs()->setCurrentIndex(1);
  QCoreApplication::processEvents();  // the chart lays its axes out
  EXPECT_TRUE(history.grab().save(QDir(dir).filePath("history-chart.png")));
}

}  // namespace
}  // namespace qf::apptest
