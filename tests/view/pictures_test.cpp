// Pictures come from the resources once and are kept; the canvas clips them at its
// edges. (The golden tables show the key colours left out.)
#include "view/pictures.h"

#include <gtest/gtest.h>

#include "view/canvas.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

TEST(Pictures, UnknownIdsAreEmptyAndPicturesAreLoadedOnce) {
  PictureCache cache;
  EXPECT_TRUE(cache.Get(109).isNull());
  EXPECT_TRUE(cache.Get(7).isNull());
  EXPECT_FALSE(cache.Get(picture::kFelt).isNull());
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

}  // namespace
}  // namespace qf::test
