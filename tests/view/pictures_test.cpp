// Pictures come from the resources once, with their key colour made transparent.
#include "view/pictures.h"

#include <gtest/gtest.h>

#include "view/canvas.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

TEST(Pictures, KeyColourBecomesTransparentAndTheRestStaysOpaque) {
  struct Case {
    int id;
    QRgb key;
  };
  const Case cases[] = {{picture::kCardSheet, 0x00FF00},
                        {picture::kChip100, 0xFF33FF},
                        {120, 0x33FF00},
                        {picture::kDealerMarker, 0x33FF00},
                        {picture::kTable, 0xFFFFFF},
                        {picture::kTurnMarker, 0x00FF00}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const QImage stored = StoredPicture(c.id);
    const QImage keyed = LoadKeyedPicture(c.id);
    ASSERT_FALSE(stored.isNull());
    ASSERT_EQ(keyed.size(), stored.size());
    int transparent = 0;
    for (int y = 0; y < stored.height(); ++y) {
      for (int x = 0; x < stored.width(); ++x) {
        const QRgb rgb = stored.pixel(x, y) & 0xFFFFFFu;
        const QRgb got = keyed.pixel(x, y);
        if (rgb == c.key) {
          ++transparent;
          EXPECT_EQ(qAlpha(got), 0);
        } else {
          ASSERT_EQ(got, rgb | 0xFF000000u) << x << "," << y;
        }
      }
    }
    EXPECT_GT(transparent, 0) << "the picture has no key pixels to leave out";
  }
}

TEST(Pictures, FeltAndUnknownIds) {
  // The felt has no key: every pixel is drawn.
  const QImage felt = LoadKeyedPicture(picture::kFelt);
  ASSERT_EQ(felt.size(), QSize(40, 40));
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) ASSERT_EQ(qAlpha(felt.pixel(x, y)), 255);
  }
  PictureCache cache;
  EXPECT_TRUE(cache.Get(109).isNull());
  EXPECT_TRUE(cache.Get(7).isNull());
  // Loaded once and kept: the same image comes back.
  EXPECT_EQ(&cache.Get(picture::kFelt), &cache.Get(picture::kFelt));
}

TEST(Canvas, StartsWhiteAndClipsPicturesAtItsEdges) {
  Canvas canvas;
  EXPECT_EQ(canvas.Image().size(), QSize(480, 269));
  EXPECT_TRUE(IsColour(canvas.Image(), {0, 0, 480, 269}, 0xFFFFFF));
  const QImage chip = LoadKeyedPicture(picture::kChip25);
  canvas.Blit(chip, -4, 264);  // hangs over the left and bottom edges
  canvas.Blit(chip, 476, -6);  // over the right and top edges
  const QImage stored = StoredPicture(picture::kChip25);
  for (int y = 264; y < 269; ++y) {
    for (int x = 0; x < 5; ++x) {
      const QRgb want = stored.pixel(x + 4, y - 264) & 0xFFFFFFu;
      if (want != 0xFF33FF) {
        EXPECT_EQ(canvas.Image().pixel(x, y) & 0xFFFFFFu, want);
      }
    }
  }
  EXPECT_TRUE(IsColour(canvas.Image(), {5, 0, 476, 264}, 0xFFFFFF));
}

TEST(Canvas, PlatformColoursAreBlueGreenRed) {
  EXPECT_EQ(PixelFromColorRef(0x00008200), qRgb(0, 0x82, 0));
  EXPECT_EQ(PixelFromColorRef(0x00112233), qRgb(0x33, 0x22, 0x11));
}

}  // namespace
}  // namespace qf::test
