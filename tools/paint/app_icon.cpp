// The application icon at every size of the desktop's icon theme: a table's felt in a wooden
// rim, the aces of spades and hearts and, from 64 pixels up, a stack of chips. Each size is drawn
// on its own pixel grid with hard edges and nothing smoothed or scaled: the cards of the three
// smallest sizes by hand, pixel by pixel, the rest from measures picked for each size.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

#include "pictures.h"
#include "pixel_fonts.h"
#include "suits.h"

namespace qf::paint {

namespace {

constexpr Rgb kClear{0x00, 0xFF, 0x00};  // made transparent at the end
constexpr Rgb kOutline{58, 32, 14};
constexpr Rgb kWood{150, 92, 42};
constexpr Rgb kWoodLight{192, 130, 66};
constexpr Rgb kWoodDark{104, 60, 24};
constexpr Rgb kFelt{30, 122, 60};
constexpr Rgb kFeltLight{46, 148, 76};
constexpr Rgb kCardWhite{255, 255, 255};
constexpr Rgb kCardEdge{70, 70, 80};
constexpr Rgb kRed{206, 18, 32};
constexpr Rgb kBlack{24, 24, 28};
constexpr Rgb kChip{44, 86, 204};
constexpr Rgb kChipDark{26, 52, 142};
constexpr Rgb kChipStripe{240, 240, 246};

QImage WithClearKey(const Canvas& c) {
  QImage img = c.Image().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) == (kClear.Value() & 0xFFFFFF))
        img.setPixel(x, y, qRgba(0, 0, 0, 0));
  return img;
}

// A shadow: what is painted there already, darker.
void Darken(Canvas& c, int x, int y) {
  if (c.Inside(x, y) && c.Get(x, y).Value() != kClear.Value())
    c.Set(x, y, c.Get(x, y).Scaled(0.62));
}

using Rows = std::vector<std::string_view>;

// ---- The cards of the three smallest sizes, drawn by hand: the ace of spades behind, shown by
// its corner pip, and the ace of hearts in front. e card edge, W white, k black, r red,
// ~ the shadow a card casts (what lies below, darkened); anything else is left as it is.

const Rows kCards16 = {
    " eeeee       ",  //
    "eWWWWWe~     ",  //
    "eWWkWWeeeeee ",  //
    "eWkkkWeWWWWWe",  //
    "ekkkkkeWrWrWe",  //
    "ekkkkkerrrrre",  //
    "eWWkWWerrrrre",  //
    "eWkkkWerrrrre",  //
    "eWWWWWeWrrrWe",  //
    " eeeeeeWWrWWe",  //
    "  ~~~~eWWWWWe",  //
    "       eeeee~",  //
    "        ~~~~~",  //
};

const Rows kCards24 = {
    " eeeeee          ",  //
    "eWWWWWWe         ",  //
    "eWWkWWWe~        ",  //
    "eWkkkWWe~        ",  //
    "ekkkkkWeeeeeeee  ",  //
    "ekkkkkWeWWWWWWWe ",  //
    "eWWkWWWeWWWWWWWe~",  //
    "eWkkkWWeWWWWWWWe~",  //
    "eWWWWWWeWWrWrWWe~",  //
    "eWWWWWWeWrrrrrWe~",  //
    "eWWWWWWeWrrrrrWe~",  //
    " eeeeeeeWrrrrrWe~",  //
    "  ~~~~~eWWrrrWWe~",  //
    "       eWWWrWWWe~",  //
    "       eWWWWWWWe~",  //
    "       eWWWWWWWe~",  //
    "        eeeeeee ~",  //
    "         ~~~~~~~ ",  //
};

