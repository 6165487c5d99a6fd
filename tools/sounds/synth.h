// Tiny additive and noise synthesiser for the game's sound effects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qf::sound {

inline constexpr int kRate = 22050;

using Buffer = std::vector<double>;

// Deterministic noise source (xorshift), values in [-1, 1].
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
  double Next();
  double Uniform(double lo, double hi) { return lo + (Next() * 0.5 + 0.5) * (hi - lo); }

 private:
  std::uint32_t state_;
};

Buffer Silence(double seconds);
// Adds a decaying sine partial starting at `start` seconds.
void AddPartial(Buffer& b, double start, double freq, double amp, double decaySeconds,
                double attackSeconds = 0.002);
// Adds a burst of noise with an exponential decay, optionally low-passed (0 < smooth < 1).
void AddNoiseBurst(Buffer& b, Noise& n, double start, double amp, double decaySeconds,
                   double smooth);
// Fades the last `seconds` out smoothly.
void FadeOut(Buffer& b, double seconds);
// Scales so that the loudest sample is `peak` (0..1) and fades the last few milliseconds.
void Normalise(Buffer& b, double peak);
// 16-bit PCM mono WAV.
std::vector<std::uint8_t> EncodeWav(const Buffer& b);
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace qf::sound
