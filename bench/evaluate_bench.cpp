// Hand evaluation speed: random 5- and 7-card hands valued with EvaluateHand,
// random Omaha river hands with EvaluateBest, and 7-card hands built on
// boards summed beforehand, as an odds calculator values them, over arrays
// dealt in advance so that only the evaluator is timed.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

#include "engine/evaluate.h"

namespace {

constexpr int kHandsPerArray = 1 << 16;

// kHandsPerArray hands of n distinct cards each, n cards per hand, back to back.
std::vector<uint8_t> DealHands(int n, uint64_t seed) {
  std::mt19937_64 engine(seed);
  std::array<uint8_t, 52> deck{};
  std::iota(deck.begin(), deck.end(), 1);
  std::vector<uint8_t> hands;
  hands.reserve(static_cast<size_t>(kHandsPerArray) * n);
  for (int h = 0; h < kHandsPerArray; ++h) {
    for (int i = 0; i < n; ++i) {
      std::uniform_int_distribution<int> pick(i, 51);
      std::swap(deck[i], deck[pick(engine)]);
      hands.push_back(deck[i]);
    }
  }
  return hands;
}

void EvaluateHands(benchmark::State& state, int n) {
  const std::vector<uint8_t> hands = DealHands(n, 1234 + n);
  qf::EvaluateHand(hands.data(), n);  // builds the tables before timing
  size_t offset = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(qf::EvaluateHand(hands.data() + offset, n));
    offset += n;
    if (offset == hands.size()) offset = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateHand7(benchmark::State& state) {
  EvaluateHands(state, 7);
}
void BM_EvaluateHand5(benchmark::State& state) {
  EvaluateHands(state, 5);
}

void BM_EvaluateBestOmaha9(benchmark::State& state) {
  const std::vector<uint8_t> hands = DealHands(9, 99);
  qf::EvaluateBest(hands.data(), 9, 4);
  size_t offset = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(qf::EvaluateBest(hands.data() + offset, 9, 4));
    offset += 9;
    if (offset == hands.size()) offset = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

// Each hand's first five cards as a board summed beforehand; the loop adds the
// two hole cards and values the seven.
void BM_ValueOfKey7(benchmark::State& state) {
  const std::vector<uint8_t> hands = DealHands(7, 1234 + 7);
  std::vector<qf::HandKey> boards;
  for (size_t offset = 0; offset < hands.size(); offset += 7) {
    boards.push_back(qf::AddCards(qf::HandKey{}, hands.data() + offset, 5));
  }
  size_t hand = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(qf::ValueOfKey(qf::AddCards(boards[hand], hands.data() + 7 * hand + 5, 2)));
    if (++hand == boards.size()) hand = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_EvaluateHand7);
BENCHMARK(BM_EvaluateHand5);
BENCHMARK(BM_EvaluateBestOmaha9);
BENCHMARK(BM_ValueOfKey7);
