#include "sim/simulation.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>

#include "engine/deck.h"
#include "engine/pots.h"
#include "engine/rng.h"
#include "engine/table_defaults.h"
#include "engine/turn.h"
#include "flow/driver.h"
#include "flow/session.h"
#include "flow/table_input.h"
#include "history/history_files.h"
#include "sim/action_tally.h"
#include "sim/headless_ui.h"

namespace qf {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kSimOwnerName = "Sim";
// Ticks without a finished hand after which a run is taken to be stuck; a
// hand takes a few dozen ticks.
constexpr uint64_t kStallTicks = 100000;

int64_t Profit(const PlayerRecord& player) {
  return int64_t{player.balance} + player.chips + player.inPot + player.winnings;
}

class ProgressLine {
 public:
  ProgressLine(std::ostream* out, uint64_t target) : out_(out), target_(target) {}

  void Update(uint64_t hands) {
    if (out_ == nullptr) return;
    Clock::time_point now = Clock::now();
    double elapsed = std::chrono::duration<double>(now - start_).count();
    if (elapsed < 1.0 || now < next_) return;
    next_ = now + std::chrono::milliseconds(500);
    char line[128];
    std::snprintf(line, sizeof line, "\r%llu / %llu hands, %.0f hands/s   ",
                  static_cast<unsigned long long>(hands), static_cast<unsigned long long>(target_),
                  static_cast<double>(hands) / elapsed);
    *out_ << line << std::flush;
    shown_ = true;
  }

  void Finish() {
    if (shown_) *out_ << "\n" << std::flush;
  }

 private:
  std::ostream* out_;
  uint64_t target_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point next_ = start_;
  bool shown_ = false;
};

}  // namespace

double HandsPerSecond(const SimResult& result) {
  return result.cpuSeconds > 0 ? static_cast<double>(result.hands) / result.cpuSeconds : 0.0;
}

uint64_t Fnv1a(const void* data, size_t size, uint64_t hash) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) {
    hash ^= bytes[i];
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

void SetUpSimTable(const SimConfig& config, TableRecord& table, Rng& rng) {
  SetTableDefaults(table, kSimOwnerName);
  table.holeCards = config.holeCards;
  table.betStructure = config.structure;
  table.baseBet = config.baseBet;
  // The custom structure follows the base bet: b-2b before the flop and on
  // it, 2b-4b on the turn and river.
  for (int street = 0; street < 4; ++street) {
    table.customMin[street] = street < 2 ? config.baseBet : 2 * config.baseBet;
    table.customMax[street] = 2 * table.customMin[street];
  }
  table.anteMode = config.ante ? 1 : 0;
  table.rakePercent = config.rakePercent;
  table.raiseCap = config.raiseCap;
  table.progressiveLevel = config.progressive ? 1 : 0;
  table.smallTable = config.kinds.size() <= 6 ? 1 : 0;
  table.bustedStay = 1;  // busted seats are asked about, and the policy answers
  for (size_t seat = 0; seat < config.kinds.size() && seat < kSeatCount; ++seat) {
    table.players[seat].kind = config.kinds[seat];
    table.players[seat].tableKind = config.kinds[seat];
  }
  HeadlessUi ui;
  StartNewTable(table, ui, false);
  NewHand(table, rng);  // as the game does after setting up a new table
  table.confirmDeal = 0;
}

SimResult RunSimulation(const SimConfig& config, std::ostream* progress) {
  SimResult result;
  TableRecord& table = result.table;
  Rng rng(config.seed);
  SetUpSimTable(config, table, rng);
  SessionState session;
  HeadlessUi ui(HeadlessPolicy{config.rebuy && !config.tournament});

  std::array<int64_t, kSeatCount> profit{};
  for (int seat = 0; seat < kSeatCount; ++seat) profit[seat] = Profit(table.players[seat]);
  std::array<uint32_t, kSeatCount> stakes{};  // as they stood before the tick

  std::optional<HistoryFileRecorder> history;
  if (!config.historyFile.empty()) {
    history.emplace(config.historyFile);
    history->Start(table);
  }

  ProgressLine line(progress, config.hands);
  const Clock::time_point start = Clock::now();
  const std::clock_t cpuStart = std::clock();
  uint64_t ticksThisHand = 0;
  ActionTally tally;
  while (result.hands < config.hands) {
    tally.Before(table);
    for (int seat = 0; seat < kSeatCount; ++seat) stakes[seat] = table.players[seat].inPot;
    TickGame(table, session, rng, ui);
    tally.After(table, result.seats);
    if (history) history->Observe(table);
    ++result.ticks;
    if (!session.handSettled) {
      if (++ticksThisHand > kStallTicks) {
        result.stalled = "no hand finished in " + std::to_string(kStallTicks) + " ticks";
        break;
      }
      continue;
    }

    // The hand is settled and waits for "Start": note who played and won,
    // and the rake the payout on this tick took from each stake (counted
    // here, since the table's own tally stops at its largest value).
    std::array<bool, kSeatCount> played{};
    for (int seat = 0; seat < kSeatCount; ++seat) {
      const PlayerRecord& player = table.players[seat];
      if (player.kind == KindInactive) continue;
      played[seat] = true;
      SeatStats& stats = result.seats[seat];
      ++stats.hands;
      if (player.isWinner != 0) ++stats.won;
      if (player.inPot == 0) stats.rake += RakeOn(stakes[seat], table.rakePercent);
    }
    OnTableInput(table, session, rng, ui, TableInput{KeyDigit1});
    if (history) history->Observe(table);
    ++result.hands;
    ticksThisHand = 0;
    for (int seat = 0; seat < kSeatCount; ++seat) {
      const PlayerRecord& player = table.players[seat];
      const int64_t now = Profit(player);
      SeatStats& stats = result.seats[seat];
      if (played[seat]) {
        stats.net += now - profit[seat];
        stats.perHand.Add(static_cast<double>(now - profit[seat]));
      }
      profit[seat] = now;
    }
    if (ui.TournamentWinner()) {
      result.tournamentWinner = ui.TournamentWinner();
      break;
    }
    // "Start" ends the hand: every seat is out until the next one begins.
    for (int seat = 0; seat < kSeatCount; ++seat) {
      if (!IsOut(table, seat)) result.stalled = "\"Start\" did not end the hand";
    }
    if (!result.stalled.empty()) break;
    if ((result.hands & 255) == 0) line.Update(result.hands);
  }
  if (history) {
    result.historyFailed = !history->Finish();
    result.handsRecorded = history->HandsRecorded();
  }
  result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  result.cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  line.Finish();
  return result;
}

}  // namespace qf
