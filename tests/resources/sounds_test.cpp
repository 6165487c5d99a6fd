// The five sound effects: valid 16-bit PCM WAV files of a sensible length that are not silent.
#include <gtest/gtest.h>

#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace qf::test {
namespace {

struct WavInfo {
  int channels = 0;
  int rate = 0;
  int bits = 0;
  double seconds = 0;
  int peak = 0;
};

std::uint32_t Le(const QByteArray& b, qsizetype at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

// Reads a RIFF/WAVE file chunk by chunk; returns nothing unless it is well-formed 16-bit PCM.
std::optional<WavInfo> ParsePcmWav(const QByteArray& b, std::string& why) {
  if (b.size() < 44 || b.mid(0, 4) != "RIFF" || b.mid(8, 4) != "WAVE") {
    why = "not a RIFF WAVE file";
    return std::nullopt;
  }
  if (Le(b, 4, 4) + 8 != static_cast<std::uint32_t>(b.size())) {
    why = "RIFF size does not match the file";
    return std::nullopt;
  }
  WavInfo info;
  bool haveFormat = false;
  qsizetype at = 12;
  while (at + 8 <= b.size()) {
    QByteArray id = b.mid(at, 4);
    std::uint32_t size = Le(b, at + 4, 4);
    qsizetype body = at + 8;
    if (body + size > static_cast<std::uint32_t>(b.size())) {
      why = "chunk runs past the end";
      return std::nullopt;
    }
    if (id == "fmt ") {
      if (size < 16 || Le(b, body, 2) != 1) {
        why = "not PCM";
        return std::nullopt;
      }
      info.channels = static_cast<int>(Le(b, body + 2, 2));
      info.rate = static_cast<int>(Le(b, body + 4, 4));
      info.bits = static_cast<int>(Le(b, body + 14, 2));
      std::uint32_t blockAlign = Le(b, body + 12, 2), byteRate = Le(b, body + 8, 4);
      if (blockAlign != static_cast<std::uint32_t>(info.channels * info.bits / 8) ||
          byteRate != blockAlign * static_cast<std::uint32_t>(info.rate)) {
        why = "inconsistent block size or byte rate";
        return std::nullopt;
      }
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat || info.bits != 16) {
        why = "data before a 16-bit format";
        return std::nullopt;
      }
      std::uint32_t frames = size / (2 * info.channels);
      info.seconds = static_cast<double>(frames) / info.rate;
      for (std::uint32_t i = 0; i + 1 < size; i += 2)
        info.peak = std::max(
            info.peak, std::abs(static_cast<int>(static_cast<std::int16_t>(Le(b, body + i, 2)))));
      return info;
    }
    at = body + size + (size & 1);
  }
  why = "no data chunk";
  return std::nullopt;
}

struct Expected {
  const char* name;
  double minSeconds, maxSeconds;
};

TEST(Sounds, EachIsAValidPcmWavOfSensibleLength) {
  const Expected sounds[] = {{"chips", 0.1, 1.0},
                             {"knock", 0.1, 1.0},
                             {"folds", 0.1, 1.0},
                             {"click", 0.02, 0.3},
                             {"splash", 1.5, 6.0}};
  for (const Expected& e : sounds) {
    QFile f(QString(":/sounds/%1.wav").arg(e.name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << e.name;
    QByteArray bytes = f.readAll();
    std::string why;
    auto info = ParsePcmWav(bytes, why);
    ASSERT_TRUE(info.has_value()) << e.name << ": " << why;
    EXPECT_EQ(info->bits, 16) << e.name;
    EXPECT_GE(info->rate, 11025) << e.name;
    EXPECT_LE(info->rate, 48000) << e.name;
    EXPECT_GE(info->seconds, e.minSeconds) << e.name;
    EXPECT_LE(info->seconds, e.maxSeconds) << e.name;
    EXPECT_GT(info->peak, 8000) << e.name << " is nearly silent";
    EXPECT_LT(bytes.size(), 256 * 1024) << e.name << " is too big";
  }
}

TEST(Sounds, ParserRejectsBrokenFiles) {
  QFile f(":/sounds/click.wav");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray good = f.readAll();
  std::string why;
  ASSERT_TRUE(ParsePcmWav(good, why).has_value());

  QByteArray truncated = good.left(good.size() - 10);
  EXPECT_FALSE(ParsePcmWav(truncated, why).has_value());
  QByteArray floatFormat = good;
  floatFormat[20] = 3;  // IEEE float instead of PCM
  EXPECT_FALSE(ParsePcmWav(floatFormat, why).has_value());
}

}  // namespace
}  // namespace qf::test
