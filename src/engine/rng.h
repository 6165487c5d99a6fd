// The one random source of the game: a PCG32 generator (O'Neill's pcg32,
// XSH-RR output). Every operation that draws takes it explicitly.
#pragma once

#include <cstdint>

namespace qf {

class Rng {
 public:
  explicit Rng(uint64_t seed = 0) { Seed(seed); }

  void Seed(uint64_t seed) {
    state_ = 0;
    Next();
    state_ += seed;
    Next();
  }

  // A seed from the system's entropy, so deals differ from run to run.
  static uint64_t EntropySeed();

  uint32_t Next() {
    uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    return Output(old);
  }

  // Two draws in a row, exactly as two calls of Next() give them. The state
  // jumps both steps at once, so a run of pairs does not wait on every step.
  void NextPair(uint32_t& first, uint32_t& second) {
    const uint64_t old = state_;
    state_ = old * kMultiplierTwice + kIncrementTwice;
    first = Output(old);
    second = Output(old * kMultiplier + kIncrement);
  }

  uint64_t State() const { return state_; }

 private:
  static constexpr uint64_t kMultiplier = 6364136223846793005ULL;
  static constexpr uint64_t kIncrement = 1442695040888963407ULL;
  // Two steps at once: (s * m + i) * m + i = s * m^2 + i * (m + 1).
  static constexpr uint64_t kMultiplierTwice = kMultiplier * kMultiplier;
  static constexpr uint64_t kIncrementTwice = kIncrement * (kMultiplier + 1);

  static uint32_t Output(uint64_t old) {
    uint32_t xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    uint32_t rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
  }

  uint64_t state_ = 0;
};

// One draw reduced modulo n (n > 0), the game's only way of drawing.
inline uint32_t Random(Rng& rng, uint32_t n) { return rng.Next() % n; }

// Two draws reduced modulo n: the same as two calls of Random in a row.
inline void RandomPair(Rng& rng, uint32_t n, uint32_t& first, uint32_t& second) {
  rng.NextPair(first, second);
  first %= n;
  second %= n;
}

}  // namespace qf
