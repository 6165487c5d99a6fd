// The card sheet: white faces with rounded corners, a corner index, pips or a court figure.
#include <array>

#include "pictures.h"
#include "pixel_fonts.h"
#include "suits.h"

namespace qf::paint {

namespace {

constexpr int kCardW = 25, kCardH = 40;
constexpr Rgb kFace{255, 255, 255};
constexpr Rgb kEdge{70, 70, 80};

// Pip columns and rows: pips are 5 x 6.
constexpr int kLeft = 9, kMid = 13, kRight = 17;

struct Pip {
  int x, y;
  bool turned;
};

std::vector<Pip> PipLayout(int count) {
  const int a = 3, b = 12, c = 22, d = 31, mid = 17;
  std::vector<Pip> p;
  auto sides = [&](std::initializer_list<int> rows) {
    for (int y : rows) {
      bool t = y > 17;
      p.push_back({kLeft, y, t});
      p.push_back({kRight, y, t});
    }
  };
  switch (count) {
    case 2:
      p = {{kMid, a, false}, {kMid, d, true}};
      break;
    case 3:
      p = {{kMid, a, false}, {kMid, mid, false}, {kMid, d, true}};
      break;
    case 4:
      sides({a, d});
      break;
    case 5:
      sides({a, d});
      p.push_back({kMid, mid, false});
      break;
    case 6:
      sides({a, mid, d});
      break;
    case 7:
      sides({a, mid, d});
      p.push_back({kMid, 10, false});
      break;
    case 8:
      sides({a, mid, d});
      p.push_back({kMid, 10, false});
      p.push_back({kMid, 24, true});
      break;
    case 9:
      sides({a, b, c, d});
      p.push_back({kMid, mid, false});
      break;
    case 10:
      sides({a, b, c, d});
      p.push_back({kMid, 7, false});
      p.push_back({kMid, 27, true});
      break;
    default:
      break;
  }
  return p;
}

// Upper half of the court figures, 13 x 17; the lower half is the same turned round.
const std::vector<std::string_view> kJackHalf = {
    "        ff   ", "   cccccf    ", "  cccccccc   ", "  hhhhhhhhh  ", "  hsssssssh  ",
    "  hsksssksh  ", "  hsssssssh  ", "  hssmmmssh  ", "   hsssssh   ", "    sssss    ",
    " aaarrrrraaa ", "aaarrryrrraaa", "arrrrryrrrrra", "rrrrrryrrrrrr", "rrwrrryrrrwrr",
    "rwwwrryrrwwwr", "rrwrrryrrrwrr"};
const std::vector<std::string_view> kQueenHalf = {
    "    y y y    ", "    yjyjy    ", "   hhhhhhh   ", "  hhssssshh  ", "  hsksssksh  ",
    "  hsssssssh  ", "  hsssmsssh  ", "  hhssssshh  ", " hhhhssshhhh ", " hhrrrrrrrhh ",
    "hhrraayaarrhh", "hrrrrayarrrrh", "rrrrryyyrrrrr", "rraarryrraarr", "rrrrrryrrrrrr",
    "raarrryrrraar", "rrrrrryrrrrrr"};
const std::vector<std::string_view> kKingHalf = {
    "  y y y y y  ", "  yyyyyyyyy  ", "  yjyyjyyjy  ", "  bbbbbbbbb  ", "  bsssssssb  ",
    "  bsksssksb  ", "  bsssssssb  ", "  bsbbbbbsb  ", "  bbbsmsbbb  ", "   bbbbbbb   ",
    " wwwbbbbbwww ", "rrwwwbbbwwwrr", "rrrrwwwwwrrrr", "rraarryrraarr", "rrrrrryrrrrrr",
    "raarrryrrraar", "rrrrrryrrrrrr"};

void DrawCourt(Canvas& c, int suit, int rank) {
  bool red = SuitIsRed(suit);
  Rgb robe = red ? Rgb{196, 30, 40} : Rgb{40, 64, 168};
  Rgb accent = red ? Rgb{40, 64, 168} : Rgb{196, 30, 40};
  Rgb gold{236, 184, 24};
  Palette pal = {{'y', gold},         {'j', accent},          {'s', {250, 212, 172}},
                 {'k', {20, 20, 20}}, {'m', {200, 40, 40}},   {'r', robe},
                 {'a', accent},       {'w', {236, 236, 240}}, {'f', {40, 150, 60}},
                 {'c', accent}};
  const std::vector<std::string_view>* half = &kJackHalf;
  if (rank == 11) {
    half = &kQueenHalf;
    pal['h'] = {222, 164, 30};
  } else if (rank == 12) {
    half = &kKingHalf;
    pal['b'] = {120, 76, 36};
  } else {
    pal['h'] = {140, 84, 36};
  }
  // Frame and the two halves of the figure.
  Rgb frame = SuitInk(suit);
  for (int x = 8; x <= 22; ++x) {
    c.Set(x, 2, frame);
    c.Set(x, 37, frame);
  }
  for (int y = 2; y <= 37; ++y) {
    c.Set(8, y, frame);
    c.Set(22, y, frame);
  }
  c.Sprite(9, 3, *half, pal, false);
  c.Sprite(9, 20, *half, pal, true);
}

}  // namespace

Canvas CardFace(int suit, int rank) {
  Canvas c(kCardW, kCardH, kCardKey);
  c.RoundRect(0, 0, kCardW, kCardH, 4, kFace, &kEdge);
  Rgb ink = SuitInk(suit);
  Palette pal = {{'#', ink}};

  // Corner index: rank over a small suit, in the left 12 columns that stay visible when
  // hole cards overlap.
  static const std::array<char, 13> kRankChars = {'A', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'T', 'J', 'Q', 'K'};
  char rc = kRankChars[rank];
  DrawText(c, IndexFont(), rc == 'T' ? 1 : 2, 2, std::string_view(&rc, 1), ink);
  c.Sprite(2, 11, SmallSuit(suit), pal);

  if (rank == 0) {
    int size = suit == 0 ? 15 : 13;
    DrawLargeSuit(c, suit, 15 - size / 2, 20 - size / 2 - 1, size, size + 1, ink);
  } else if (rank >= 10) {
    DrawCourt(c, suit, rank);
  } else {
    for (const Pip& p : PipLayout(rank + 1)) c.Sprite(p.x, p.y, SmallSuit(suit), pal, p.turned);
  }
  return c;
}

QImage CardSheet() {
  Canvas sheet(13 * kCardW, 4 * kCardH, kCardKey);
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 0; rank < 13; ++rank) {
      Canvas face = CardFace(suit, rank);
      sheet.Blit(face, 0, 0, kCardW, kCardH, rank * kCardW, suit * kCardH, nullptr);
    }
  return sheet.Image();
}

QImage SmallCardPicture() {
  // A 24 x 36 card back: blue lattice in a white border.
  Canvas c(24, 36, kCardKey);
  c.RoundRect(0, 0, 24, 36, 4, kFace, &kEdge);
  Rgb blue{36, 70, 170}, light{110, 150, 230};
  for (int y = 3; y < 33; ++y)
    for (int x = 3; x < 21; ++x)
      c.Set(x, y, ((x + y) % 4 == 0 || (x - y + 40) % 4 == 0) ? light : blue);
  return c.Image();
}

}  // namespace qf::paint
