#include "sim/play_command.h"

#include <limits>

#include "engine/rng.h"
#include "sim/command_options.h"
#include "sim/play_report.h"
#include "engine/seat_kind_names.h"

namespace qf {

const char kPlayHelp[] =
    "usage: quillfern-sim play [options]\n"
    "\n"
    "Computer seats play hand after hand through the game's own hand driver,\n"
    "with nothing drawn. Prints, per seat and per kind: hands played, hands won,\n"
    "net chips per 100 hands with a 95% confidence interval, folds, checks,\n"
    "calls and raises per hand, and rake paid; then the time taken and hands\n"
    "per second of processor time (the tool runs on one core).\n"
    "\n"
    "  --hands N         hands to play (default 1000); with --tournament, the most\n"
    "  --tournament      play until one seat is left; busted seats leave the table\n"
    "  --variant V       texas (default) or omaha\n"
    "  --seats LIST      2 to 10 comma-separated kinds, seats 0.. in order:\n"
    "                    smart, tight, loose, stupid, paranoid, bluffing, erratic\n"
    "                    (default smart,tight,loose,stupid,paranoid,bluffing,erratic)\n"
    "  --structure S     0 fixed limit b/2b (default), 1 fixed b/2b/4b, 2 spread b-2b,\n"
    "                    3 spread b-2b-4b, 4 spread b-2b-4b-8b, 5 pot limit,\n"
    "                    6 no limit, 7 custom (b-2b before the turn, 2b-4b after)\n"
    "  --base-bet B      base bet, 1 to 9999 (default 2); a buy-in is 100 x B\n"
    "  --ante            every seat antes instead of blinds\n"
    "  --rake P          rake in percent, 0 to 10 (default 4)\n"
    "  --cap C           most bets and raises per round, 0 (unlimited) to 10 (default 4)\n"
    "  --progressive     stakes rise each time the button passes seat 0\n"
    "  --seed S          seed of the random source (default: from the system);\n"
    "                    the report names the seed, so a run can be replayed\n"
    "  --no-rebuy        busted seats are dismissed instead of buying in again\n"
    "  --json            print the report as one JSON object\n"
    "  --history FILE    append every hand to FILE in the PHH hand history format\n"
    "  --help            this text\n"
    "\n"
    "Net chips count every buy-in, so a seat that busts and buys in again is\n"
    "charged for it. The run ends early when a tournament winner is left.\n"
    "Exit status: 0 done, 1 the run stopped making progress, 2 bad arguments.\n";

namespace {

constexpr uint64_t kTournamentHandLimit = 10'000'000;

bool ParseSeats(const std::string& list, std::vector<uint32_t>& kinds, std::string& error) {
  kinds.clear();
  size_t start = 0;
  while (true) {
    size_t comma = list.find(',', start);
    std::string name = list.substr(start, comma == std::string::npos ? comma : comma - start);
    std::optional<uint32_t> kind = ComputerKindFromName(name);
    if (!kind) {
      error = "--seats: unknown kind '" + name +
              "' (smart, tight, loose, stupid, paranoid, bluffing, erratic)";
      return false;
    }
    kinds.push_back(*kind);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (kinds.size() < 2 || kinds.size() > kSeatCount) {
    error = "--seats wants 2 to 10 seats, not " + std::to_string(kinds.size());
    return false;
  }
  return true;
}

}  // namespace

std::optional<PlayOptions> ParsePlayOptions(const std::vector<std::string>& args,
                                            std::string& error) {
  PlayOptions options;
  SimConfig& config = options.config;
  config.kinds = {KindSmart,    KindTight,    KindLoose,  KindStupid,
                  KindParanoid, KindBluffing, KindErratic};
  config.seed = Rng::EntropySeed();
  bool handsGiven = false;
  OptionReader reader(args);
  while (std::optional<std::string> name = reader.Next()) {
    if (*name == "--help") {
      options.help = reader.Flag();
    } else if (*name == "--hands") {
      if (auto n = reader.Number(1, std::numeric_limits<uint32_t>::max())) config.hands = *n;
      handsGiven = true;
    } else if (*name == "--tournament") {
      config.tournament = reader.Flag();
    } else if (*name == "--variant") {
      std::optional<std::string> variant = reader.Value();
      if (variant == "texas") {
        config.holeCards = kTexasHoleCards;
      } else if (variant == "omaha") {
        config.holeCards = kOmahaHoleCards;
      } else if (variant) {
        reader.Fail("--variant wants texas or omaha, not '" + *variant + "'");
      }
    } else if (*name == "--seats") {
      std::optional<std::string> list = reader.Value();
      std::string seatError;
      if (list && !ParseSeats(*list, config.kinds, seatError)) reader.Fail(seatError);
    } else if (*name == "--structure") {
      if (auto n = reader.Number(0, kStructureCount - 1)) config.structure = uint8_t(*n);
    } else if (*name == "--base-bet") {
      if (auto n = reader.Number(1, 9999)) config.baseBet = uint32_t(*n);
    } else if (*name == "--ante") {
      config.ante = reader.Flag();
    } else if (*name == "--rake") {
      if (auto n = reader.Number(0, 10)) config.rakePercent = uint8_t(*n);
    } else if (*name == "--cap") {
      if (auto n = reader.Number(0, 10)) config.raiseCap = uint8_t(*n);
    } else if (*name == "--progressive") {
      config.progressive = reader.Flag();
    } else if (*name == "--seed") {
      if (auto n = reader.Number(0, std::numeric_limits<uint64_t>::max())) config.seed = *n;
    } else if (*name == "--no-rebuy") {
      config.rebuy = !reader.Flag();
    } else if (*name == "--json") {
      options.json = reader.Flag();
    } else if (*name == "--history") {
      if (std::optional<std::string> file = reader.Value()) config.historyFile = *file;
    } else {
      reader.Fail("unknown option " + *name);
    }
  }
  if (reader.Failed()) {
    error = reader.Error();
    return std::nullopt;
  }
  if (config.tournament) {
    config.rebuy = false;
    if (!handsGiven) config.hands = kTournamentHandLimit;
  }
  return options;
}

int RunPlayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  std::optional<PlayOptions> options = ParsePlayOptions(args, error);
  if (!options) {
    err << "quillfern-sim play: " << error << "\n"
        << "Try 'quillfern-sim play --help'.\n";
    return 2;
  }
  if (options->help) {
    out << kPlayHelp;
    return 0;
  }
  SimResult result = RunSimulation(options->config, &err);
  if (options->json) {
    PrintPlayJson(options->config, result, out);
  } else {
    PrintPlayReport(options->config, result, out);
  }
  if (result.historyFailed) {
    err << "quillfern-sim play: could not write the hand history to " << options->config.historyFile
        << "\n";
  }
  if (!result.stalled.empty()) {
    err << "quillfern-sim play: the run stopped: " << result.stalled << "\n";
    return 1;
  }
  return 0;
}

}  // namespace qf
