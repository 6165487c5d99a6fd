// quillfern-sim equity driven through its command function.
#include "sim/equity_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

namespace qf {
namespace {

struct EquityRun {
  int status;
  std::string out, err;
};

EquityRun Equity(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunEquityCommand(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(EquityCommand, ExactWhereFewDealsAreLeftAndJsonInTheGivenOrder) {
  const struct {
    std::vector<std::string> args;
    bool exact;
    uint64_t deals;
  } cases[] = {
      {{"AsAh", "KsKh"}, true, 1712304},  // every board before the flop
      {{"AsKd", "QhQc", "7s7c"}, true, 1370754},
      {{"--board", "7h8h9c", "--variant", "omaha", "AsKsQhJh", "2c2d3c3d"}, true, 820},
      {{"AsKd", "??", "--trials", "20000", "--seed", "5"}, false, 20000},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.push_back("--json");
    const EquityRun run = Equity(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["exact"], c.exact);
    EXPECT_EQ(json["deals"], c.deals);
    double total = 0;
    for (const auto& hand : json["hands"]) {
      total += hand["equity"].get<double>();
      EXPECT_EQ(hand["stderr"].get<double>() == 0.0, c.exact);
    }
    EXPECT_NEAR(total, 100.0, 0.05);
  }
  const nlohmann::json aces = nlohmann::json::parse(Equity({"AsAh", "KsKh", "--json"}).out);
  EXPECT_EQ(aces["hands"][0]["cards"], "AsAh");
  EXPECT_DOUBLE_EQ(aces["hands"][0]["win"].get<double>(), 82.36);
  EXPECT_NE(Equity({"AsAh", "??"}).out.find("sampled over 200000 deals"), std::string::npos);
}

TEST(EquityCommand, BadWordsAreNamedWithStatusTwo) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"AsKd", "QQ"}, "\"QQ\" is not a card"},
      {{"AsKd", "AsQd"}, "As is given twice"},
      {{"AsKd", "QhJh", "--board", "Qh2c3d"}, "Qh is given twice"},
      {{"AsKd"}, "give 2 to 10 hands, not 1"},
      {{"AsKdQh", "2c2d"}, "\"AsKdQh\" has 3 cards"},
      {{"--variant", "omaha", "AsKd", "2c2d3c3d"}, "\"AsKd\" has 2 cards; an Omaha hand has 4"},
      {{"AsKd", "2c2d", "--board", "7h8h"}, "--board \"7h8h\" has 2 cards"},
      {{"AsKd", "2c2d", "--trials", "5"}, "--trials"},
      {{"AsKd", "2c2d", "--speed"}, "unknown option --speed"},
  };
  for (const auto& [args, message] : cases) {
    const EquityRun run = Equity(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace qf
