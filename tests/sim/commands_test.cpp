// quillfern-sim's subcommands driven through their command functions: what
// they print, their exit status, and the messages for bad input.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/table_file.h"
#include "sim/equity_command.h"
#include "sim/eval_command.h"
#include "sim/play_command.h"
#include "sim/simulation.h"
#include "sim/step_command.h"

namespace qf {
namespace {

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

// eval answers a hand a line; bad input exits 2 with nothing on standard output.
TEST(SimCommands, AnswersStatusesAndMessages) {
  const struct {
    const char* line;
    int status;
    std::string says;  // in the output or the error messages
  } cases[] = {
      {"eval As Ad Kc Kh", 0, "2170882 1 Pair\n"},
      {"eval as 2D 3c 4h 5s", 0, "5242881 4 Straight\n"},
      {"eval Th Jh Qh Kh Ah 2c 2d 3s 4s", 0, "10485770 8 S-Flush\n"},
      // Omaha plays two hole cards at the river only, as the game does.
      {"eval As 2d 3d 4c Ks 9s 7s 5s Jh", 0, "6566224 5 Flush\n"},
      {"eval --omaha As 2d 3d 4c Ks 9s 7s 5s Jh", 0, "13576 0 High Card\n"},
      {"eval --omaha As 2d 3d 4c Ks 9s 7s 5s", 0, "6566224 5 Flush\n"},
      {"eval As Kx Qd", 2, "\"Kx\""},
      {"eval As Kd as", 2, "\"as\" is a duplicate"},
      {"eval As", 2, "\"As\""},
      {"eval 2s 3s 4s 5s 6s 7s 8s 9s Ts Js", 2, "\"Js\""},
      {"equity AsKd QQ", 2, "\"QQ\" is not a card"},
      {"equity AsKd AsQd", 2, "As is given twice"},
      {"equity AsKd", 2, "give 2 to 10 hands, not 1"},
      {"equity AsKdQh 2c2d", 2, "\"AsKdQh\" has 3 cards"},
      {"equity --variant omaha AsKd 2c2d3c3d", 2, "an Omaha hand has 4"},
      {"equity AsKd 2c2d --board 7h8h", 2, "--board \"7h8h\" has 2 cards"},
      {"equity AsKd 2c2d --speed", 2, "unknown option --speed"},
      {"equity AsAh ??", 0, "sampled over 200000 deals"},
      {"play --hands 0", 2, "--hands"},
      {"play --hands 12x", 2, "12x"},
      {"play --variant stud", 2, "stud"},
      {"play --seats smart", 2, "2 to 10"},
      {"play --seats smart,clever", 2, "clever"},
      {"play --base-bet 10000", 2, "--base-bet"},
      {"play --rake 11", 2, "--rake"},
      {"play --json=yes", 2, "takes no value"},
      {"play --fast", 2, "--fast"},
      {"play --tournament --seats stupid,loose --structure 6 --seed 2", 0, " won the tour"},
      {"play --tournament --hands 1 --seats tight,paranoid", 0, "no winner yet"},
      {"step --ticks 3", 2, "--table"},
      {"step --table t.dat --ticks many", 2, "many"},
      {"step --table /nonexistent/t.dat", 2, "cannot read"}};
  for (const auto& c : cases) {
    const Ran run = Sim(c.line);
    SCOPED_TRACE(c.line);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE((run.out + run.err).find(c.says), std::string::npos) << run.out << run.err;
    if (c.status == 2 || std::string_view(c.line).starts_with("eval")) {
      EXPECT_EQ(run.out, c.status == 2 ? "" : c.says);
    }
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
  for (const char* help :
       {"play --hands --tournament --variant --seats --structure --base-bet --ante --rake --cap "
        "--progressive --seed --no-rebuy --json",
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
      {"equity AsKd QhQc 7s7c", true, 1370754, "AsKd", -1},
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

// The words of the first line of text that starts with prefix.
Words LineWords(const std::string& text, const std::string& prefix) {
  const size_t start = text.find("\n" + prefix) + 1;
  return Split(text.substr(start, text.find('\n', start) - start));
}

TEST(SimCommands, PlayReadsEverySettingAndReportsPerSeatAndPerKind) {
  std::string error;
  const PlayOptions options =
      ParsePlayOptions(Split("--hands 250 --variant=omaha --seats Smart,tight,erratic --structure "
                             "6 --base-bet 25 --ante --rake 0 --cap=0 --progressive --seed 77 "
                             "--no-rebuy --json"),
                       error)
          .value();
  const SimConfig& c = options.config;
  EXPECT_EQ(
      std::tuple(c.hands, c.holeCards, c.structure, c.baseBet, c.rakePercent, c.raiseCap, c.seed),
      std::tuple(250u, kOmahaHoleCards, StructureNoLimit, 25u, 0, 0, 77u));
  EXPECT_EQ(c.kinds, (std::vector<uint32_t>{KindSmart, KindTight, KindErratic}));
  EXPECT_TRUE(c.ante && c.progressive && !c.rebuy && options.json && !c.tournament);
  const SimConfig tournament = ParsePlayOptions({"--tournament"}, error).value().config;
  EXPECT_TRUE(tournament.tournament && !tournament.rebuy && tournament.hands > 1000000u);

  const Ran run = Sim("play --hands 60 --seats smart,loose,smart --seed 9");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* text :
       {"Texas, 3 seats, fixed limit", "seed 9", "net/100 hands (95% CI)", "60 hands in "}) {
    EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
  }
  // Seats 0..2 by name, then the two kinds (two Smart seats on one line) with
  // label, kind, hands, won, net (4), 4 rates and rake.
  const Words seat0 = LineWords(run.out, "0 "), seat2 = LineWords(run.out, "2 ");
  EXPECT_EQ(Words(seat0.begin() + 1, seat0.begin() + 4), Split("Sim smart 60"));
  EXPECT_EQ(seat2.at(1), "Oswin");
  const Words smart = LineWords(run.out, "2     smart"), loose = LineWords(run.out, "1     loose");
  ASSERT_EQ(smart.size() + loose.size(), 26u) << run.out;
  EXPECT_EQ(smart[2] + " " + loose[2], "120 60");
  EXPECT_EQ(std::stoi(smart[3]), std::stoi(seat0.at(4)) + std::stoi(seat2.at(4)));

  const Ran json = Sim("play --hands 40 --variant omaha --seats tight,stupid --seed 4 --json");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out.find('\n'), json.out.size() - 1);  // one line
  const nlohmann::json report = nlohmann::json::parse(json.out);
  const nlohmann::json &seat = report["seats"][0], &kind = report["kinds"][0];
  EXPECT_EQ(report["variant"], "omaha");
  EXPECT_EQ(report["hands"], 40);
  EXPECT_EQ(seat["name"], "Sim");
  EXPECT_EQ(seat["kind"], "tight");
  EXPECT_EQ(seat["hands"], 40);
  EXPECT_EQ(kind["kind"], "tight");
  EXPECT_EQ(kind["seats"], 1);
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// step on a saved three-seat table, dealer on seat 0: the turn of each tick,
// the table saved in place or elsewhere, and bad files refused as the game does.
TEST(SimCommands, StepTicksASavedTable) {
  const fs::path folder = fs::temp_directory_path() / ("qf-step-" + std::to_string(getpid()));
  fs::remove_all(folder);
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
  EXPECT_EQ(ReadAll(other).size(), sizeof(TableRecord));
  EXPECT_NE(ReadAll(other), before);
  const Ran run = Sim("step --table " + path + " --ticks 4");
  ASSERT_EQ(run.status, 0) << run.err;
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
  const Ran failed = Sim("step --table " + path + " --out " + (folder / "no/t.dat").string());
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("cannot save"), std::string::npos);

  table.players[4].kind = 17;
  ASSERT_TRUE(SaveTable(path, table));
  std::ofstream(other, std::ios::binary) << std::string(100, 'x');
  for (auto [file, reason] :
       {std::pair{other, "only 100 bytes"}, std::pair{path, "seat 4 kind out of range"}}) {
    const Ran bad = Sim("step --table " + file);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find(reason), std::string::npos) << bad.err;
    EXPECT_EQ(bad.out, "");
    EXPECT_TRUE(fs::exists(file + ".rejected") && !fs::exists(file));  // moved aside
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace qf
