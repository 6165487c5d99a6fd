// Computer seats playing hand after hand through the game's own driver, with
// a UI that draws nothing; the statistics of each seat along the way.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/rng.h"
#include "engine/table_record.h"
#include "sim/running_stats.h"

namespace qf {

struct SimConfig {
  uint64_t hands = 1000;    // hands to play; with a tournament, the most to play
  bool tournament = false;  // play until one seat is left (no buying in again)
  uint8_t holeCards = kTexasHoleCards;
  std::vector<uint32_t> kinds;  // computer kinds of seats 0..n-1, 2 <= n <= 10
  uint8_t structure = StructureFixed;
  uint32_t baseBet = 2;
  bool ante = false;
  uint8_t rakePercent = 4;
  uint8_t raiseCap = 4;
  bool progressive = false;
  uint64_t seed = 1;
  bool rebuy = true;  // busted seats buy in again
  std::string historyFile;  // where every hand is recorded ("": nowhere)
};

// A config for the given variant, seats, structure, hand count and seed, the
// rest at its defaults.
inline SimConfig MakeSimConfig(uint8_t holeCards, std::vector<uint32_t> kinds, uint8_t structure,
                               uint64_t hands, uint64_t seed) {
  SimConfig config;
  config.holeCards = holeCards;
  config.kinds = std::move(kinds);
  config.structure = structure;
  config.hands = hands;
  config.seed = seed;
  return config;
}

struct SeatStats {
  uint64_t hands = 0;  // hands the seat was dealt into
  uint64_t won = 0;    // hands in which it held the best hand at the showdown
  uint64_t folds = 0;
  uint64_t checks = 0;
  uint64_t calls = 0;
  uint64_t raises = 0;  // bets and raises
  uint64_t rake = 0;
  int64_t net = 0;       // chips won minus chips lost, buy-ins counted
  RunningStats perHand;  // net result of each hand played
};

struct SimResult {
  std::array<SeatStats, kSeatCount> seats{};
  uint64_t hands = 0;  // "Start" presses
  uint64_t ticks = 0;
  double seconds = 0.0;     // wall-clock time of the hands
  double cpuSeconds = 0.0;  // processor time of the hands (the tool is single-threaded)
  std::optional<std::string> tournamentWinner;
  std::string stalled;  // why the run stopped early, "" when it did not
  uint64_t handsRecorded = 0;
  bool historyFailed = false;  // the history file could not be written
  TableRecord table{};  // the table as the run left it
};

// The table for a run: defaults, the config's settings, the seats, a new
// table set up (buy-ins, button) and its first hand begun (shuffled with
// rng), with no waiting for "Deal".
void SetUpSimTable(const SimConfig& config, TableRecord& table, Rng& rng);

// Plays the run. With progress set, runs longer than a second report on it.
// The clocks run from the first tick to the last "Start"; the hand
// evaluator's one-time set-up is done before they start.
SimResult RunSimulation(const SimConfig& config, std::ostream* progress = nullptr);

// Hands per processor second (0 when no time was measured).
double HandsPerSecond(const SimResult& result);

// 64-bit FNV-1a over bytes, continuing from hash.
inline constexpr uint64_t kFnvOffsetBasis = 0xcbf29ce484222325ULL;
uint64_t Fnv1a(const void* data, size_t size, uint64_t hash = kFnvOffsetBasis);

}  // namespace qf
