// Felt, table, button faces, glyphs and the About pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "picture_support.h"

namespace qf::test {
namespace {

TEST(Felt, TwoColoursMaroonAndBrownThatTileWithoutASeam) {
  QImage felt = LoadPicture(172);
  auto colours = Colours(felt, felt.rect());
  ASSERT_EQ(colours.size(), 2u);
  for (QRgb c : colours) {
    EXPECT_GT(qRed(c), qGreen(c));
    EXPECT_GT(qRed(c), qBlue(c));
    EXPECT_LT(qRed(c), 180);
  }
  // Tiled, the edge between two copies must be no more abrupt than the pattern is inside:
  // the pixels that change from the last column to the first (and the last row to the first)
  // number no more than between the most different pair of neighbouring columns (rows) inside.
  auto columnChange = [&](int a, int b) {
    int n = 0;
    for (int y = 0; y < 40; ++y) n += Pixel(felt, a, y) != Pixel(felt, b, y);
    return n;
  };
  auto rowChange = [&](int a, int b) {
    int n = 0;
    for (int x = 0; x < 40; ++x) n += Pixel(felt, x, a) != Pixel(felt, x, b);
    return n;
  };
  int worstColumn = 0, worstRow = 0;
  for (int i = 0; i + 1 < 40; ++i) {
    worstColumn = std::max(worstColumn, columnChange(i, i + 1));
    worstRow = std::max(worstRow, rowChange(i, i + 1));
  }
  EXPECT_LE(columnChange(39, 0), worstColumn);
  EXPECT_LE(rowChange(39, 0), worstRow);
}

TEST(TablePicture, WoodenRimAroundGreenFeltWithWhiteCorners) {
  QImage table = LoadPicture(128);
  for (QPoint p : {QPoint(0, 0), QPoint(189, 0), QPoint(0, 119), QPoint(189, 119)})
    EXPECT_EQ(Pixel(table, p.x(), p.y()), kWhiteKey);
  // The rim shows where the table colour fill (9, 9)-(180, 111) does not reach; no white there.
  for (int x = 24; x < 166; ++x)
    for (int y : {1, 4, 7, 112, 115, 118}) {
      QRgb c = Pixel(table, x, y);
      EXPECT_NE(c, kWhiteKey);
      EXPECT_GT(qRed(c), qBlue(c)) << "rim at " << x << "," << y;
    }
  QRgb felt = Pixel(table, 95, 60);
  EXPECT_GT(qGreen(felt), qRed(felt) + 40);
}

TEST(ButtonFaces, BluePlainAndGoldLitWithWhiteCorners) {
  QImage plain = LoadPicture(156), lit = LoadPicture(168);
  for (const QImage& b : {plain, lit}) {
    EXPECT_EQ(Pixel(b, 0, 0), kWhiteKey);
    EXPECT_EQ(Pixel(b, 64, 20), kWhiteKey);
    // No hole in the face: white is transparent.
    EXPECT_EQ(CountColour(b, QRect(3, 2, 59, 17), kWhiteKey), 0);
  }
  QRgb blue = Pixel(plain, 32, 10), gold = Pixel(lit, 32, 10);
  EXPECT_GT(qBlue(blue), qRed(blue) + 80);
  EXPECT_GT(qRed(gold), qBlue(gold) + 80);
  EXPECT_GT(qGreen(gold), qBlue(gold) + 40);
}

// The glyph cells in picture order: (character, x, y).
struct Cell {
  char c;
  int x, y;
};
std::vector<Cell> GlyphCells() {
  std::vector<Cell> cells;
  std::string top = "$0123456789:";
  for (int i = 0; i < 12; ++i) cells.push_back({top[i], 7 * i, 0});
  for (int i = 0; i < 26; ++i) {
    cells.push_back({static_cast<char>('A' + i), 7 * i, 11});
    cells.push_back({static_cast<char>('a' + i), 7 * i, 22});
  }
  return cells;
}

TEST(Glyphs, ColouredStrokesOnBlackWithoutAnyWhite) {
  for (int id : {174, 175}) {
    QImage g = LoadPicture(id);
    EXPECT_EQ(CountColour(g, g.rect(), kWhiteKey), 0) << id;
    auto colours = Colours(g, g.rect());
    EXPECT_TRUE(colours.count(0x000000)) << id;
    for (QRgb c : colours) {
      if (c == 0) continue;
      if (id == 174)
        EXPECT_GT(qRed(c), qGreen(c) + 100) << "red glyphs";
      else
        EXPECT_GT(qGreen(c), qRed(c) + 100) << "green glyphs";
    }
  }
}

TEST(Glyphs, EveryCellHoldsItsOwnGlyphAndTheSpaceIsBlank) {
  for (int id : {174, 175}) {
    QImage g = LoadPicture(id);
    auto cells = GlyphCells();
    for (const Cell& c : cells) {
      int lit = 77 - CountColour(g, QRect(c.x, c.y, 7, 11), 0x000000);
      EXPECT_GT(lit, 4) << id << " '" << c.c << "'";
      // A glyph keeps a black border column so that neighbours do not touch.
      EXPECT_EQ(CountColour(g, QRect(c.x, c.y, 1, 11), 0x000000), 11) << id << " '" << c.c << "'";
    }
    for (size_t i = 0; i < cells.size(); ++i)
      for (size_t j = i + 1; j < cells.size(); ++j)
        EXPECT_FALSE(SameBlock(g, QRect(cells[i].x, cells[i].y, 7, 11), g,
                               QRect(cells[j].x, cells[j].y, 7, 11)))
            << id << " '" << cells[i].c << "' and '" << cells[j].c << "'";
    EXPECT_EQ(CountColour(g, QRect(84, 0, 7, 11), 0x000000), 77) << "the space cell";
    // The blank cells after ':' in the top row stay black.
    EXPECT_EQ(CountColour(g, QRect(91, 0, 91, 11), 0x000000), 91 * 11);
  }
}

TEST(About, LinksSitInsideTheirHotSpots) {
  QImage about = LoadPicture(107);
  const QRect spots[] = {QRect(QPoint(65, 187), QPoint(177, 197)),
                         QRect(QPoint(44, 202), QPoint(195, 212)),
                         QRect(QPoint(52, 221), QPoint(188, 228))};
  for (const QRect& r : spots) {
    int blue = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        QRgb c = Pixel(about, x, y);
        blue += qBlue(c) > qRed(c) + 60 && qBlue(c) > 120;
      }
    EXPECT_GT(blue, 40) << "link text in " << r.x() << "," << r.y();
    // Link text stays within its rectangle: the rows just above and below are free of blue ink.
    for (int y : {r.top() - 2, r.bottom() + 2})
      for (int x = r.left(); x <= r.right(); ++x) {
        QRgb c = Pixel(about, x, y);
        EXPECT_FALSE(qBlue(c) > qRed(c) + 60 && qBlue(c) > 120) << x << "," << y;
      }
  }
}

TEST(About, LetterPiecesAreDrawnAndMatchTheFinalPicture) {
  // The pieces slide to (22, 102), (102, 72) and (192, 102); the About picture then replaces
  // them, so it shows the same pieces at those places.
  QImage about = LoadPicture(107);
  struct Piece {
    int id, x, y;
  };
  for (Piece p : {Piece{126, 22, 102}, Piece{106, 102, 72}, Piece{127, 192, 102}}) {
    QImage piece = LoadPicture(p.id);
    EXPECT_GT(piece.width() * piece.height() - CountColour(piece, piece.rect(), 0xFFFFFF),
              piece.width() * piece.height() / 8)
        << p.id;
    int same = 0;
    for (int y = 0; y < piece.height(); ++y)
      for (int x = 0; x < piece.width(); ++x)
        same += Pixel(piece, x, y) == Pixel(about, p.x + x, p.y + y);
    EXPECT_GT(same, piece.width() * piece.height() * 9 / 10) << p.id;
  }
}

}  // namespace
}  // namespace qf::test
