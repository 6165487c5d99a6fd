// quillfern-sim eval driven through its command function.
#include "sim/eval_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace qf {
namespace {

struct EvalRun {
  int status;
  std::string out;
  std::string err;
};

EvalRun Eval(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  int status = RunEvalCommand(args, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(EvalCommand, PrintsValueCategoryAndName) {
  EvalRun run = Eval({"As", "Ad", "Kc", "Kh"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "2170882 1 Pair\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Eval({"as", "2D", "3c", "4h", "5s"}).out, "5242881 4 Straight\n");
  EXPECT_EQ(Eval({"Ks", "Td"}).out, "4608 0 High Card\n");
  EXPECT_EQ(Eval({"Th", "Jh", "Qh", "Kh", "Ah", "2c", "2d", "3s", "4s"}).out,
            "10485770 8 S-Flush\n");
}

TEST(EvalCommand, OmahaUsesTwoHoleCardsAtTheRiver) {
  std::vector<std::string> hand = {"As", "2d", "3d", "4c", "Ks", "9s", "7s", "5s", "Jh"};
  EXPECT_EQ(Eval(hand).out.substr(0, 9), "6566224 5");  // any five: a spade flush
  std::vector<std::string> omaha = hand;
  omaha.insert(omaha.begin(), "--omaha");
  EXPECT_EQ(Eval(omaha).out, "13576 0 High Card\n");
  // Before the river all cards count together, as in the game.
  omaha.pop_back();
  EXPECT_EQ(Eval(omaha).out.substr(0, 9), "6566224 5");
}

TEST(EvalCommand, BadHandsNameTheWordAndExitWithTwo) {
  EvalRun unknown = Eval({"As", "Kx", "Qd"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_NE(unknown.err.find("\"Kx\""), std::string::npos) << unknown.err;

  EvalRun duplicate = Eval({"As", "Kd", "as"});
  EXPECT_EQ(duplicate.status, 2);
  EXPECT_NE(duplicate.err.find("\"as\" is a duplicate"), std::string::npos) << duplicate.err;

  EvalRun one = Eval({"As"});
  EXPECT_EQ(one.status, 2);
  EXPECT_NE(one.err.find("\"As\""), std::string::npos) << one.err;

  EvalRun ten = Eval({"2s", "3s", "4s", "5s", "6s", "7s", "8s", "9s", "Ts", "Js"});
  EXPECT_EQ(ten.status, 2);
  EXPECT_NE(ten.err.find("\"Js\""), std::string::npos) << ten.err;

  EXPECT_EQ(Eval({}).status, 2);
  EXPECT_EQ(Eval({"10s", "As"}).status, 2);
  EXPECT_EQ(Eval({"As", "Kd", "--omaha"}).status, 2);
}

TEST(EvalCommand, StandardInputAnswersEveryGoodLineAndReportsBadOnes) {
  EvalRun run = Eval({"-"},
                     "As Ad Kc Kh\n"
                     "\n"
                     "--omaha As 2d 3d 4c Ks 9s 7s 5s Jh\n"
                     "As Zz\n"
                     "Ks Kd 7c 7h 5s 5d 2c\r\n"
                     "Qs\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out,
            "2170882 1 Pair\n"
            "13576 0 High Card\n"
            "2623880 2 2 Pair\n");
  EXPECT_NE(run.err.find("line 4: \"Zz\""), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("line 6: "), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("line 5"), std::string::npos) << run.err;

  EvalRun good = Eval({"--omaha", "-"}, "As 2d 3d 4c Ks 9s 7s 5s Jh\n");
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "13576 0 High Card\n");
  EXPECT_EQ(Eval({"-", "As"}).status, 2);
}

TEST(EvalCommand, HelpListsTheForm) {
  EvalRun help = Eval({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("quillfern-sim eval"), std::string::npos);
}

}  // namespace
}  // namespace qf
