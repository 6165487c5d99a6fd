// The step subcommand on saved tables.
#include "sim/step_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "engine/rng.h"
#include "engine/table_file.h"
#include "engine/turn.h"
#include "flow/driver.h"
#include "sim/headless_ui.h"
#include "sim/simulation.h"

namespace qf {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class StepCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("qf-step-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = (folder_ / "table.dat").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  int Step(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    int status = RunStepCommand(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  // A fresh three-seat table; with a human in seat 0 when asked.
  TableRecord NewTable(bool humanInSeatZero) {
    SimConfig config;
    config.kinds = {KindSmart, KindTight, KindLoose};
    TableRecord table;
    Rng rng(8);
    SetUpSimTable(config, table, rng);
    if (humanInSeatZero) {
      table.players[0].kind = KindHuman;
      table.players[0].tableKind = KindHuman;
    }
    return table;
  }

  // Ticks the table until the turn is the given code (at most 200 ticks).
  static void TickUntil(TableRecord& table, TurnCode code) {
    SessionState session;
    Rng rng(3);
    HeadlessUi ui;
    for (int i = 0; i < 200 && NextTurn(table).code != code; ++i) {
      TickGame(table, session, rng, ui);
    }
    ASSERT_EQ(NextTurn(table).code, code);
  }

  fs::path folder_;
  std::string path_;
  std::string out_;
  std::string err_;
};

TEST_F(StepCommand, PrintsEachTicksTurnAndSavesTheTable) {
  ASSERT_TRUE(SaveTable(path_, NewTable(false)));
  const std::string before = ReadAll(path_);
  ASSERT_EQ(Step({"--table", path_, "--ticks", "4"}), 0) << err_;
  // Dealer on seat 0: seat 1 posts the small blind, seat 2 the big blind.
  EXPECT_EQ(out_,
            "1 2 forced-bet seat 1 amount 1\n"
            "2 2 forced-bet seat 2 amount 2\n"
            "3 4 deal\n"
            "4 3 act seat 0 amount 2\n");
  TableRecord after;
  ASSERT_EQ(LoadTable(path_, after).status, LoadStatus::Loaded);
  EXPECT_EQ(after.players[1].inPot, 1u);
  EXPECT_EQ(after.players[2].inPot, 2u);
  EXPECT_EQ(after.players[0].cardsSeen, 2);
  EXPECT_NE(after.players[0].lastAction, ActionNone);  // seat 0 acted on the fourth tick
  EXPECT_NE(ReadAll(path_), before);
}

TEST_F(StepCommand, OutWritesElsewhereAndKeepsTheOriginal) {
  ASSERT_TRUE(SaveTable(path_, NewTable(false)));
  const std::string before = ReadAll(path_);
  const std::string out = (folder_ / "next.dat").string();
  ASSERT_EQ(Step({"--table=" + path_, "--out", out, "--ticks", "2"}), 0) << err_;
  EXPECT_EQ(ReadAll(path_), before);
  EXPECT_EQ(ReadAll(out).size(), sizeof(TableRecord));
  EXPECT_NE(ReadAll(out), before);
}

TEST_F(StepCommand, AHumanTurnStaysAndChangesNothing) {
  TableRecord table = NewTable(true);
  TickUntil(table, TurnDeal);
  // Deal, then let the computers act until seat 0, the human, is to act.
  SessionState session;
  Rng rng(3);
  HeadlessUi ui;
  Turn turn = NextTurn(table);
  for (int i = 0; i < 50 && !(turn.code == TurnAct && turn.seat == 0); ++i) {
    TickGame(table, session, rng, ui);
    turn = NextTurn(table);
  }
  ASSERT_TRUE(turn.code == TurnAct && turn.seat == 0);
  ASSERT_TRUE(SaveTable(path_, table));
  const std::string before = ReadAll(path_);
  ASSERT_EQ(Step({"--table", path_, "--ticks", "3"}), 0) << err_;
  const std::string line = " 3 act seat 0 amount " + std::to_string(turn.amount) + "\n";
  EXPECT_EQ(out_, "1" + line + "2" + line + "3" + line);
  EXPECT_EQ(ReadAll(path_), before);
}

TEST_F(StepCommand, AFinishedHandWaitsForStart) {
  TableRecord table = NewTable(false);
  table.players[1].kind = table.players[2].kind = KindInactive;  // one seat: settled at once
  table.players[3].kind = KindStupid;
  TickUntil(table, TurnLastStanding);
  SessionState session;
  Rng rng(3);
  HeadlessUi ui;
  TickGame(table, session, rng, ui);  // settles the hand
  ASSERT_TRUE(SaveTable(path_, table));
  const std::string before = ReadAll(path_);
  ASSERT_EQ(Step({"--table", path_, "--ticks", "2"}), 0) << err_;
  EXPECT_EQ(out_, "1 6 last-standing\n2 6 last-standing\n");
  EXPECT_EQ(ReadAll(path_), before);
}

TEST_F(StepCommand, RefusesABadFileAsTheGameDoes) {
  std::ofstream(path_, std::ios::binary) << std::string(100, 'x');
  EXPECT_EQ(Step({"--table", path_}), 2);
  EXPECT_NE(err_.find("only 100 bytes"), std::string::npos) << err_;
  EXPECT_EQ(out_, "");
  EXPECT_FALSE(fs::exists(path_));  // moved aside, not deleted
  EXPECT_TRUE(fs::exists(path_ + ".rejected"));

  TableRecord table = NewTable(false);
  table.players[4].kind = 17;
  ASSERT_TRUE(SaveTable(path_, table));
  EXPECT_EQ(Step({"--table", path_}), 2);
  EXPECT_NE(err_.find("seat 4 kind out of range"), std::string::npos) << err_;
}

TEST_F(StepCommand, BadArgumentsAndMissingFiles) {
  EXPECT_EQ(Step({"--ticks", "3"}), 2);
  EXPECT_NE(err_.find("--table"), std::string::npos);
  EXPECT_EQ(Step({"--table", path_, "--ticks", "many"}), 2);
  EXPECT_NE(err_.find("many"), std::string::npos);
  EXPECT_EQ(Step({"--table", path_}), 2);  // no such file
  EXPECT_NE(err_.find("cannot read"), std::string::npos);
  EXPECT_EQ(Step({"--help"}), 0);
  EXPECT_NE(out_.find("--ticks"), std::string::npos);
}

TEST_F(StepCommand, ASaveThatFailsExitsOne) {
  ASSERT_TRUE(SaveTable(path_, NewTable(false)));
  EXPECT_EQ(Step({"--table", path_, "--out", (folder_ / "no" / "such" / "t.dat").string()}), 1);
  EXPECT_NE(err_.find("cannot save"), std::string::npos);
}

}  // namespace
}  // namespace qf
