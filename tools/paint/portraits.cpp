// Portrait strips: ten characters, each in seven frames from calm to delighted.
#include <array>

#include "pictures.h"

namespace qf::paint {

namespace {

enum class HairStyle { kShort, kLong, kBald, kCurly, kMohawk, kBun, kCap, kHat, kPonytail, kSpiky };
enum class Eyewear { kNone, kGlasses, kShades };
enum class Collar { kPlain, kBowTie, kTie, kVNeck, kNecklace, kZip };

struct Character {
  Rgb skin;
  Rgb hair;
  Rgb shirt;
  HairStyle style;
  Eyewear eyewear = Eyewear::kNone;
  Collar collar = Collar::kPlain;
  bool beard = false;
  bool moustache = false;
  bool earrings = false;
  Rgb extra{0, 0, 0};  // hat, cap or tie colour
  double faceRx = 4.6, faceRy = 5.6;
  Rgb frames{44, 40, 48};  // glasses
};

const std::array<Character, 10>& Characters() {
  static const std::array<Character, 10> kCast = {{
      // 0: young man, short brown hair, blue shirt and tie.
      {{246, 204, 164},
       {112, 66, 30},
       {52, 92, 186},
       HairStyle::kShort,
       Eyewear::kNone,
       Collar::kTie,
       false,
       false,
       false,
       {200, 40, 40}},
      // 1: woman with long fair hair, red dress, earrings.
      {{250, 214, 180},
       {236, 190, 60},
       {200, 36, 56},
       HairStyle::kLong,
       Eyewear::kNone,
       Collar::kNecklace,
       false,
       false,
       true,
       {250, 230, 90},
       4.3,
       5.4},
      // 2: old gentleman, bald, glasses, grey moustache, brown jacket with bow tie.
      {{236, 190, 150},
       {190, 190, 196},
       {120, 78, 44},
       HairStyle::kBald,
       Eyewear::kGlasses,
       Collar::kBowTie,
       false,
       true,
       false,
       {170, 30, 40},
       4.9,
       5.6},
      // 3: woman with curly black hair, dark skin, yellow top.
      {{140, 90, 56},
       {30, 24, 24},
       {236, 196, 40},
       HairStyle::kCurly,
       Eyewear::kNone,
       Collar::kVNeck,
       false,
       false,
       true,
       {240, 240, 120},
       4.4,
       5.5},
      // 4: cowboy with a tan hat and moustache, green shirt.
      {{214, 160, 116},
       {90, 56, 30},
       {60, 130, 70},
       HairStyle::kHat,
       Eyewear::kNone,
       Collar::kPlain,
       false,
       true,
       false,
       {170, 120, 60},
       4.8,
       5.4},
      // 5: punk with a green mohawk, shades, black jacket.
      {{244, 214, 196},
       {60, 210, 90},
       {44, 44, 52},
       HairStyle::kMohawk,
       Eyewear::kShades,
       Collar::kZip,
       false,
       false,
       true,
       {200, 200, 210},
       4.3,
       5.6},
      // 6: grandmother, grey hair in a bun, glasses, purple cardigan.
      {{248, 210, 186},
       {214, 214, 222},
       {124, 60, 150},
       HairStyle::kBun,
       Eyewear::kGlasses,
       Collar::kNecklace,
       false,
       false,
       false,
       {240, 240, 240},
       4.5,
       5.4,
       {176, 112, 30}},
      // 7: bearded man with red hair, orange shirt.
      {{240, 196, 160},
       {190, 80, 30},
       {226, 120, 30},
       HairStyle::kSpiky,
       Eyewear::kNone,
       Collar::kVNeck,
       true,
       false,
       false,
       {0, 0, 0},
       4.8,
       5.7},
      // 8: young man in a red cap, dark skin, white T-shirt.
      {{110, 70, 44},
       {24, 20, 20},
       {226, 226, 232},
       HairStyle::kCap,
       Eyewear::kNone,
       Collar::kPlain,
       false,
       false,
       false,
       {210, 30, 40},
       4.7,
       5.6},
      // 9: woman with a dark ponytail, olive skin, teal top.
      {{220, 170, 124},
       {70, 40, 24},
       {30, 150, 150},
       HairStyle::kPonytail,
       Eyewear::kNone,
       Collar::kVNeck,
       false,
       false,
       true,
       {250, 220, 80},
       4.4,
       5.5},
  }};
  return kCast;
}

constexpr double kCx = 10.0, kCy = 8.6;  // head centre
constexpr Rgb kInk{28, 20, 20};
constexpr Rgb kTeeth{250, 250, 250};
constexpr Rgb kMouth{150, 30, 40};
constexpr Rgb kBlush{236, 120, 120};

void DrawBody(Canvas& c, const Character& ch) {
  c.FillEllipse(10.0, 21.5, 9.0, 6.5, ch.shirt);
  c.Fill(8, 13, 4, 3, ch.skin.Scaled(0.85));
  switch (ch.collar) {
    case Collar::kTie:
      c.Set(8, 16, {240, 240, 240});
      c.Set(11, 16, {240, 240, 240});
      c.Fill(9, 16, 2, 1, ch.extra);
      c.Fill(9, 17, 2, 3, ch.extra.Scaled(0.8));
      break;
    case Collar::kBowTie:
      c.Sprite(7, 16, {"##  ##", "######", "##  ##"}, {{'#', ch.extra}});
      c.Set(9, 17, ch.extra.Scaled(0.7));
      c.Set(10, 17, ch.extra.Scaled(0.7));
      break;
    case Collar::kVNeck:
      c.Sprite(8, 16, {"####", " ## "}, {{'#', ch.skin.Scaled(0.85)}});
      break;
    case Collar::kNecklace:
      c.Sprite(7, 15, {"#    #", " #  # ", "  ##  "}, {{'#', ch.extra}});
      break;
    case Collar::kZip:
      c.VLine(10, 16, 19, ch.extra);
      c.Set(8, 16, ch.shirt.Scaled(1.5));
      c.Set(12, 16, ch.shirt.Scaled(1.5));
      break;
    case Collar::kPlain:
      c.HLine(8, 11, 16, ch.shirt.Scaled(0.75));
      break;
  }
}

void DrawHairBehind(Canvas& c, const Character& ch) {
  switch (ch.style) {
    case HairStyle::kLong:
      c.FillEllipse(kCx, 10.0, ch.faceRx + 2.0, 7.6, ch.hair);
      break;
    case HairStyle::kCurly:
      c.FillEllipse(kCx, 8.0, ch.faceRx + 2.6, 7.2, ch.hair);
      // Curls: a sprinkle of lighter pixels inside the hair.
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
          if ((x * 3 + y * 5) % 7 == 0 && c.Get(x, y).r == ch.hair.r && c.Get(x, y).g == ch.hair.g)
            c.Set(x, y, ch.hair.Scaled(1.35));
      break;
    case HairStyle::kPonytail:
      c.Sprite(14, 5, {" ##", "###", "###", " ##", " ##", "  #", "  #"}, {{'#', ch.hair}});
      break;
    default:
      break;
  }
}

void DrawHead(Canvas& c, const Character& ch) {
  // Ears, then the face.
  c.Fill(static_cast<int>(kCx - ch.faceRx) - 1, 8, 2, 3, ch.skin.Scaled(0.9));
  c.Fill(static_cast<int>(kCx + ch.faceRx) - 1, 8, 2, 3, ch.skin.Scaled(0.9));
  c.FillEllipse(kCx, kCy, ch.faceRx, ch.faceRy, ch.skin);
  if (ch.earrings) {
    c.Set(static_cast<int>(kCx - ch.faceRx) - 1, 11, ch.extra);
    c.Set(static_cast<int>(kCx + ch.faceRx), 11, ch.extra);
  }
}

void DrawHairOnTop(Canvas& c, const Character& ch) {
  Rgb h = ch.hair;
  auto cap = [&](double top, Rgb col) {  // the top of the head down to row `top`
    for (int y = 0; y <= top; ++y)
      for (int x = 0; x < 20; ++x) {
        double dx = (x + 0.5 - kCx) / (ch.faceRx + 0.7), dy = (y + 0.5 - kCy) / (ch.faceRy + 0.7);
        if (dx * dx + dy * dy <= 1.0) c.Set(x, y, col);
      }
  };
  switch (ch.style) {
    case HairStyle::kShort:
      cap(5, h);
      c.Set(5, 6, h);
      c.Set(14, 6, h);
      c.Set(9, 6, h);
      c.Set(10, 6, h);
      c.Set(11, 6, h);
      break;
    case HairStyle::kLong:
      cap(5, h);
      c.Sprite(5, 6, {"##        ##", "#          #", "#          #"}, {{'#', h}});
      break;
    case HairStyle::kBald:
      c.Set(8, 4, ch.skin.Scaled(1.5));
      c.Set(9, 4, ch.skin.Scaled(1.5));
      c.Sprite(5, 6, {"#        #", "#        #", "#        #"}, {{'#', h}});
      break;
    case HairStyle::kCurly:
      cap(5, h);
      c.Sprite(5, 6, {"#        #", "#        #"}, {{'#', h}});
      break;
    case HairStyle::kMohawk:
      c.Sprite(8, 0, {" ## ", "####", "####", " ## ", " ## "}, {{'#', h}});
      c.Set(5, 7, h.Scaled(0.6));
      c.Set(14, 7, h.Scaled(0.6));
      break;
    case HairStyle::kBun:
      c.FillEllipse(kCx, 1.8, 2.3, 1.9, h);
      cap(5, h);
      c.Set(5, 6, h);
      c.Set(14, 6, h);
      c.Set(9, 5, h.Scaled(0.8));
      break;
    case HairStyle::kCap:
      cap(5, ch.extra);
      c.HLine(9, 18, 6, ch.extra.Scaled(0.75));
      c.Set(10, 2, {250, 250, 250});
      c.Set(5, 7, h);
      c.Set(14, 7, h);
      break;
    case HairStyle::kHat:
      c.Fill(6, 0, 8, 4, ch.extra);
      c.HLine(6, 13, 3, ch.extra.Scaled(0.6));
      c.HLine(7, 12, 0, ch.extra.Scaled(1.2));
      c.HLine(2, 17, 4, ch.extra.Scaled(0.85));
      c.HLine(1, 18, 5, ch.extra.Scaled(0.7));
      c.Set(1, 4, ch.extra.Scaled(0.85));
      c.Set(18, 4, ch.extra.Scaled(0.85));
      c.Set(5, 6, h);
      c.Set(14, 6, h);
      break;
    case HairStyle::kPonytail:
      cap(5, h);
      c.Set(5, 6, h);
      c.Set(14, 6, h);
      c.Set(13, 6, h);
      c.Set(15, 7, ch.extra);
      break;
    case HairStyle::kSpiky:
      cap(5, h);
      c.Sprite(5, 1, {" # # # #  ", "##########"}, {{'#', h}});
      c.Set(5, 6, h);
      c.Set(14, 6, h);
      break;
  }
}

void DrawBeard(Canvas& c, const Character& ch) {
  if (ch.beard) {
    for (int y = 10; y < 16; ++y)
      for (int x = 4; x < 16; ++x) {
        double dx = (x + 0.5 - kCx) / (ch.faceRx + 0.4), dy = (y + 0.5 - kCy) / (ch.faceRy + 0.6);
        if (dx * dx + dy * dy <= 1.0) c.Set(x, y, ch.hair);
      }
  }
}

// Brows, eyes, nose and mouth for an expression level 0 (calm) .. 6 (delighted).
void DrawFace(Canvas& c, const Character& ch, int level) {
  Rgb brow = ch.style == HairStyle::kBald ? ch.hair.Scaled(0.7) : ch.hair.Scaled(0.8);
  if (ch.style == HairStyle::kMohawk) brow = kInk;
  // Brows: worried at 0, flat at 1..3, raised from 4; a row higher over glasses.
  int by = ch.eyewear == Eyewear::kGlasses ? 6 : 7;
  if (level == 0) {
    c.Set(7, by, brow), c.Set(8, by - 1, brow), c.Set(11, by - 1, brow), c.Set(12, by, brow);
  } else if (level <= 3) {
    c.HLine(7, 8, by, brow), c.HLine(11, 12, by, brow);
  } else {
    c.HLine(7, 8, by - 1, brow), c.HLine(11, 12, by - 1, brow);
  }
  // Eyes: open dots, closed happy arcs from level 5.
  bool happyEyes = level >= 5;
  if (ch.eyewear == Eyewear::kShades) {
    c.Sprite(6, 8, {"########", "###  ###", " #    # "}, {{'#', {20, 20, 30}}});
    c.Set(7, 8, {120, 120, 160});
    c.Set(12, 8, {120, 120, 160});
  } else {
    if (happyEyes) {
      c.Set(7, 9, kInk), c.Set(8, 8, kInk), c.Set(9, 9, kInk);
      c.Set(10, 9, kInk), c.Set(11, 8, kInk), c.Set(12, 9, kInk);
    } else {
      c.Set(8, 8, kInk), c.Set(8, 9, kInk), c.Set(11, 8, kInk), c.Set(11, 9, kInk);
      c.Set(7, 9, {250, 250, 250}), c.Set(12, 9, {250, 250, 250});
    }
    if (ch.eyewear == Eyewear::kGlasses) {
      // Round rims with a bridge; the eyes show through the lenses.
      Rgb g = ch.frames;
      c.HLine(7, 8, 7, g), c.HLine(11, 12, 7, g);
      c.VLine(6, 8, 9, g), c.VLine(13, 8, 9, g);
      c.HLine(9, 10, 8, g);
      c.HLine(7, 8, 10, g), c.HLine(11, 12, 10, g);
    }
  }
  // Nose.
  c.Set(10, 10, ch.skin.Scaled(0.75));
  if (level >= 4 && ch.skin.r > 150) {
    c.Set(6, 11, kBlush), c.Set(13, 11, kBlush);
  }
  if (ch.moustache) c.HLine(8, 11, 11, ch.hair), c.Set(7, 12, ch.hair), c.Set(12, 12, ch.hair);
  // Mouth, from a frown to a laugh.
  const Rgb dark{90, 10, 20}, tongue{230, 90, 100};
  int my = ch.moustache ? 12 : 11;
  switch (level) {
    case 0:  // glum
      c.HLine(9, 10, my, kMouth), c.Set(8, my + 1, kMouth), c.Set(11, my + 1, kMouth);
      break;
    case 1:  // straight
      c.HLine(8, 11, my + 1, kMouth);
      break;
    case 2:  // hint of a smile
      c.HLine(9, 10, my + 1, kMouth), c.Set(8, my, kMouth), c.Set(11, my, kMouth);
      break;
    case 3:  // smile
      c.HLine(8, 11, my + 1, kMouth), c.Set(7, my, kMouth), c.Set(12, my, kMouth);
      break;
    case 4:  // open smile with teeth
      c.Set(7, my, kMouth), c.Set(12, my, kMouth);
      c.HLine(8, 11, my, kTeeth), c.HLine(8, 11, my + 1, kMouth);
      break;
    case 5:  // grin
      c.Set(7, my, kMouth), c.HLine(8, 11, my, kTeeth), c.Set(12, my, kMouth);
      c.Set(8, my + 1, kMouth), c.HLine(9, 10, my + 1, dark), c.Set(11, my + 1, kMouth);
      c.HLine(9, 10, my + 2, kMouth);
      break;
    default:  // laugh
      c.Set(7, my, kMouth), c.HLine(8, 11, my, kTeeth), c.Set(12, my, kMouth);
      c.Set(7, my + 1, kMouth), c.Set(8, my + 1, dark), c.HLine(9, 10, my + 1, tongue);
      c.Set(11, my + 1, dark), c.Set(12, my + 1, kMouth);
      c.HLine(8, 11, my + 2, kMouth);
      break;
  }
}

void DrawGesture(Canvas& c, const Character& ch, int level) {
  Rgb sleeve = ch.shirt.Scaled(0.9);
  if (level == 5) {  // thumbs up
    c.Line(16, 19, 17, 15, sleeve);
    c.Line(17, 19, 18, 15, sleeve);
    c.Fill(15, 12, 4, 3, ch.skin);
    c.VLine(16, 9, 11, ch.skin);
    c.HLine(15, 18, 14, ch.skin.Scaled(0.8));
  } else if (level == 6) {  // both arms up and a sparkle
    for (int side = 0; side < 2; ++side) {
      int x = side == 0 ? 2 : 17;
      int dir = side == 0 ? 1 : -1;
      c.Line(x + dir * 1, 17, x, 9, sleeve);
      c.Line(x + dir * 2, 17, x + dir, 9, sleeve);
      c.Fill(side == 0 ? 0 : 17, 6, 3, 3, ch.skin);
      c.Set(side == 0 ? 0 : 19, 5, ch.skin);
    }
    Rgb gold{255, 220, 40};
    c.Set(4, 1, gold), c.Set(3, 2, gold), c.Set(5, 2, gold), c.Set(4, 3, gold);
    c.Set(16, 2, gold);
  }
}

// Darkens the pixels of the figure that touch the background, for a crisp outline.
void Outline(Canvas& c) {
  Canvas copy = c;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      QRgb v = copy.Image().pixel(x, y);
      if (v == kPortraitKey.Value()) continue;
      auto bg = [&](int i, int j) {
        return copy.Inside(i, j) && copy.Image().pixel(i, j) == kPortraitKey.Value();
      };
      if (bg(x - 1, y) || bg(x + 1, y) || bg(x, y - 1) || bg(x, y + 1))
        c.Set(x, y, copy.Get(x, y).Scaled(0.55));
    }
}

Canvas Frame(const Character& ch, int level) {
  Canvas c(20, 20, kPortraitKey);
  DrawHairBehind(c, ch);
  DrawBody(c, ch);
  DrawHead(c, ch);
  DrawBeard(c, ch);
  DrawHairOnTop(c, ch);
  DrawFace(c, ch, level);
  DrawGesture(c, ch, level);
  Outline(c);
  return c;
}

}  // namespace

QImage PortraitStrip(int character) {
  const Character& ch = Characters().at(character);
  Canvas strip(140, 20, kPortraitKey);
  for (int k = 0; k < 7; ++k) {
    Canvas f = Frame(ch, k);
    strip.Blit(f, 0, 0, 20, 20, 20 * k, 0, nullptr);
  }
  return strip.Image();
}

QImage Silhouette() {
  Canvas c(20, 20, kWhite);
  Rgb black{0, 0, 0};
  c.FillEllipse(10.0, 7.6, 4.4, 5.0, black);
  c.Fill(8, 12, 4, 3, black);
  c.FillEllipse(10.0, 21.0, 9.0, 6.6, black);
  return c.Image();
}

}  // namespace qf::paint
