#include "sim/equity_command.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "engine/cards.h"
#include "sim/command_options.h"

namespace qf {

const char kEquityHelp[] =
    "usage: quillfern-sim equity [options] HAND HAND [HAND...]\n"
    "\n"
    "The chances of each hand against the others: win (percent of the deals\n"
    "on which it wins alone), tie (percent on which it shares the best hand)\n"
    "and equity (its expected share of the pot, ties split). A HAND is the\n"
    "cards of one player, e.g. AsKd (four cards in Omaha), or ?? for a player\n"
    "whose cards are unknown. The figures are counted exactly over every deal\n"
    "when every hand is known and few boards are left (two board cards to\n"
    "come, or two or three Texas hands before the flop), else over random\n"
    "deals, with their standard error.\n"
    "\n"
    "  --variant V    texas (default) or omaha\n"
    "  --board CARDS  the board dealt so far, 3 to 5 cards, e.g. 7h8h9c\n"
    "  --trials N     random deals when not counted exactly, 1000 to 100000000\n"
    "                 (default 200000)\n"
    "  --seed S       seed of the random source for the deals (default 1)\n"
    "  --json         print one JSON object\n"
    "  --help         this text\n"
    "\n"
    "Exit status: 0 done, 2 bad arguments (bad, repeated or missing cards).\n";

namespace {

// Counting exactly costs at most this many hand values (a few tenths of a second).
constexpr uint64_t kExactWork = 10'000'000;

constexpr const char* kCardForm = "a card is a rank A 2-9 T J Q K then a suit s c d h, e.g. As";

// Cards written together ("AsKd"); false and an error naming the word otherwise.
bool ParseCards(const std::string& word, std::vector<uint8_t>& cards, std::string& error) {
  cards.clear();
  if (word.empty() || word.size() % 2 != 0) {
    error = "\"" + word + "\" is not a list of cards (" + kCardForm + ")";
    return false;
  }
  for (size_t i = 0; i < word.size(); i += 2) {
    const int code = ParseCard(word.substr(i, 2));
    if (code == 0) {
      error = "\"" + word.substr(i, 2) + "\" is not a card (" + kCardForm + ")";
      if (word.size() > 2) error = "\"" + word + "\": " + error;
      return false;
    }
    cards.push_back(static_cast<uint8_t>(code));
  }
  return true;
}

std::string Percent(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%6.2f%%", value);
  return text;
}

double Rounded(double value) {
  return std::round(value * 100.0) / 100.0;
}

}  // namespace

std::optional<EquityOptions> ParseEquityOptions(const std::vector<std::string>& args,
                                                std::string& error) {
  EquityOptions options;
  std::vector<std::string> words;
  std::string boardWord;
  for (size_t i = 0; i < args.size(); ++i) {
    if (!args[i].starts_with("--")) {
      words.push_back(args[i]);
      continue;
    }
    const std::vector<std::string> rest(args.begin() + static_cast<ptrdiff_t>(i), args.end());
    OptionReader one(rest);
    // Options are read one at a time from where they stand.
    const std::optional<std::string> name = one.Next();
    if (*name == "--help") {
      options.help = one.Flag();
    } else if (*name == "--json") {
      options.json = one.Flag();
    } else if (*name == "--variant") {
      const std::optional<std::string> variant = one.Value();
      if (variant == "texas") {
        options.spot.holeCards = 2;
      } else if (variant == "omaha") {
        options.spot.holeCards = 4;
      } else if (variant) {
        one.Fail("--variant wants texas or omaha, not \"" + *variant + "\"");
      }
    } else if (*name == "--board") {
      if (auto value = one.Value()) boardWord = *value;
    } else if (*name == "--trials") {
      if (auto n = one.Number(1000, 100'000'000)) options.trials = *n;
    } else if (*name == "--seed") {
      if (auto n = one.Number(0, UINT64_MAX)) options.seed = *n;
    } else {
      one.Fail("unknown option " + *name);
    }
    if (one.Failed()) {
      error = one.Error();
      return std::nullopt;
    }
    // Skip the value the option took, if it was the next word.
    if (args[i].find('=') == std::string::npos &&
        (*name == "--variant" || *name == "--board" || *name == "--trials" || *name == "--seed")) {
      ++i;
    }
  }
  if (options.help) return options;
  if (!boardWord.empty()) {
    if (!ParseCards(boardWord, options.spot.board, error)) return std::nullopt;
    if (options.spot.board.size() < 3 || options.spot.board.size() > 5) {
      error = "--board \"" + boardWord + "\" has " + std::to_string(options.spot.board.size()) +
              " cards; a board has 3 to 5";
      return std::nullopt;
    }
  }
  if (words.size() < 2 || words.size() > 10) {
    error = "give 2 to 10 hands, not " + std::to_string(words.size());
    return std::nullopt;
  }
  std::vector<uint8_t> seen = options.spot.board;
  for (const std::string& word : words) {
    std::vector<uint8_t> cards;
    if (word != "??") {
      if (!ParseCards(word, cards, error)) return std::nullopt;
      if (cards.size() != static_cast<size_t>(options.spot.holeCards)) {
        error = "\"" + word + "\" has " + std::to_string(cards.size()) + " cards; " +
                (options.spot.holeCards == 4 ? "an Omaha hand has 4" : "a Texas hand has 2");
        return std::nullopt;
      }
      for (uint8_t card : cards) {
        if (std::find(seen.begin(), seen.end(), card) != seen.end()) {
          error = "\"" + word + "\": " + CardText(card) + " is given twice";
          return std::nullopt;
        }
        seen.push_back(card);
      }
    }
    options.spot.hands.push_back(cards);
    options.handWords.push_back(word);
  }
  if (const std::string problem = EquitySpotProblem(options.spot); !problem.empty()) {
    error = problem;
    return std::nullopt;
  }
  return options;
}

int RunEquityCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<EquityOptions> options = ParseEquityOptions(args, error);
  if (!options) {
    err << "quillfern-sim equity: " << error << "\n"
        << "Try 'quillfern-sim equity --help'.\n";
    return 2;
  }
  if (options->help) {
    out << kEquityHelp;
    return 0;
  }
  Rng rng(options->seed);
  const EquityResult result = ComputeEquity(options->spot, options->trials, rng, kExactWork);
  if (options->json) {
    nlohmann::ordered_json json;
    json["exact"] = result.exact;
    json["deals"] = result.deals;
    json["hands"] = nlohmann::ordered_json::array();
    for (size_t h = 0; h < result.hands.size(); ++h) {
      const EquityFigures& f = result.hands[h];
      json["hands"].push_back({{"cards", options->handWords[h]},
                               {"win", Rounded(f.win)},
                               {"tie", Rounded(f.tie)},
                               {"equity", Rounded(f.equity)},
                               {"stderr", std::round(f.stdError * 1e4) / 1e4}});
    }
    out << json.dump() << "\n";
    return 0;
  }
  out << "hand        win      tie   equity\n";
  for (size_t h = 0; h < result.hands.size(); ++h) {
    const EquityFigures& f = result.hands[h];
    std::string cards = options->handWords[h];
    cards.resize(std::max<size_t>(cards.size(), 8), ' ');
    out << cards << " " << Percent(f.win) << " " << Percent(f.tie) << " " << Percent(f.equity);
    if (!result.exact) {
      char text[32];
      std::snprintf(text, sizeof text, "  +- %.2f", f.stdError);
      out << text;
    }
    out << "\n";
  }
  out << (result.exact ? "exact over " : "sampled over ") << result.deals << " deals"
      << (result.exact ? "" : " (+- one standard error of the equity)") << "\n";
  return 0;
}

}  // namespace qf
