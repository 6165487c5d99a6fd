#include "sim/eval_command.h"

#include <algorithm>
#include <sstream>

#include "engine/cards.h"
#include "engine/evaluate.h"

namespace qf {

const char kEvalHelp[] =
    "usage: quillfern-sim eval [--omaha] CARD...\n"
    "       quillfern-sim eval [--omaha] -\n"
    "\n"
    "Prints the value of a hand of 2 to 9 cards as one line: the hand value, its\n"
    "category number (0 High Card .. 8 S-Flush) and the category name, e.g.\n"
    "\"2170882 1 Pair\". A card is its rank A 2 3 4 5 6 7 8 9 T J Q K followed by\n"
    "its suit s c d h, e.g. As Td 7h. With \"-\", reads one hand per line from\n"
    "standard input and prints one line per hand; a line may start with --omaha.\n"
    "\n"
    "  --omaha   with nine cards, the first four are the hole cards and the hand\n"
    "            is the best of exactly two of them with three of the others\n";

namespace {

constexpr const char* kCardForm = "a card is a rank A 2-9 T J Q K then a suit s c d h, e.g. As";

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream stream(line);
  std::string word;
  while (stream >> word) words.push_back(word);
  return words;
}

// Answers the hands of in, one per line; blank lines are skipped.
int EvalLines(std::istream& in, bool omaha, std::ostream& out, std::ostream& err) {
  int status = 0;
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    std::vector<std::string> words = SplitWords(line);
    if (words.empty()) continue;
    std::string error;
    std::optional<EvalHand> hand = ParseEvalHand(words, omaha, error);
    if (!hand) {
      err << "quillfern-sim eval: line " << number << ": " << error << "\n";
      status = 2;
      continue;
    }
    out << EvalHandLine(*hand) << "\n";
  }
  return status;
}

}  // namespace

std::optional<EvalHand> ParseEvalHand(const std::vector<std::string>& words, bool omaha,
                                      std::string& error) {
  EvalHand hand;
  hand.omaha = omaha;
  for (const std::string& word : words) {
    if (word == "--omaha" && hand.cards.empty()) {
      hand.omaha = true;
      continue;
    }
    int code = ParseCard(word);
    if (code == 0) {
      error = "\"" + word + "\" is not a card (" + kCardForm + ")";
      return std::nullopt;
    }
    if (std::find(hand.cards.begin(), hand.cards.end(), code) != hand.cards.end()) {
      error = "\"" + word + "\" is a duplicate card";
      return std::nullopt;
    }
    if (hand.cards.size() == 9) {
      error = "\"" + word + "\" is a tenth card; a hand has 2 to 9 cards";
      return std::nullopt;
    }
    hand.cards.push_back(static_cast<uint8_t>(code));
  }
  if (hand.cards.size() < 2) {
    error = hand.cards.empty()
                ? std::string("no cards; a hand has 2 to 9 cards")
                : "only one card (\"" + words.back() + "\"); a hand has 2 to 9 cards";
    return std::nullopt;
  }
  return hand;
}

std::string EvalHandLine(const EvalHand& hand) {
  int n = static_cast<int>(hand.cards.size());
  uint32_t value = EvaluateBest(hand.cards.data(), n, hand.omaha ? 4 : 2);
  uint32_t category = CategoryOf(value);
  return std::to_string(value) + " " + std::to_string(category) + " " + CategoryName(category);
}

int RunEvalCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kEvalHelp;
    return 0;
  }
  bool omaha = !args.empty() && args[0] == "--omaha";
  std::vector<std::string> rest(args.begin() + (omaha ? 1 : 0), args.end());
  if (std::find(rest.begin(), rest.end(), "-") != rest.end()) {
    if (rest.size() != 1) {
      err << "quillfern-sim eval: \"-\" reads the hands from standard input and takes no cards\n";
      return 2;
    }
    return EvalLines(in, omaha, out, err);
  }
  if (rest.empty()) {
    err << "quillfern-sim eval: no cards given\n" << kEvalHelp;
    return 2;
  }
  std::string error;
  std::optional<EvalHand> hand = ParseEvalHand(rest, omaha, error);
  if (!hand) {
    err << "quillfern-sim eval: " << error << "\n";
    return 2;
  }
  out << EvalHandLine(*hand) << "\n";
  return 0;
}

}  // namespace qf