const Rows kCards32 = {
    " eeeeeeeee          ",  //
    "eWWWWWWWWWe~        ",  //
    "eWWkWWWWWWe~        ",  //
    "eWkWkWWWWWe~        ",  //
    "eWkkkWWWWeeeeeeeee  ",  //
    "eWkWkWWWeWWWWWWWWWe~",  //
    "eWkWkWWWeWWrWWWWWWe~",  //
    "eWWWWWWWeWrWrWWWWWe~",  //
    "eWWWkWWWeWrrrWWWWWe~",  //
    "eWWkkkWWeWrWrWWWWWe~",  //
    "eWkkkkkWeWrWrWWWWWe~",  //
    "eWkkkkkWeWWWWWWWWWe~",  //
    "eWWWkWWWeWWrrWrrWWe~",  //
    "eWWkkkWWeWrrrrrrrWe~",  //
    "eWWWWWWWeWrrrrrrrWe~",  //
    " eeeeeeeeWWrrrrrWWe~",  //
    " ~~~~~~~eWWWrrrWWWe~",  //
    "        eWWWWrWWWWe~",  //
    "        eWWWWWWWWWe~",  //
    "         eeeeeeeee~~",  //
    "          ~~~~~~~~~ ",  //
};

void PaintHandCards(Canvas& c, int x, int y, const Rows& rows) {
  const Palette pal = {{'e', kCardEdge}, {'W', kCardWhite}, {'k', kBlack}, {'r', kRed}};
  for (int j = 0; j < static_cast<int>(rows.size()); ++j)
    for (int i = 0; i < static_cast<int>(rows[j].size()); ++i) {
      if (rows[j][i] == '~') {
        Darken(c, x + i, y + j);
      } else if (auto it = pal.find(rows[j][i]); it != pal.end()) {
        c.Set(x + i, y + j, it->second);
      }
    }
}

// ---- Every size: a tile of felt in a wooden rim, then the cards and chips. The larger sizes
// draw their cards from the measures in the plan; the smaller ones place a hand-drawn sprite.

struct Plan {
  int size;
  int inset, radius, outline, wood, feltLine;  // the tile: margin, corner, dark edge, rim, line
  const Rows* handCards;                       // the small sizes' cards, at handX, handY
  int handX, handY;
  int cardW, cardH, cardR, cardEdge;
  int backX, backY, frontX, frontY;  // top-left corners of the two cards
  int indexScale;                    // size of the corner index's pixels
  int suitW;                         // the big suit in the middle of the cards
  bool backSuit;                     // whether the back card shows its big suit too
  int shadow;                        // offset of the shadows the cards and chips cast
  int chipX, chipBase, chipRx, chipRy, chipThick, chips;  // a stack of blue chips
};

constexpr Plan kPlans[] = {
    {16, 0, 3, 1, 0, 0, &kCards16, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, 0, 0, 0, 0, 0, 0, 0},
    {24, 0, 5, 1, 2, 0, &kCards24, 4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, 0, 0, 0, 0, 0, 0, 0},
    {32, 1, 6, 1, 2, 1, &kCards32, 6, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, 0, 0, 0, 0, 0, 0, 0},
    {48, 1, 9, 1, 3, 1, nullptr, 0, 0, 17, 26, 3, 1, 9, 7, 21, 14, 1, 9, false, 1, 0, 0, 0, 0, 0, 0},
    {64, 2, 12, 1, 4, 1, nullptr, 0, 0, 23, 35, 3, 1, 12, 9, 28, 18, 1, 11, true, 2, 15, 57, 8,
     4, 3, 3},
    {128, 4, 24, 2, 8, 2, nullptr, 0, 0, 46, 70, 6, 2, 24, 19, 56, 36, 2, 26, true, 3, 31, 113,
     16, 7, 5, 3},
    {256, 8, 46, 3, 15, 3, nullptr, 0, 0, 92, 140, 11, 3, 48, 38, 112, 72, 3, 52, true, 6, 62, 226,
     32, 14, 10, 3},
};

// Big suits for the cards of the smaller sizes, where sampling the outline leaves them lumpy.
const std::vector<std::string_view> kHeart9 = {
    " ##   ## ", "#### ####", "#########", "#########", " ####### ", "  #####  ", "   ###   ",
    "    #    "};
