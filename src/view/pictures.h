// The table's pictures, loaded once from the compiled-in resources with their
// key colour turned into transparency, and kept for the life of the cache.
#pragma once

#include <QImage>
#include <array>

namespace qf {

// Picture ids the table draws.
namespace picture {
inline constexpr int kBubbleAnte = 108;
inline constexpr int kBubbleBet = 110;
inline constexpr int kBubbleCall = 111;
inline constexpr int kChip5 = 112;
inline constexpr int kChip25 = 113;
inline constexpr int kChip1 = 114;
inline constexpr int kChip100 = 115;
inline constexpr int kFoldTile = 116;
inline constexpr int kSilhouette = 117;
inline constexpr int kBubbleWin = 118;
inline constexpr int kOutTile = 119;
inline constexpr int kTable = 128;
inline constexpr int kDealerMarker = 147;
inline constexpr int kBubbleCollect = 148;
inline constexpr int kBubbleRaise = 149;
inline constexpr int kBubbleCheck = 150;
inline constexpr int kCardSheet = 152;
inline constexpr int kButtonPlain = 156;
inline constexpr int kButtonLit = 168;
inline constexpr int kTurnMarker = 169;
inline constexpr int kFelt = 172;
inline constexpr int kGlyphsRed = 174;
inline constexpr int kGlyphsGreen = 175;
}  // namespace picture

// The colour (0xRRGGBB) that stands for "not drawn" in a picture, or -1 when
// the picture is drawn whole.
int PictureKeyColour(int id);

// The resource path of a picture id.
QString PicturePath(int id);

// Loads the picture and makes every pixel of its key colour fully transparent.
// The result is ARGB32 with alpha 0 or 255 only; a missing picture gives a
// null image.
QImage LoadKeyedPicture(int id);

class PictureCache {
 public:
  // The picture, loaded on first use; a null image when it cannot be loaded
  // or the id is not a picture of the program.
  const QImage& Get(int id);

 private:
  static constexpr int kFirstId = 100;
  static constexpr int kLastId = 179;
  std::array<QImage, kLastId - kFirstId + 1> pictures_;
  std::array<bool, kLastId - kFirstId + 1> loaded_{};
  QImage none_;
};

}  // namespace qf
