// The play subcommand: its options, its errors and its report.
#include "sim/play_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qf {
namespace {

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

// The words of the first line of text that starts with prefix; empty if none.
std::vector<std::string> LineWords(const std::string& text, const std::string& prefix) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(prefix, 0) != 0) continue;
    std::istringstream words(line);
    std::vector<std::string> result;
    for (std::string word; words >> word;) result.push_back(word);
    return result;
  }
  return {};
}

CommandRun Play(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  int status = RunPlayCommand(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(PlayOptions, ReadsEverySetting) {
  std::string error;
  std::optional<PlayOptions> options =
      ParsePlayOptions({"--hands", "250", "--variant=omaha", "--seats", "Smart,tight,erratic",
                        "--structure", "6", "--base-bet", "25", "--ante", "--rake", "0", "--cap=0",
                        "--progressive", "--seed", "77", "--no-rebuy", "--json"},
                       error);
  ASSERT_TRUE(options.has_value()) << error;
  const SimConfig& c = options->config;
  EXPECT_EQ(c.hands, 250u);
  EXPECT_EQ(c.holeCards, kOmahaHoleCards);
  EXPECT_EQ(c.kinds, (std::vector<uint32_t>{KindSmart, KindTight, KindErratic}));
  EXPECT_EQ(c.structure, StructureNoLimit);
  EXPECT_EQ(c.baseBet, 25u);
  EXPECT_TRUE(c.ante);
  EXPECT_EQ(c.rakePercent, 0);
  EXPECT_EQ(c.raiseCap, 0);
  EXPECT_TRUE(c.progressive);
  EXPECT_EQ(c.seed, 77u);
  EXPECT_FALSE(c.rebuy);
  EXPECT_TRUE(options->json);
}

TEST(PlayOptions, TournamentMeansNoRebuysAndNoFixedHandCount) {
  std::string error;
  std::optional<PlayOptions> options = ParsePlayOptions({"--tournament"}, error);
  ASSERT_TRUE(options.has_value());
  EXPECT_TRUE(options->config.tournament);
  EXPECT_FALSE(options->config.rebuy);
  EXPECT_GT(options->config.hands, 1000000u);
}

TEST(PlayCommand, BadArgumentsExitTwoWithAReason) {
  struct Case {
    std::vector<std::string> args;
    std::string mentions;
  };
  const Case cases[] = {
      {{"--hands", "0"}, "--hands"},
      {{"--hands", "12x"}, "12x"},
      {{"--hands"}, "needs a value"},
      {{"--variant", "stud"}, "stud"},
      {{"--seats", "smart"}, "2 to 10"},
      {{"--seats", "smart,smart,smart,smart,smart,smart,smart,smart,smart,smart,smart"}, "2 to 10"},
      {{"--seats", "smart,clever"}, "clever"},
      {{"--structure", "8"}, "--structure"},
      {{"--base-bet", "0"}, "--base-bet"},
      {{"--rake", "11"}, "--rake"},
      {{"--cap", "-1"}, "--cap"},
      {{"--seed", "-5"}, "--seed"},
      {{"--json=yes"}, "takes no value"},
      {{"--fast"}, "--fast"},
      {{"hands"}, "hands"},
  };
  for (const Case& c : cases) {
    CommandRun run = Play(c.args);
    EXPECT_EQ(run.status, 2) << c.mentions;
    EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST(PlayCommand, HelpNamesEveryOption) {
  CommandRun run = Play({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* option :
       {"--hands", "--tournament", "--variant", "--seats", "--structure", "--base-bet", "--ante",
        "--rake", "--cap", "--progressive", "--seed", "--no-rebuy", "--json", "--help"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
}

TEST(PlayCommand, ReportHasARowPerSeatAndPerKind) {
  CommandRun run = Play({"--hands", "60", "--seats", "smart,loose,smart", "--seed", "9"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Texas, 3 seats, fixed limit"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("seed 9"), std::string::npos);
  EXPECT_NE(run.out.find("net/100 hands (95% CI)"), std::string::npos);
  // Seats 0..2 by name, then the two kinds (two Smart seats on one line).
  using Words = std::vector<std::string>;
  EXPECT_EQ(LineWords(run.out, "0 ").at(1), "Sim");
  EXPECT_EQ(LineWords(run.out, "0 ").at(2), "smart");
  EXPECT_EQ(LineWords(run.out, "0 ").at(3), "60");
  EXPECT_EQ(LineWords(run.out, "2 ").at(1), "Oswin");
  Words smart = LineWords(run.out, "2     smart");
  ASSERT_EQ(smart.size(), 13u) << run.out;  // label, kind, hands, won, net (4), 4 rates, rake
  EXPECT_EQ(smart[2], "120");
  Words loose = LineWords(run.out, "1     loose");
  ASSERT_EQ(loose.size(), 13u) << run.out;
  EXPECT_EQ(loose[2], "60");
  // The kind line adds up its seats.
  int won = std::stoi(LineWords(run.out, "0 ").at(4)) + std::stoi(LineWords(run.out, "2 ").at(4));
  EXPECT_EQ(std::stoi(smart[3]), won);
  EXPECT_NE(run.out.find("60 hands in "), std::string::npos);
}

TEST(PlayCommand, JsonIsOneObjectWithSeatsAndKinds) {
  CommandRun run = Play(
      {"--hands", "40", "--variant", "omaha", "--seats", "tight,stupid", "--seed", "4", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_FALSE(run.out.empty());
  EXPECT_EQ(run.out.front(), '{');
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n");
  EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);  // one line
  EXPECT_NE(run.out.find("\"variant\":\"omaha\""), std::string::npos);
  EXPECT_NE(run.out.find("\"seats\":[{\"seat\":0,\"name\":\"Sim\",\"kind\":\"tight\",\"hands\":40"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"kinds\":[{\"seats\":1,\"kind\":\"tight\""), std::string::npos);
  EXPECT_NE(run.out.find("\"hands\":40,\"seconds\":"), std::string::npos);
}

TEST(PlayCommand, SameSeedSameReport) {
  auto withoutTiming = [](const std::string& text) {
    return text.substr(0, text.rfind("hands in"));
  };
  CommandRun first = Play({"--hands", "50", "--seed", "123"});
  CommandRun second = Play({"--hands", "50", "--seed", "123"});
  EXPECT_EQ(withoutTiming(first.out), withoutTiming(second.out));
}

TEST(PlayCommand, TournamentNamesItsWinnerOrSaysThereIsNone) {
  CommandRun done =
      Play({"--tournament", "--seats", "stupid,loose", "--structure", "6", "--seed", "2"});
  ASSERT_EQ(done.status, 0) << done.err;
  EXPECT_NE(done.out.find(" won the tournament.\n"), std::string::npos) << done.out;
  CommandRun cut =
      Play({"--tournament", "--hands", "1", "--seats", "tight,paranoid", "--seed", "2"});
  ASSERT_EQ(cut.status, 0) << cut.err;
  EXPECT_NE(cut.out.find("no winner yet"), std::string::npos) << cut.out;
}

}  // namespace
}  // namespace qf
