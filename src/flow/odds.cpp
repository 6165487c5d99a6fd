#include "flow/odds.h"

#include <cmath>
#include <cstdio>

#include "engine/deck.h"
#include "engine/turn.h"

namespace qf {

namespace {

// Work an exact count may take on the game's side (a few milliseconds).
constexpr uint64_t kExactWork = 200'000;

uint64_t Mix(uint64_t hash, uint64_t value) {
  hash ^= value;
  return hash * 0x100000001b3ULL;
}

std::string Percent(double value, double stdError) {
  // One standard error decides the step: whole percents while it is at most
  // half a percent, then twos, then fives.
  const double step = stdError <= 0.5 ? 1 : stdError <= 1.5 ? 2 : 5;
  const double rounded = std::round(value / step) * step;
  if (rounded == 0 && value > 0) return "<" + std::to_string(static_cast<int>(step)) + "%";
  if (rounded == 100 && value < 100) return ">" + std::to_string(100 - static_cast<int>(step)) + "%";
  return std::to_string(static_cast<int>(rounded)) + "%";
}

}  // namespace

std::optional<OddsQuestion> OddsQuestionFor(const TableRecord& table) {
  TableRecord copy = table;  // asking the turn marks inactive seats: not ours to change
  const Turn turn = NextTurn(copy);
  if (turn.code != TurnAct || !IsHumanKind(table.players[turn.seat].kind)) return std::nullopt;
  OddsQuestion question;
  question.spot.holeCards = table.holeCards;
  uint8_t cards[kMaxCards];
  const int held = SeatCards(table, turn.seat, cards);
  if (held < table.holeCards) return std::nullopt;
  question.spot.hands.push_back({cards, cards + table.holeCards});
  question.spot.board.assign(cards + table.holeCards, cards + held);
  uint64_t key = Mix(0xcbf29ce484222325ULL, static_cast<uint64_t>(turn.seat));
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& player = table.players[seat];
    question.pot += player.inPot;
    if (seat == turn.seat || IsOutOrInactive(copy, seat)) continue;
    question.spot.hands.push_back({});
    key = Mix(key, 100 + static_cast<uint64_t>(seat));
  }
  if (question.spot.hands.size() < 2) return std::nullopt;
  for (int i = 0; i < held; ++i) key = Mix(key, cards[i]);
  question.call = turn.amount;
  question.key = Mix(Mix(key, question.pot), question.call);
  return question;
}

std::string OddsText(const EquityResult& result, uint64_t pot, uint32_t call) {
  const EquityFigures& mine = result.hands.front();
  std::string text = "Win " + Percent(mine.win, mine.stdError) + " Tie " +
                     Percent(mine.tie, mine.stdError);
  if (call == 0) return text;
  const double ratio = static_cast<double>(pot) / call;
  char odds[32];
  if (ratio < 10 && std::round(ratio) != ratio) {
    std::snprintf(odds, sizeof odds, "%.1f:1", ratio);
  } else {
    std::snprintf(odds, sizeof odds, "%.0f:1", ratio);
  }
  return text + "  Pot odds " + odds;
}

EquityResult CountOdds(const OddsQuestion& question, uint64_t trials) {
  Rng rng(question.key + trials);
  return ComputeEquity(question.spot, trials, rng, kExactWork);
}

}  // namespace qf
