// The full picture set by id, and the contact sheet that shows it.
#include <QFont>
#include <QPainter>

#include "pictures.h"

namespace qf::paint {

std::map<int, QImage> AllPictures() {
  std::map<int, QImage> p;
  p[106] = AboutTopPiece();
  p[107] = AboutPicture();
  p[108] = SpeechBubble("Ante");
  p[110] = SpeechBubble("Bet");
  p[111] = SpeechBubble("Call");
  p[112] = Chip(0);
  p[113] = Chip(1);
  p[114] = Chip(2);
  p[115] = Chip(3);
  p[116] = Tile("FOLD");
  p[117] = Silhouette();
  p[118] = SpeechBubble("I Win");
  p[119] = Tile("OUT");
  for (int s = 0; s < 6; ++s) p[120 + s] = PortraitStrip(s);
  p[126] = AboutLeftPiece();
  p[127] = AboutRightPiece();
  p[128] = TablePicture();
  p[142] = PortraitStrip(9);
  for (int s = 6; s < 9; ++s) p[143 + s - 6] = PortraitStrip(s);
  p[147] = DealerMarker();
  p[148] = SpeechBubble("Collect");
  p[149] = SpeechBubble("Raise");
  p[150] = SpeechBubble("Check");
  p[152] = CardSheet();
  p[156] = ButtonFace(false);
  p[168] = ButtonFace(true);
  p[169] = TurnStar();
  p[170] = SplashPicture();
  p[172] = Felt();
  p[173] = SmallCardPicture();
  p[174] = GlyphPicture({236, 44, 44});
  p[175] = GlyphPicture({60, 224, 80});
  return p;
}

QImage ContactSheet(const std::map<int, QImage>& pictures) {
  const int zoom = 3, margin = 14, labelH = 16, sheetW = 1500;
  // Lay the pictures out in rows, left to right.
  struct Place {
    int id, x, y;
  };
  std::vector<Place> places;
  int x = margin, y = margin, rowH = 0;
  for (const auto& [id, img] : pictures) {
    int w = img.width() * zoom, h = img.height() * zoom + labelH;
    if (x + w + margin > sheetW && x > margin) {
      x = margin;
      y += rowH + margin;
      rowH = 0;
    }
    places.push_back({id, x, y});
    x += w + margin;
    rowH = std::max(rowH, h);
  }
  QImage sheet(sheetW, y + rowH + margin, QImage::Format_RGB32);
  sheet.fill(QColor(64, 64, 72));
  QPainter p(&sheet);
  QFont f("DejaVu Sans");
  f.setPixelSize(12);
  p.setFont(f);
  p.setPen(QColor(235, 235, 235));
  for (const Place& pl : places) {
    const QImage& img = pictures.at(pl.id);
    p.drawText(pl.x, pl.y + 12,
               QString("%1  (%2 x %3)").arg(pl.id).arg(img.width()).arg(img.height()));
    p.drawImage(QPoint(pl.x, pl.y + labelH),
                img.scaled(img.width() * zoom, img.height() * zoom, Qt::IgnoreAspectRatio,
                           Qt::FastTransformation));
  }
  return sheet;
}

}  // namespace qf::paint
