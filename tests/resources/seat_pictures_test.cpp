// Portraits, chips, bubbles, tiles and markers: key colours where the table must show through,
// and pictures that a player can tell apart.
#include <gtest/gtest.h>

#include <vector>

#include "picture_support.h"

namespace qf::test {
namespace {

const std::vector<int> kPortraitStrips = {120, 121, 122, 123, 124, 125, 142, 143, 144, 145};

QRect Frame(int k) {
  return {20 * k, 0, 20, 20};
}

TEST(Portraits, EveryFrameStandsOnTheKeyWithAFigureInTheMiddle) {
  for (int id : kPortraitStrips) {
    QImage strip = LoadPicture(id);
    for (int k = 0; k < 7; ++k) {
      QRect f = Frame(k);
      EXPECT_EQ(Pixel(strip, f.left(), f.top()), kPortraitKey) << id << " frame " << k;
      EXPECT_EQ(Pixel(strip, f.right(), f.top()), kPortraitKey) << id << " frame " << k;
      EXPECT_NE(Pixel(strip, f.left() + 10, f.top() + 10), kPortraitKey) << id << " frame " << k;
      int background = CountColour(strip, f, kPortraitKey);
      EXPECT_GT(background, 40) << id << " frame " << k;
      EXPECT_LT(background, 300) << id << " frame " << k;
    }
  }
}

TEST(Portraits, ExpressionChangesFromFrameToFrame) {
  for (int id : kPortraitStrips) {
    QImage strip = LoadPicture(id);
    for (int a = 0; a < 7; ++a)
      for (int b = a + 1; b < 7; ++b)
        EXPECT_FALSE(SameBlock(strip, Frame(a), strip, Frame(b)))
            << id << ": frames " << a << " and " << b << " are identical";
  }
}

TEST(Portraits, TenDistinctCharacters) {
  // Compare the calm frames pixel by pixel: characters must differ in a good share of pixels,
  // not only in a detail.
  for (size_t i = 0; i < kPortraitStrips.size(); ++i)
    for (size_t j = i + 1; j < kPortraitStrips.size(); ++j) {
      QImage a = LoadPicture(kPortraitStrips[i]), b = LoadPicture(kPortraitStrips[j]);
      int differing = 0;
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) differing += Pixel(a, x, y) != Pixel(b, x, y);
      EXPECT_GT(differing, 60) << kPortraitStrips[i] << " and " << kPortraitStrips[j];
    }
}

TEST(Portraits, HumanSilhouetteIsBlackOnWhite) {
  QImage s = LoadPicture(117);
  EXPECT_EQ(Pixel(s, 0, 0), kWhiteKey);
  EXPECT_EQ(Pixel(s, 19, 0), kWhiteKey);
  EXPECT_EQ(Pixel(s, 10, 8), 0x000000u);
  EXPECT_EQ(Pixel(s, 10, 18), 0x000000u);
}

TEST(Chips, KeyedRoundChipsInFourColours) {
  std::vector<QImage> chips;
  for (int id : {112, 113, 114, 115}) {
    QImage c = LoadPicture(id);
    EXPECT_EQ(Pixel(c, 0, 0), kChipKey) << id;
    EXPECT_EQ(Pixel(c, 8, 0), kChipKey) << id;
    EXPECT_EQ(Pixel(c, 0, 9), kChipKey) << id;
    EXPECT_NE(Pixel(c, 4, 3), kChipKey) << id;
    EXPECT_NE(Pixel(c, 4, 8), kChipKey) << id;
    // Edge stripes: the side of the chip shows at least two colours.
    EXPECT_GE(Colours(c, QRect(1, 7, 7, 2)).size(), 2u) << id;
    chips.push_back(c);
  }
  // 5 red-brown, 25 blue, 1 white, 100 dark green, judged at the middle of the top face.
  QRgb five = Pixel(chips[0], 2, 3), quarter = Pixel(chips[1], 2, 3);
  QRgb one = Pixel(chips[2], 2, 3), hundred = Pixel(chips[3], 2, 3);
  EXPECT_GT(qRed(five), qBlue(five) + 60);
  EXPECT_GT(qBlue(quarter), qRed(quarter) + 60);
  EXPECT_GT(qRed(one), 200);
  EXPECT_GT(qGreen(one), 200);
  EXPECT_GT(qBlue(one), 200);
  EXPECT_GT(qGreen(hundred), qRed(hundred) + 40);
  EXPECT_LT(qGreen(hundred), 160);
}

TEST(SpeechBubbles, KeyedAroundAndAllDifferent) {
  const std::vector<int> bubbles = {108, 110, 111, 118, 148, 149, 150};
  std::vector<QImage> images;
  for (int id : bubbles) {
    QImage b = LoadPicture(id);
    EXPECT_EQ(Pixel(b, 0, 0), kPortraitKey) << id;
    EXPECT_EQ(Pixel(b, 35, 0), kPortraitKey) << id;
    EXPECT_EQ(Pixel(b, 35, 20), kPortraitKey) << id;
    // A light bubble with dark or coloured words in its middle band.
    EXPECT_GT(CountColour(b, QRect(3, 3, 30, 10), 0xFFFFFA), 150) << id;
    EXPECT_GT(30 * 10 - CountColour(b, QRect(3, 3, 30, 10), 0xFFFFFA), 25) << id;
    images.push_back(b);
  }
  for (size_t i = 0; i < images.size(); ++i)
    for (size_t j = i + 1; j < images.size(); ++j)
      EXPECT_NE(images[i], images[j]) << bubbles[i] << " and " << bubbles[j];
}

TEST(Tiles, FoldAndOutAreDarkGreenTilesOnTheKey) {
  QImage fold = LoadPicture(116), out = LoadPicture(119);
  for (const QImage& t : {fold, out}) {
    EXPECT_EQ(Pixel(t, 0, 0), kPortraitKey);
    EXPECT_EQ(Pixel(t, 19, 19), kPortraitKey);
    QRgb body = Pixel(t, 3, 4);
    EXPECT_GT(qGreen(body), qRed(body) + 40);
    EXPECT_LT(qGreen(body), 160);
  }
  EXPECT_NE(fold, out);
}

TEST(Markers, DealerDiscIsBlueAndTurnStarRedAndYellow) {
  QImage dealer = LoadPicture(147);
  EXPECT_EQ(Pixel(dealer, 0, 0), kPortraitKey);
  EXPECT_EQ(Pixel(dealer, 6, 6), kPortraitKey);
  QRgb disc = Pixel(dealer, 1, 3);
  EXPECT_GT(qBlue(disc), qRed(disc) + 80);

  QImage star = LoadPicture(169);
  EXPECT_EQ(Pixel(star, 0, 0), kCardKey);
  EXPECT_EQ(Pixel(star, 8, 8), kCardKey);
  bool yellow = false, red = false;
  for (QRgb c : Colours(star, star.rect())) {
    yellow |= qRed(c) > 200 && qGreen(c) > 180 && qBlue(c) < 100;
    red |= qRed(c) > 180 && qGreen(c) < 80;
  }
  EXPECT_TRUE(yellow);
  EXPECT_TRUE(red);
  EXPECT_NE(Pixel(star, 4, 4), kCardKey);
}

}  // namespace
}  // namespace qf::test
