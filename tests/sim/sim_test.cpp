// The simulation tool: whole runs of computer seats through the game's driver
// agree with the table's own records, the benchmark's fixed runs end in the
// recorded signature, and quillfern-sim's subcommands, driven through their
// command functions, print what they should, exit with the right status and
// name bad input.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/table_file.h"
#include "sim/bench_command.h"
#include "sim/equity_command.h"
#include "sim/eval_command.h"
#include "sim/play_command.h"
#include "sim/simulation.h"
#include "sim/step_command.h"

namespace qf {
namespace {

const std::vector<uint32_t> kSevenKinds = {KindSmart,    KindTight,    KindLoose,  KindStupid,
                                           KindParanoid, KindBluffing, KindErratic};

// The benchmark's signature: the final tables of its fixed runs. A change of
// the game's behaviour changes it; such a change must be explained and the
// signature here and in the README updated together.
TEST(BenchSignature, FixedRunsGiveTheRecordedSignature) {
  const BenchOutcome outcome = RunBench(BenchRuns(), nullptr);
  EXPECT_EQ(outcome.stalled, "");
  EXPECT_EQ(outcome.signature, 0x5d9d00fb451f9a18ULL) << std::hex << outcome.signature;
}

// Over a run short enough that no counter of the record saturates, the
// tool's counts are the record's own, and chips leave the table only as rake.
TEST(Simulation, CountsAgreeWithTheRecordAndRakeIsCountedExactly) {
  SimConfig texas = MakeSimConfig(kTexasHoleCards, kSevenKinds, StructureFixed, 600, 3);
  SimConfig omaha = MakeSimConfig(kOmahaHoleCards, kSevenKinds, StructureNoLimit, 300, 8);
  omaha.rakePercent = 10;
  SimConfig progressive =
      MakeSimConfig(kTexasHoleCards, {KindStupid, KindErratic, KindLoose}, 4, 400, 21);
  progressive.ante = progressive.progressive = true;
  progressive.raiseCap = 0;
  // The largest stakes: pots of millions, rake of every size.
  SimConfig top = MakeSimConfig(kTexasHoleCards, kSevenKinds, StructureNoLimit, 200, 5);
  top.baseBet = 9999;
  top.rakePercent = 10;
  for (const SimConfig& config : {texas, omaha, progressive, top}) {
    SCOPED_TRACE(::testing::Message()
                 << "structure " << int{config.structure} << " base bet " << config.baseBet);
    const SimResult result = RunSimulation(config);
    ASSERT_EQ(result.stalled, "");
    ASSERT_EQ(result.hands, config.hands);
    int64_t netSum = 0, rakeSum = 0;
    for (size_t seat = 0; seat < config.kinds.size(); ++seat) {
      const PlayerRecord& p = result.table.players[seat];
      const SeatStats& s = result.seats[seat];
      SCOPED_TRACE(seat);
      EXPECT_EQ(
          std::tuple(s.hands, s.won, s.folds, s.checks, s.calls, s.raises, s.rake),
          std::tuple(config.hands, uint64_t{p.handsWon}, uint64_t{p.folds}, uint64_t{p.checks},
                     uint64_t{p.calls}, uint64_t{p.raises}, uint64_t{p.rakePaid}));
      EXPECT_EQ(s.hands, p.handsPlayed);  // everybody buys in again
      EXPECT_EQ(s.perHand.Count(), s.hands);
      EXPECT_NEAR(s.perHand.Mean() * double(s.hands), double(s.net), 1e-6 * double(s.hands) + 1e-6);
      // Profit counts every buy-in: what the seat has minus what it paid.
      EXPECT_EQ(s.net, int64_t{p.balance} + p.chips);
      netSum += s.net;
      rakeSum += static_cast<int64_t>(s.rake);
    }
    EXPECT_EQ(netSum, -rakeSum);
    EXPECT_GT(rakeSum, 0);
  }
}

// Play without buying in again (a tournament) ends with the last seat left:
// the winner played every hand, the first seat to bust left early.
TEST(Simulation, WithoutRebuysTheLastSeatLeftWins) {
  SimConfig config = MakeSimConfig(kTexasHoleCards, {KindStupid, KindSmart, KindErratic, KindLoose},
                                   StructureNoLimit, 100000, 12);
  config.rebuy = false;
  const SimResult result = RunSimulation(config);
  ASSERT_EQ(result.stalled, "");
  ASSERT_TRUE(result.tournamentWinner.has_value());
  EXPECT_LT(result.hands, config.hands);
  uint64_t fewest = result.hands;
  int winners = 0;
  for (size_t seat = 0; seat < config.kinds.size(); ++seat) {
    fewest = std::min(fewest, result.seats[seat].hands);
    if (*result.tournamentWinner == result.table.players[seat].name) {
      ++winners;
      EXPECT_EQ(result.seats[seat].hands, result.hands);
    }
  }
  EXPECT_EQ(std::pair(winners, fewest < result.hands), std::pair(1, true));
}

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

Words Split(const std::string& text) {
  std::istringstream words(text);
  return {std::istream_iterator<std::string>(words), {}};
}

struct Ran {
  int status;
  std::string out, err;
};

// A command line after "quillfern-sim", with standard input.
Ran Sim(const std::string& line, const std::string& input = "") {
  Words args = Split(line);
  const std::string command = args.front();
  args.erase(args.begin());
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = command == "eval"     ? RunEvalCommand(args, in, out, err)
                     : command == "equity" ? RunEquityCommand(args, out, err)
                     : command == "play"   ? RunPlayCommand(args, out, err)
                                           : RunStepCommand(args, out, err);
  return {status, out.str(), err.str()};
}

// Answers in full; bad input exits 2 naming the bad word, with nothing on
// standard output.
TEST(SimCommands, AnswersStatusesAndMessages) {
  const struct {
    const char* line;
    int status;
    std::string says;  // the whole output, or a part of the error message
  } cases[] = {        // clang-format off
      {"eval As Ad Kc Kh", 0, "2170882 1 Pair\n"},
      {"eval as 2D 3c 4h 5s", 0, "5242881 4 Straight\n"},
      // Omaha plays two hole cards at the river only, as the game does.
      {"eval As 2d 3d 4c Ks 9s 7s 5s Jh", 0, "6566224 5 Flush\n"},
      {"eval --omaha As 2d 3d 4c Ks 9s 7s 5s Jh", 0, "13576 0 High Card\n"},
      {"eval --omaha As 2d 3d 4c Ks 9s 7s 5s", 0, "6566224 5 Flush\n"},
      {"eval As Kx Qd", 2, "\"Kx\""},                  {"eval As Kd as", 2, "\"as\" is a duplicate"},
      {"equity AsKd AsQd", 2, "As is given twice"},    {"equity AsKd", 2, "give 2 to 10 hands"},
      {"equity --variant omaha AsKd 2c2d3c3d", 2, "an Omaha hand has 4"},
      {"play --seats smart,clever", 2, "clever"},      {"play --base-bet 10000", 2, "--base-bet"},
      {"play --hands 0", 2, "--hands"},                {"play --fast", 2, "--fast"},
      {"step --ticks 3", 2, "--table"},                {"step --table /no/t.dat", 2, "cannot read"}};
  // clang-format on
  for (const auto& c : cases) {
    const Ran run = Sim(c.line);
    EXPECT_EQ(run.status, c.status) << c.line << "\n" << run.err;
    EXPECT_EQ(run.out, c.status == 0 ? c.says : "") << c.line;
    EXPECT_NE(run.err.find(c.status == 0 ? "" : c.says), std::string::npos) << run.err;
  }
  // One hand a line from standard input: every good line answered, bad ones named.
  const Ran lines = Sim("eval -",
                        "As Ad Kc Kh\n\n--omaha As 2d 3d 4c Ks 9s 7s 5s Jh\nAs Zz\n"
                        "Ks Kd 7c 7h 5s 5d 2c\r\nQs\n");
  EXPECT_EQ(lines.status, 2);
  EXPECT_EQ(lines.out, "2170882 1 Pair\n13576 0 High Card\n2623880 2 2 Pair\n");
  EXPECT_NE(lines.err.find("line 4: \"Zz\""), std::string::npos) << lines.err;
  EXPECT_NE(lines.err.find("line 6: "), std::string::npos) << lines.err;
  // Every option is named in the help.
  for (const char* help : {"play --hands --tournament --variant --seats --structure --base-bet "
                           "--ante --rake --cap --progressive --seed --no-rebuy --json",
                           "eval --omaha", "equity --board --variant --trials --seed --json",
                           "step --table --out --ticks"}) {
    const Words options = Split(help);
    const Ran run = Sim(options[0] + " --help");
    EXPECT_EQ(run.status, 0);
    for (const std::string& option : options) {
      EXPECT_NE(run.out.find(option), std::string::npos) << help << ": " << option;
    }
  }
}

TEST(SimCommands, EquityIsExactWhereFewDealsAreLeftAndJsonKeepsTheGivenOrder) {
  const struct {
    const char* line;
    bool exact;
    uint64_t deals;
    const char* first;  // the first hand, as given
    double win;         // its share won alone; < 0: not checked
  } cases[] = {
      {"equity AsAh KsKh", true, 1712304, "AsAh", 82.36},  // every board before the flop
      {"equity --board 7h8h9c --variant omaha AsKsQhJh 2c2d3c3d", true, 820, "AsKsQhJh", -1},
      {"equity AsKd ?? --trials 20000 --seed 5", false, 20000, "AsKd", -1},
      // Every hand of the cards left at the river: nothing beats four aces.
      {"equity AsAh ?? --board AdAcKsKh2c", true, 990, "AsAh", 100}};
  for (const auto& c : cases) {
    const Ran run = Sim(c.line + std::string(" --json"));
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["exact"], c.exact);
    EXPECT_EQ(json["deals"], c.deals);
    EXPECT_EQ(json["hands"][0]["cards"], c.first);
    if (c.win >= 0) {
      EXPECT_DOUBLE_EQ(json["hands"][0]["win"].get<double>(), c.win);
    }
    double total = 0;
    for (const auto& hand : json["hands"]) {
      total += hand["equity"].get<double>();
      EXPECT_EQ(hand["stderr"].get<double>() == 0.0, c.exact);
    }
    EXPECT_NEAR(total, 100.0, 0.05);
  }
}

TEST(SimCommands, PlayReportsPerSeatAndPerKind) {
  const Ran run = Sim("play --hands 60 --seats smart,loose,smart --seed 9");
  for (const char* text : {"Texas, 3 seats, fixed limit", "\n2     Oswin", "\n2     smart"}) {
    EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
  }
  const Ran json = Sim("play --hands 40 --variant omaha --seats tight,stupid --seed 4 --json");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out.find('\n'), json.out.size() - 1);  // one line
  const nlohmann::json report = nlohmann::json::parse(json.out);
  EXPECT_EQ(report["variant"], "omaha");
  EXPECT_EQ(report["seats"][1]["hands"], 40);
  EXPECT_EQ(report["kinds"][1]["kind"], "stupid");
  const Ran tournament = Sim("play --tournament --seats stupid,loose --structure 6 --seed 2");
  EXPECT_NE(tournament.out.find(" won the tournament.\n"), std::string::npos) << tournament.out;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// step on a saved three-seat table, dealer on seat 0: the turn of each tick,
// the table saved in place or elsewhere, and a bad file refused as the game does.
TEST(SimCommands, StepTicksASavedTable) {
  const fs::path folder = fs::temp_directory_path() / ("qf-step-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const std::string path = (folder / "table.dat").string(), other = (folder / "next.dat").string();
  SimConfig config;
  config.kinds = {KindSmart, KindTight, KindLoose};
  TableRecord table;
  Rng rng(8);
  SetUpSimTable(config, table, rng);
  ASSERT_TRUE(SaveTable(path, table));
  const std::string before = ReadAll(path);
  ASSERT_EQ(Sim("step --table=" + path + " --out " + other + " --ticks 2").status, 0);
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_NE(ReadAll(other), before);
  const Ran run = Sim("step --table " + path + " --ticks 4");
  EXPECT_EQ(run.out,
            "1 2 forced-bet seat 1 amount 1\n"
            "2 2 forced-bet seat 2 amount 2\n"
            "3 4 deal\n"
            "4 3 act seat 0 amount 2\n");
  TableRecord after;
  ASSERT_EQ(LoadTable(path, after).status, LoadStatus::Loaded);
  EXPECT_EQ(std::tuple(after.players[1].inPot, after.players[2].inPot, after.players[0].cardsSeen),
            std::tuple(1u, 2u, uint8_t{2}));
  EXPECT_NE(after.players[0].lastAction, ActionNone);  // seat 0 acted on the fourth tick
  EXPECT_EQ(Sim("step --table " + path + " --out " + (folder / "no/t.dat").string()).status, 1);
  std::ofstream(other, std::ios::binary | std::ios::trunc) << std::string(100, 'x');
  const Ran bad = Sim("step --table " + other);
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("only 100 bytes"), std::string::npos) << bad.err;
  EXPECT_TRUE(fs::exists(other + ".rejected") && !fs::exists(other));  // moved aside
  fs::remove_all(folder);
}

}  // namespace
}  // namespace qf
