// The card sheet: 52 distinct faces with keyed corners, red and black suits, readable index.
#include <gtest/gtest.h>

#include "picture_support.h"

namespace qf::test {
namespace {

constexpr int kW = 25, kH = 40;

QRect Face(int suit, int rank) {
  return {rank * kW, suit * kH, kW, kH};
}

bool IsRedInk(QRgb c) {
  return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool IsDarkInk(QRgb c) {
  return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60;
}

TEST(CardSheet, EveryFaceHasKeyedCornersAndASolidInside) {
  QImage sheet = LoadPicture(152);
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 0; rank < 13; ++rank) {
      QRect f = Face(suit, rank);
      for (QPoint corner : {f.topLeft(), f.topRight(), f.bottomLeft(), f.bottomRight()})
        EXPECT_EQ(Pixel(sheet, corner.x(), corner.y()), kCardKey)
            << "suit " << suit << " rank " << rank << " corner " << corner.x() << "," << corner.y();
      // Inside the rounded outline nothing may be the key, or the table would show through.
      EXPECT_EQ(CountColour(sheet, f.adjusted(2, 2, -2, -2), kCardKey), 0)
          << "suit " << suit << " rank " << rank;
      // The face is mostly white card.
      EXPECT_GT(CountColour(sheet, f, 0xFFFFFF), kW * kH / 3)
          << "suit " << suit << " rank " << rank;
    }
}

TEST(CardSheet, AllFiftyTwoFacesDiffer) {
  QImage sheet = LoadPicture(152);
  for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b)
      EXPECT_FALSE(SameBlock(sheet, Face(a / 13, a % 13), sheet, Face(b / 13, b % 13)))
          << "faces " << a << " and " << b << " are identical";
}

TEST(CardSheet, HeartsAndDiamondsAreRedSpadesAndClubsBlack) {
  QImage sheet = LoadPicture(152);
  // Pip cards only: the court figures wear both colours.
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 0; rank < 10; ++rank) {
      int red = 0, dark = 0;
      QRect f = Face(suit, rank).adjusted(1, 1, -1, -1);
      for (int y = f.top(); y <= f.bottom(); ++y)
        for (int x = f.left(); x <= f.right(); ++x) {
          red += IsRedInk(Pixel(sheet, x, y));
          dark += IsDarkInk(Pixel(sheet, x, y));
        }
      bool redSuit = suit >= 2;
      EXPECT_GT(redSuit ? red : dark, 20) << "suit " << suit << " rank " << rank;
      EXPECT_EQ(redSuit ? dark : red, 0) << "suit " << suit << " rank " << rank;
    }
}

TEST(CardSheet, IndexStaysInTheLeftTwelveColumnsThatOverlappingCardsShow) {
  // Hole cards overlap so that only their left 12 columns show: the rank and suit index must
  // tell all 52 cards apart from that strip alone.
  QImage sheet = LoadPicture(152);
  for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b) {
      QRect ra = Face(a / 13, a % 13), rb = Face(b / 13, b % 13);
      ra.setSize({12, 18});
      rb.setSize({12, 18});
      EXPECT_FALSE(SameBlock(sheet, ra, sheet, rb)) << "cards " << a << " and " << b;
    }
}

TEST(CardSheet, SpareCardPictureIsKeyedOutsideItsCorners) {
  QImage card = LoadPicture(173);
  EXPECT_EQ(Pixel(card, 0, 0), kCardKey);
  EXPECT_EQ(Pixel(card, 23, 35), kCardKey);
  EXPECT_NE(Pixel(card, 12, 18), kCardKey);
}

}  // namespace
}  // namespace qf::test
