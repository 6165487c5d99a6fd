#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace qf::sound {

namespace {
constexpr double kPi = 3.14159265358979323846;

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}
}  // namespace

double Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ / 4294967295.0) * 2.0 - 1.0;
}

Buffer Silence(double seconds) {
  return Buffer(static_cast<size_t>(seconds * kRate), 0.0);
}

void AddPartial(Buffer& b, double start, double freq, double amp, double decaySeconds,
                double attackSeconds) {
  auto first = static_cast<size_t>(start * kRate);
  for (size_t i = first; i < b.size(); ++i) {
    double t = static_cast<double>(i - first) / kRate;
    double env = std::exp(-t / decaySeconds);
    if (t < attackSeconds) env *= t / attackSeconds;
    if (env < 1e-4 && t > attackSeconds) break;
    b[i] += amp * env * std::sin(2.0 * kPi * freq * t);
  }
}

void AddNoiseBurst(Buffer& b, Noise& n, double start, double amp, double decaySeconds,
                   double smooth) {
  auto first = static_cast<size_t>(start * kRate);
  double y = 0.0;
  for (size_t i = first; i < b.size(); ++i) {
    double t = static_cast<double>(i - first) / kRate;
    double env = std::exp(-t / decaySeconds);
    if (env < 1e-4) break;
    y = smooth * y + (1.0 - smooth) * n.Next();
    b[i] += amp * env * y;
  }
}

void FadeOut(Buffer& b, double seconds) {
  auto n = std::min(b.size(), static_cast<size_t>(seconds * kRate));
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / n;  // 0 at the very end, 1 where the fade starts
    b[b.size() - 1 - i] *= t * t;
  }
}

void Normalise(Buffer& b, double peak) {
  double top = 0.0;
  for (double v : b) top = std::max(top, std::abs(v));
  if (top <= 0.0) return;
  for (double& v : b) v *= peak / top;
  auto fade = std::min<size_t>(b.size(), kRate / 200);
  for (size_t i = 0; i < fade; ++i) b[b.size() - 1 - i] *= static_cast<double>(i) / fade;
}

std::vector<std::uint8_t> EncodeWav(const Buffer& b) {
  std::vector<std::uint8_t> out;
  auto dataBytes = static_cast<std::uint32_t>(b.size() * 2);
  PutTag(out, "RIFF");
  PutLe(out, 36 + dataBytes, 4);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, kRate, 4);
  PutLe(out, kRate * 2, 4);
  PutLe(out, 2, 2);
  PutLe(out, 16, 2);
  PutTag(out, "data");
  PutLe(out, dataBytes, 4);
  for (double v : b) {
    auto s = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    PutLe(out, static_cast<std::uint16_t>(s), 2);
  }
  return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

}  // namespace qf::sound
