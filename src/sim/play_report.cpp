#include "sim/play_report.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/seat_kind_names.h"
#include "history/text_codec.h"

namespace qf {

namespace {

// One line of the table: a seat, or all seats of one kind.
struct Row {
  std::string label;  // seat number, or the number of seats of the kind
  std::string name;
  const char* kind = "";
  SeatStats stats;
};

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

const char* StructureName(uint8_t structure) {
  static constexpr const char* kNames[kStructureCount] = {
      "fixed limit",       "fixed limit 3 tiers", "spread limit", "spread limit rising",
      "spread limit wide", "pot limit",           "no limit",     "custom"};
  return structure < kStructureCount ? kNames[structure] : "?";
}

double PerHand(uint64_t count, uint64_t hands) {
  return hands == 0 ? 0.0 : static_cast<double>(count) / static_cast<double>(hands);
}

void AddInto(SeatStats& total, const SeatStats& seat) {
  total.hands += seat.hands;
  total.won += seat.won;
  total.folds += seat.folds;
  total.checks += seat.checks;
  total.calls += seat.calls;
  total.raises += seat.raises;
  total.rake += seat.rake;
  total.net += seat.net;
  total.perHand.Merge(seat.perHand);
}

std::vector<Row> SeatRows(const SimConfig& config, const SimResult& result) {
  std::vector<Row> rows;
  for (size_t seat = 0; seat < config.kinds.size(); ++seat) {
    Row row;
    row.label = std::to_string(seat);
    const char* name = result.table.players[seat].name;
    row.name.assign(name, strnlen(name, kNameSize));
    row.kind = SeatKindName(config.kinds[seat]);
    row.stats = result.seats[seat];
    rows.push_back(row);
  }
  return rows;
}

std::vector<Row> KindRows(const SimConfig& config, const SimResult& result) {
  std::vector<Row> rows;
  for (uint32_t kind = KindSmart; kind <= KindErratic; ++kind) {
    Row row;
    row.kind = SeatKindName(kind);
    int seats = 0;
    for (size_t seat = 0; seat < config.kinds.size(); ++seat) {
      if (config.kinds[seat] != kind) continue;
      ++seats;
      AddInto(row.stats, result.seats[seat]);
    }
    if (seats == 0) continue;
    row.label = std::to_string(seats);
    rows.push_back(row);
  }
  return rows;
}

void PrintRows(const std::vector<Row>& rows, const char* first, bool withName, std::ostream& out) {
  out << Format("%-5s %-*s%-9s %8s %7s %28s %6s %6s %6s %6s %8s\n", first, withName ? 8 : 0,
                withName ? "name" : "", "kind", "hands", "won", "net/100 hands (95% CI)", "fold",
                "check", "call", "raise", "rake");
  for (const Row& row : rows) {
    const SeatStats& s = row.stats;
    double mean = 100.0 * s.perHand.Mean();
    double half = 100.0 * s.perHand.HalfWidth95();
    std::string net = Format("%+9.1f (%+.1f .. %+.1f)", mean, mean - half, mean + half);
    out << Format("%-5s %-*s%-9s %8llu %7llu %28s %6.2f %6.2f %6.2f %6.2f %8llu\n",
                  row.label.c_str(), withName ? 8 : 0, withName ? row.name.c_str() : "", row.kind,
                  static_cast<unsigned long long>(s.hands), static_cast<unsigned long long>(s.won),
                  net.c_str(), PerHand(s.folds, s.hands), PerHand(s.checks, s.hands),
                  PerHand(s.calls, s.hands), PerHand(s.raises, s.hands),
                  static_cast<unsigned long long>(s.rake));
  }
}

// Rounded so that the report shows figures, not binary fractions.
double Rounded(double value, double scale) {
  return std::round(value * scale) / scale;
}

nlohmann::ordered_json JsonRow(const Row& row, const char* labelKey, bool withName) {
  const SeatStats& s = row.stats;
  const double mean = 100.0 * s.perHand.Mean();
  const double half = 100.0 * s.perHand.HalfWidth95();
  nlohmann::ordered_json json;
  json[labelKey] = std::stoi(row.label);
  if (withName) json["name"] = Latin1ToUtf8(row.name.data(), row.name.size());
  json["kind"] = row.kind;
  json["hands"] = s.hands;
  json["won"] = s.won;
  json["net"] = s.net;
  json["net_per_100"] = Rounded(mean, 1e3);
  json["ci95_low"] = Rounded(mean - half, 1e3);
  json["ci95_high"] = Rounded(mean + half, 1e3);
  json["folds_per_hand"] = Rounded(PerHand(s.folds, s.hands), 1e4);
  json["checks_per_hand"] = Rounded(PerHand(s.checks, s.hands), 1e4);
  json["calls_per_hand"] = Rounded(PerHand(s.calls, s.hands), 1e4);
  json["raises_per_hand"] = Rounded(PerHand(s.raises, s.hands), 1e4);
  json["rake"] = s.rake;
  return json;
}

}  // namespace

std::string DescribeTable(const SimConfig& config) {
  std::string text = config.holeCards == kOmahaHoleCards ? "Omaha" : "Texas";
  text += Format(", %zu seats, %s, base bet $%u, %s, rake %u%%, ", config.kinds.size(),
                 StructureName(config.structure), config.baseBet,
                 config.ante ? "all ante" : "blinds", config.rakePercent);
  text += config.raiseCap == 0 ? "no raise cap" : Format("cap %u", config.raiseCap);
  text += config.progressive ? ", progressive stakes" : "";
  text += config.tournament ? ", tournament" : (config.rebuy ? "" : ", no rebuys");
  text += Format(", seed %llu", static_cast<unsigned long long>(config.seed));
  return text;
}

void PrintPlayReport(const SimConfig& config, const SimResult& result, std::ostream& out) {
  out << DescribeTable(config) << "\n\n";
  PrintRows(SeatRows(config, result), "seat", true, out);
  out << "\n";
  PrintRows(KindRows(config, result), "seats", false, out);
  out << "\n";
  if (result.tournamentWinner) {
    out << *result.tournamentWinner << " won the tournament.\n";
  } else if (config.tournament) {
    out << "The tournament had no winner yet when the run ended.\n";
  }
  out << Format("%llu hands in %.2f s (%.2f s of processor time): %.0f hands per second\n",
                static_cast<unsigned long long>(result.hands), result.seconds, result.cpuSeconds,
                HandsPerSecond(result));
}

void PrintPlayJson(const SimConfig& config, const SimResult& result, std::ostream& out) {
  nlohmann::ordered_json json;
  json["table"] = DescribeTable(config);
  json["variant"] = config.holeCards == kOmahaHoleCards ? "omaha" : "texas";
  json["structure"] = config.structure;
  json["base_bet"] = config.baseBet;
  json["ante"] = config.ante;
  json["rake"] = config.rakePercent;
  json["cap"] = config.raiseCap;
  json["progressive"] = config.progressive;
  json["rebuy"] = config.rebuy && !config.tournament;
  json["tournament"] = config.tournament;
  json["seed"] = config.seed;
  json["seats"] = nlohmann::ordered_json::array();
  for (const Row& row : SeatRows(config, result)) json["seats"].push_back(JsonRow(row, "seat", true));
  json["kinds"] = nlohmann::ordered_json::array();
  for (const Row& row : KindRows(config, result)) json["kinds"].push_back(JsonRow(row, "seats", false));
  if (result.tournamentWinner) {
    json["tournament_winner"] =
        Latin1ToUtf8(result.tournamentWinner->data(), result.tournamentWinner->size());
  }
  json["hands"] = result.hands;
  json["seconds"] = Rounded(result.seconds, 1e4);
  json["cpu_seconds"] = Rounded(result.cpuSeconds, 1e4);
  json["hands_per_second"] = Rounded(HandsPerSecond(result), 10);
  out << json.dump() << "\n";
}

}  // namespace qf