const std::vector<std::string_view> kSpade9 = {
    "    #    ", "   ###   ", "  #####  ", " ####### ", "#########", "#########", " ## # ## ",
    "    #    ", "   ###   "};
const std::vector<std::string_view> kHeart11 = {
    " ###   ### ", "##### #####", "###########", "###########", "###########", " ######### ",
    "  #######  ", "   #####   ", "    ###    ", "     #     "};
const std::vector<std::string_view> kSpade11 = {
    "     #     ", "    ###    ", "   #####   ", "  #######  ", " ######### ", "###########",
    "###########", "###########", " ### # ### ", "     #     ", "    ###    ", "   #####   "};

// The shadow of a card: what is painted inside the rounded rectangle, darker.
void Shade(Canvas& c, int x, int y, int w, int h, int r) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i)
      if (InRoundRect(i, j, x, y, w, h, r)) Darken(c, i, j);
}

// Rows of '#' drawn with every lit pixel as a scale x scale block.
void BlockSprite(Canvas& c, int x, int y, const std::vector<std::string_view>& rows, int scale,
                 Rgb ink) {
  for (int j = 0; j < static_cast<int>(rows.size()); ++j)
    for (int i = 0; i < static_cast<int>(rows[j].size()); ++i)
      if (rows[j][i] == '#') c.Fill(x + i * scale, y + j * scale, scale, scale, ink);
}

