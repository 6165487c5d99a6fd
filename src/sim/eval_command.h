// quillfern-sim eval: the value, category number and category name of hands
// written as card texts ("As Td 7h ...").
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qf {

struct EvalHand {
  std::vector<uint8_t> cards;
  bool omaha = false;  // with nine cards: four hole cards, two of which must play
};

// Reads a hand from its words: an optional "--omaha" and 2 to 9 different
// cards. On bad input returns nothing and sets error to a message that names
// the offending word.
std::optional<EvalHand> ParseEvalHand(const std::vector<std::string>& words, bool omaha,
                                      std::string& error);

// "VALUE CATEGORY NAME", e.g. "2170882 1 Pair".
std::string EvalHandLine(const EvalHand& hand);

// args are the words after "eval": the hand's words, or "-" to read one hand
// per line from in. Returns 0, or 2 when any hand or argument was bad (each
// reported on err; with "-" the good lines are still answered).
int RunEvalCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

extern const char kEvalHelp[];

}  // namespace qf
