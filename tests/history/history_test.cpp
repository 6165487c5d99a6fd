// The hand history: hands recorded by the headless tool read back, replay
// through the engine to the stacks they recorded, survive damaged files, and
// a hand cut by the end of a run is recorded whole by the run that ends it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "flow/driver.h"
#include "flow/null_table_ui.h"
#include "flow/table_input.h"
#include "history/history_files.h"
#include "history/phh_format.h"
#include "history/replay.h"
#include "history/table_history.h"
#include "sim/simulation.h"

namespace qf {
namespace {

namespace fs = std::filesystem;

class HistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Named by the process too: other checkouts may run the same tests at once.
    folder_ = fs::temp_directory_path() /
              ("qf-history-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string File(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  fs::path folder_;
};

TEST_F(HistoryTest, RecordedHandsReadBackAndReplayToTheirStacks) {
  int hands = 0;
  for (uint8_t structure = 0; structure < kStructureCount; ++structure) {
    for (uint8_t hole : {kTexasHoleCards, kOmahaHoleCards}) {
      std::vector<uint32_t> kinds = {KindStupid, KindLoose, KindErratic, KindSmart};
      kinds.resize(2 + (structure + hole) % 9, KindBluffing);
      SimConfig config = MakeSimConfig(hole, kinds, structure, 60, structure * 10 + hole);
      config.ante = structure % 2 == 1;
      config.progressive = structure % 3 == 0;
      config.raiseCap = structure % 4;
      config.historyFile = File("hands.phhs");
      fs::remove(config.historyFile);
      const SimResult run = RunSimulation(config);
      const std::string text = Read(config.historyFile);
      const PhhHands read = ReadPhhHands(text);
      EXPECT_TRUE(read.skipped.empty());
      ASSERT_EQ(read.hands.size(), run.handsRecorded);
      std::string again;
      for (const HandRecord& hand : read.hands) {
        SCOPED_TRACE(::testing::Message() << "structure " << int{structure} << " hole " << int{hole}
                                          << " hand " << hand.number);
        again += HandToPhh(hand);
        ASSERT_TRUE(hand.complete);
        const Replay replay = ReplayHand(hand);
        ASSERT_EQ(replay.problem, "");
        const TableRecord& end = replay.steps.back().table;
        for (const HandPlayer& player : hand.players) {
          EXPECT_EQ(end.players[player.seat].chips + end.players[player.seat].winnings,
                    player.finishingStack);
        }
        ++hands;
      }
      EXPECT_EQ(again, text) << "what is read writes back the same";
    }
  }
  EXPECT_GT(hands, 900);
}

TEST_F(HistoryTest, DamagedHandsAreSkippedAndTheirNeighboursKept) {
  SimConfig config = MakeSimConfig(kTexasHoleCards, {KindLoose, KindStupid, KindSmart}, 0, 3, 5);
  config.historyFile = File("three.phhs");
  RunSimulation(config);
  const std::string text = Read(config.historyFile);
  const size_t second = text.find("\n[2]"), third = text.find("\n[3]");
  ASSERT_NE(third, std::string::npos);
  const std::string one = text.substr(0, second), two = text.substr(second, third - second),
                    three = text.substr(third);
  const auto replace = [&](std::string part, const std::string& from, const std::string& to) {
    return part.replace(part.find(from), from.size(), to);
  };
  const std::string damaged[] = {
      two.substr(0, two.size() / 2),                    // torn by a crash in the middle of a write
      replace(two, "variant = ", "variant = = "),       // not TOML
      replace(two, "variant = 'FT'", "variant = 'XX'"), // no game we know
      replace(two, "starting_stacks", "starting_stack"),
      replace(two, " cc'", " cq'"),                     // an action we do not know
      replace(two, "d dh p1 ", "d dh p9 "),             // a player that is not there
  };
  for (const std::string& bad : damaged) {
    const PhhHands read = ReadPhhHands(one + bad + three);
    ASSERT_EQ(read.hands.size(), 2u) << bad;
    EXPECT_EQ(read.hands[0].number, 1u);
    EXPECT_EQ(read.hands[1].number, 3u);
    ASSERT_EQ(read.skipped.size(), 1u);
    EXPECT_EQ(read.skipped[0].rfind("hand 2 at line ", 0), 0u) << read.skipped[0];
  }
  EXPECT_EQ(LastHandNumber(one + damaged[0] + three), 3u);
}

TEST_F(HistoryTest, AHandCutByTheEndOfARunIsRecordedOnceAndWhole) {
  SimConfig config = MakeSimConfig(kOmahaHoleCards, {KindLoose, KindStupid, KindTight}, 6, 1, 9);
  TableRecord start;
  Rng rng(9);
  SetUpSimTable(config, start, rng);
  // The same ticks in one run, and in two runs that each record from where
  // the table stands (as the game resumes its saved table).
  struct Game {
    TableRecord table;
    Rng dice{4};
    SessionState session;
    NullTableUi ui;
    void Run(int ticks, const std::string& path) {
      HistoryFileRecorder recorder(path);
      recorder.Start(table);
      for (int i = 0; i < ticks; ++i) {
        TickGame(table, session, dice, ui);
        recorder.Observe(table);
      }
      EXPECT_TRUE(recorder.Finish());
    }
  };
  Game once, twice;
  once.table = twice.table = start;
  once.Run(60, File("whole.phhs"));
  twice.Run(7, File("cut.phhs"));
  ASSERT_TRUE(fs::exists(File("cut.phhs.unfinished"))) << "cut in the middle of a hand";
  twice.Run(53, File("cut.phhs"));
  const PhhHands whole = ReadPhhHands(Read(File("whole.phhs")));
  const PhhHands cut = ReadPhhHands(Read(File("cut.phhs")));
  ASSERT_GE(whole.hands.size(), 1u);
  ASSERT_EQ(cut.hands.size(), whole.hands.size());
  for (size_t i = 0; i < whole.hands.size(); ++i) {
    HandRecord a = whole.hands[i], b = cut.hands[i];
    a.startTime = b.startTime = 0;
    EXPECT_EQ(HandToPhh(a), HandToPhh(b));
  }
}

TEST_F(HistoryTest, TheTableHistoryKeepsADayFilePerDayNumbersOnAndSurvivesAnUnwritableFolder) {
  int64_t now = 1'700'000'000;
  TableRecord table;
  Rng rng(3);
  SetUpSimTable(MakeSimConfig(kTexasHoleCards, {KindLoose, KindStupid}, 0, 1, 3), table, rng);
  SessionState session;
  NullTableUi ui;
  const auto play = [&](const std::string& folder, size_t hands) {
    TableHistory history(folder, [&] { return now; });
    history.Start(table);
    while (history.Hands().size() < hands) {
      TickGame(table, session, rng, ui);
      if (history.Observe(table, true)) now += 24 * 3600;  // a hand a day
      if (session.handSettled) OnTableInput(table, session, rng, ui, TableInput{KeyDigit1});
      history.Observe(table, true);
    }
    history.Finish(table, true);
  };
  play(File("history"), 3);
  play(File("history"), 2);
  const std::vector<std::string> days = DayFiles(File("history"));
  ASSERT_EQ(days.size(), 5u);
  EXPECT_EQ(days[4], DayFile(File("history"), now - 24 * 3600));
  EXPECT_EQ(LastHandNumberIn(days[4]), 5u);

  std::ofstream(File("plain")) << "a file where the folder should be";
  ::testing::internal::CaptureStderr();
  play(File("plain/history"), 3);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

}  // namespace
}  // namespace qf