void PaintTile(Canvas& c, const Plan& p) {
  const int s = p.size - 2 * p.inset;
  // With no room for a rim, the edge itself is of wood.
  c.RoundRect(p.inset, p.inset, s, s, p.radius, p.wood > 0 ? kOutline : kWoodDark, nullptr);
  // The rim: lit along its top and left, in shade along its bottom and right.
  const int o = p.inset + p.outline, rim = s - 2 * p.outline, bevel = std::max(1, p.wood / 5);
  c.RoundRect(o, o, rim, rim, p.radius - p.outline, kWoodDark, nullptr);
  c.RoundRect(o, o, rim - bevel, rim - bevel, p.radius - p.outline, kWoodLight, nullptr);
  c.RoundRect(o + bevel, o + bevel, rim - 2 * bevel, rim - 2 * bevel, p.radius - p.outline - bevel,
              kWood, nullptr);
  // The felt, a dark line where it meets the rim, and a pool of light a little above its middle.
  const int f = o + p.wood, felt = rim - 2 * p.wood, r = std::max(2, p.radius - p.outline - p.wood);
  c.RoundRect(f, f, felt, felt, r, kOutline, nullptr);
  const int line = p.feltLine;
  c.RoundRect(f + line, f + line, felt - 2 * line, felt - 2 * line, r - line, kFelt, nullptr);
  const double cx = p.size / 2.0, cy = p.size * 0.42, rx = felt * 0.42, ry = felt * 0.36;
  for (int y = f; y < f + felt; ++y)
    for (int x = f; x < f + felt; ++x) {
      if (c.Get(x, y).Value() != kFelt.Value()) continue;
      const double d = std::hypot((x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry);
      // Solid inside, a checkerboard of both greens in a thin band around it.
      if (d <= 1.0 || (d <= 1.0 + 1.5 * std::max(1, line) / rx && (x + y) % 2 == 0))
        c.Set(x, y, kFeltLight);
    }
}

void PaintCard(Canvas& c, const Plan& p, int x, int y, int suit, bool front) {
  Shade(c, x + p.shadow, y + p.shadow, p.cardW, p.cardH, p.cardR);
  c.RoundRect(x, y, p.cardW, p.cardH, p.cardR, kCardEdge, nullptr);
  const int e = p.cardEdge;
  c.RoundRect(x + e, y + e, p.cardW - 2 * e, p.cardH - 2 * e, std::max(0, p.cardR - e), kCardWhite,
              nullptr);
  const Rgb ink = SuitInk(suit);
  if (p.indexScale > 0) {
    const int k = p.indexScale, left = x + e + k;
    BlockSprite(c, left, y + e + k, IndexFont().glyphs.at('A'), k, ink);
    // Under the rank, the suit; the front card of the smallest plan has no room for it.
    if (!front || p.size > 48)
      BlockSprite(c, left - (k > 1 ? k / 2 : 0), y + e + 9 * k, SmallSuit(suit), k, ink);
  }
  if (suit == 0 && !p.backSuit) return;
  const int w = p.suitW;
  if (w == 9 || w == 11) {
    const auto& rows = suit == 0 ? (w == 9 ? kSpade9 : kSpade11) : (w == 9 ? kHeart9 : kHeart11);
    const int h = static_cast<int>(rows.size());
    BlockSprite(c, x + (p.cardW - w) / 2, y + (p.cardH - h) / 2 + p.cardH / 16, rows, 1, ink);
    return;
  }
  const int h = suit == 0 ? w + w / 8 : w;
  DrawLargeSuit(c, suit, x + (p.cardW - w) / 2, y + (p.cardH - h) / 2 + p.cardH / 16, w, h, ink);
}

void PaintChips(Canvas& c, const Plan& p) {
  const double rx = p.chipRx, ry = p.chipRy;
  for (int k = 0; k < p.chips; ++k) {
    const double cx = p.chipX, top = p.chipBase - p.chipThick - ry - k * p.chipThick;
    auto inTop = [&](int x, int y) {
      return std::hypot((x + 0.5 - cx) / rx, (y + 0.5 - top) / ry) <= 1.0;
    };
    auto inBody = [&](int x, int y) {
      return inTop(x, y) ||
             std::hypot((x + 0.5 - cx) / rx, (y + 0.5 - top - p.chipThick) / ry) <= 1.0 ||
             (std::abs(x + 0.5 - cx) <= rx && y + 0.5 >= top && y + 0.5 <= top + p.chipThick);
    };
    const int x0 = static_cast<int>(cx - rx) - 1, x1 = static_cast<int>(cx + rx) + 1;
    const int y0 = static_cast<int>(top - ry) - 1, y1 = static_cast<int>(top + p.chipThick + ry) + 1;
    if (k == 0) {  // the stack's shadow on the felt
      for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1 + p.shadow; ++x)
          if (inBody(x - p.shadow, y - p.shadow / 2) && !inBody(x, y)) Darken(c, x, y);
    }
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        if (!inBody(x, y)) continue;
        const bool edge = !inBody(x - 1, y) || !inBody(x + 1, y) || !inBody(x, y + 1) ||
                          (!inTop(x, y) && inTop(x, y - 1));
        Rgb colour = kChip;
        if (edge) {
          colour = kChipDark;
        } else if (inTop(x, y)) {
          // A ring of dashes on the face.
          const double d = std::hypot((x + 0.5 - cx) / rx, (y + 0.5 - top) / ry);
          const double a = std::atan2((y + 0.5 - top) / ry, (x + 0.5 - cx) / rx);
          const bool dash = std::fmod(a + 4 * std::numbers::pi, std::numbers::pi / 4) <
                            std::numbers::pi / 8;
          if (d > 0.62 && d < 0.84 && dash) colour = kChipStripe;
        } else {
          // Stripes round the edge, narrower toward the sides.
          const double a = std::asin(std::clamp((x + 0.5 - cx) / rx, -1.0, 1.0));
          if (std::fmod(a + std::numbers::pi, std::numbers::pi / 4) < std::numbers::pi / 10)
            colour = kChipStripe;
        }
        c.Set(x, y, colour);
      }
  }
}

}  // namespace

QImage AppIcon(int size) {
  Canvas c(size, size, kClear);
  for (const Plan& p : kPlans) {
    if (p.size != size) continue;
    PaintTile(c, p);
    if (p.handCards != nullptr) {
      PaintHandCards(c, p.handX, p.handY, *p.handCards);
    } else {
      PaintCard(c, p, p.backX, p.backY, 0, false);
      PaintCard(c, p, p.frontX, p.frontY, 3, true);
      PaintChips(c, p);
    }
  }
  return WithClearKey(c);
}

}  // namespace qf::paint
