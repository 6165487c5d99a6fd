// The player's first odds figure: 20,000 random deals against nine unknown
// hands before the flop, the most work the game's odds ever ask for at once.
#include <benchmark/benchmark.h>

#include "engine/cards.h"
#include "engine/equity.h"

namespace {

void FirstFigureAgainstNine(benchmark::State& state, int holeCards, const char* cards) {
  qf::EquitySpot spot;
  spot.holeCards = holeCards;
  spot.hands.assign(10, {});
  for (int i = 0; i < holeCards; ++i) {
    spot.hands[0].push_back(static_cast<uint8_t>(qf::ParseCard(std::string(cards + 2 * i, 2))));
  }
  qf::Rng rng(7);
  for (auto _ : state) {
    benchmark::DoNotOptimize(qf::ComputeEquity(spot, 20000, rng, 0));
  }
}

void BM_OddsTexasNineOpponents(benchmark::State& state) {
  FirstFigureAgainstNine(state, 2, "AsKd");
}
void BM_OddsOmahaNineOpponents(benchmark::State& state) {
  FirstFigureAgainstNine(state, 4, "AsKdQhJh");
}

}  // namespace

BENCHMARK(BM_OddsTexasNineOpponents)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OddsOmahaNineOpponents)->Unit(benchmark::kMillisecond);
