#include "sim/play_report.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "sim/seat_kind_names.h"

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

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(c);
    } else if (c < 0x20) {
      quoted += Format("\\u%04x", c);
    } else {
      quoted += static_cast<char>(c);
    }
  }
  return quoted + "\"";
}

std::string JsonRow(const Row& row, const char* labelKey, bool withName) {
  const SeatStats& s = row.stats;
  double mean = 100.0 * s.perHand.Mean();
  double half = 100.0 * s.perHand.HalfWidth95();
  std::string json = Format("{\"%s\":%s,", labelKey, row.label.c_str());
  if (withName) json += "\"name\":" + JsonString(row.name) + ",";
  json += Format(
      "\"kind\":\"%s\",\"hands\":%llu,\"won\":%llu,\"net\":%lld,\"net_per_100\":%.3f,"
      "\"ci95_low\":%.3f,\"ci95_high\":%.3f,\"folds_per_hand\":%.4f,\"checks_per_hand\":%.4f,"
      "\"calls_per_hand\":%.4f,\"raises_per_hand\":%.4f,\"rake\":%llu}",
      row.kind, static_cast<unsigned long long>(s.hands), static_cast<unsigned long long>(s.won),
      static_cast<long long>(s.net), mean, mean - half, mean + half, PerHand(s.folds, s.hands),
      PerHand(s.checks, s.hands), PerHand(s.calls, s.hands), PerHand(s.raises, s.hands),
      static_cast<unsigned long long>(s.rake));
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
  out << "{\"table\":" << JsonString(DescribeTable(config));
  out << Format(
      ",\"variant\":\"%s\",\"structure\":%u,\"base_bet\":%u,\"ante\":%s,\"rake\":%u,"
      "\"cap\":%u,\"progressive\":%s,\"rebuy\":%s,\"tournament\":%s,\"seed\":%llu",
      config.holeCards == kOmahaHoleCards ? "omaha" : "texas", config.structure, config.baseBet,
      config.ante ? "true" : "false", config.rakePercent, config.raiseCap,
      config.progressive ? "true" : "false", config.rebuy && !config.tournament ? "true" : "false",
      config.tournament ? "true" : "false", static_cast<unsigned long long>(config.seed));
  out << ",\"seats\":[";
  const char* separator = "";
  for (const Row& row : SeatRows(config, result)) {
    out << separator << JsonRow(row, "seat", true);
    separator = ",";
  }
  out << "],\"kinds\":[";
  separator = "";
  for (const Row& row : KindRows(config, result)) {
    out << separator << JsonRow(row, "seats", false);
    separator = ",";
  }
  out << "]";
  if (result.tournamentWinner)
    out << ",\"tournament_winner\":" << JsonString(*result.tournamentWinner);
  out << Format(
      ",\"hands\":%llu,\"seconds\":%.4f,\"cpu_seconds\":%.4f,\"hands_per_second\":%.1f}\n",
      static_cast<unsigned long long>(result.hands), result.seconds, result.cpuSeconds,
      HandsPerSecond(result));
}

}  // namespace qf
