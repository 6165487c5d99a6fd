#include "effects.h"

#include <cmath>

namespace qf::sound {

namespace {
constexpr double kPi = 3.14159265358979323846;

double NoteHz(int semitonesFromA4) {
  return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// A bright plucked note: harmonics with faster decay for the higher ones.
void Pluck(Buffer& b, double start, double hz, double amp, double decay) {
  const double harm[] = {1.0, 0.45, 0.22, 0.12, 0.05};
  for (int h = 0; h < 5; ++h)
    AddPartial(b, start, hz * (h + 1), amp * harm[h], decay / (1.0 + h * 0.7), 0.004);
}

// A bell-like glockenspiel tone: inharmonic partials.
void Bell(Buffer& b, double start, double hz, double amp) {
  AddPartial(b, start, hz, amp, 0.45, 0.001);
  AddPartial(b, start, hz * 2.76, amp * 0.35, 0.18, 0.001);
  AddPartial(b, start, hz * 5.4, amp * 0.15, 0.08, 0.001);
}
}  // namespace

Buffer ChipsClink() {
  Buffer b = Silence(0.42);
  Noise n(0x5eed01);
  const double times[] = {0.0, 0.045, 0.09, 0.15, 0.205, 0.27};
  double amp = 1.0;
  for (double t : times) {
    double start = t + n.Uniform(0.0, 0.012);
    double base = n.Uniform(2300.0, 3300.0);
    // Clay chips: a short hard tick with a few inharmonic rings.
    AddPartial(b, start, base, 0.5 * amp, 0.028, 0.0005);
    AddPartial(b, start, base * 1.58, 0.32 * amp, 0.02, 0.0005);
    AddPartial(b, start, base * 2.37, 0.2 * amp, 0.012, 0.0005);
    AddPartial(b, start, base * 0.52, 0.2 * amp, 0.03, 0.0005);
    AddNoiseBurst(b, n, start, 0.35 * amp, 0.004, 0.2);
    amp *= 0.86;
  }
  Normalise(b, 0.8);
  return b;
}

Buffer KnockOnWood() {
  Buffer b = Silence(0.34);
  Noise n(0x5eed02);
  for (double start : {0.0, 0.13}) {
    double amp = start == 0.0 ? 1.0 : 0.85;
    AddPartial(b, start, 190.0, amp * 0.9, 0.045, 0.001);
    AddPartial(b, start, 420.0, amp * 0.55, 0.028, 0.001);
    AddPartial(b, start, 880.0, amp * 0.3, 0.014, 0.001);
    AddPartial(b, start, 1620.0, amp * 0.12, 0.008, 0.001);
    AddNoiseBurst(b, n, start, amp * 0.5, 0.006, 0.75);
  }
  Normalise(b, 0.85);
  return b;
}

Buffer CardSwish() {
  Buffer b = Silence(0.36);
  Noise n(0x5eed03);
  // Noise through a resonant band-pass whose centre slides down while the card skims the felt.
  double low = 0.0, band = 0.0;
  for (size_t i = 0; i < b.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double centre = 3600.0 * std::exp(-t * 3.2) + 700.0;
    double f = 2.0 * std::sin(kPi * centre / kRate);
    double q = 0.55;
    double in = n.Next();
    double high = in - low - q * band;
    band += f * high;
    low += f * band;
    double env = t < 0.07 ? t / 0.07 : std::exp(-(t - 0.07) / 0.08);
    b[i] = band * env;
  }
  Normalise(b, 0.7);
  return b;
}

Buffer ButtonClick() {
  Buffer b = Silence(0.07);
  Noise n(0x5eed04);
  AddNoiseBurst(b, n, 0.0, 0.6, 0.0015, 0.1);
  AddPartial(b, 0.0, 2400.0, 0.5, 0.006, 0.0003);
  AddPartial(b, 0.0, 950.0, 0.45, 0.012, 0.0005);
  AddNoiseBurst(b, n, 0.028, 0.25, 0.0012, 0.1);
  AddPartial(b, 0.028, 1800.0, 0.2, 0.005, 0.0003);
  Normalise(b, 0.75);
  return b;
}

Buffer StartJingle() {
  Buffer b = Silence(2.9);
  // C major: an arpeggio up, a turn through F and G, and a bright final chord.
  const int C5 = 3, D5 = 5, E5 = 7, F5 = 8, G5 = 10, A5 = 12, C6 = 15, E6 = 19, G6 = 22;
  struct N {
    double at;
    int note;
    double len;
  };
  const N melody[] = {{0.00, C5, 0.25}, {0.12, E5, 0.25}, {0.24, G5, 0.25}, {0.36, C6, 0.4},
                      {0.66, A5, 0.22}, {0.78, C6, 0.22}, {0.90, F5, 0.3},  {1.08, A5, 0.3},
                      {1.26, G5, 0.25}, {1.38, D5, 0.22}, {1.50, G5, 0.3},  {1.74, C6, 0.9},
                      {1.74, E6, 0.9},  {1.74, G6, 0.9}};
  for (const N& m : melody) Pluck(b, m.at, NoteHz(m.note), 0.5, m.len);
  // Bass line.
  const N bass[] = {
      {0.0, C5 - 24, 0.5}, {0.66, F5 - 24, 0.45}, {1.26, G5 - 24, 0.45}, {1.74, C5 - 24, 0.9}};
  for (const N& m : bass) Pluck(b, m.at, NoteHz(m.note), 0.45, m.len);
  // Sparkles over the last chord.
  Bell(b, 1.98, NoteHz(G6 + 12), 0.18);
  Bell(b, 2.10, NoteHz(E6 + 12), 0.15);
  Bell(b, 2.22, NoteHz(C6 + 24), 0.13);
  FadeOut(b, 0.45);
  Normalise(b, 0.8);
  return b;
}

}  // namespace qf::sound
