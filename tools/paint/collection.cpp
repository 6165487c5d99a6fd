// The full picture set by id, and the contact sheet that shows it.
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

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
  QFont f("DejaVu Sans");
  f.setPixelSize(12);
  QFontMetrics metrics(f);
  // Every picture, then the felt tiled two by two to show that it has no seam.
  struct Entry {
    QString label;
    QImage image;
  };
  std::vector<Entry> entries;
  for (const auto& [id, img] : pictures)
    entries.push_back({QString("%1  (%2 x %3)").arg(id).arg(img.width()).arg(img.height()), img});
  if (pictures.count(172)) {
    const QImage& felt = pictures.at(172);
    QImage tiled(felt.width() * 2, felt.height() * 2, QImage::Format_RGB32);
    QPainter tp(&tiled);
    for (int i = 0; i < 4; ++i) tp.drawImage((i % 2) * felt.width(), (i / 2) * felt.height(), felt);
    tp.end();
    entries.push_back({"172 tiled 2 x 2", tiled});
  }
  // Lay the entries out in rows, left to right.
  struct Place {
    size_t entry;
    int x, y;
  };
  std::vector<Place> places;
  int x = margin, y = margin, rowH = 0;
  for (size_t i = 0; i < entries.size(); ++i) {
    const QImage& img = entries[i].image;
    int w = std::max(img.width() * zoom, metrics.horizontalAdvance(entries[i].label));
    int h = img.height() * zoom + labelH;
    if (x + w + margin > sheetW && x > margin) {
      x = margin;
      y += rowH + margin;
      rowH = 0;
    }
    places.push_back({i, x, y});
    x += w + margin;
    rowH = std::max(rowH, h);
  }
  QImage sheet(sheetW, y + rowH + margin, QImage::Format_RGB32);
  sheet.fill(QColor(64, 64, 72));
  QPainter p(&sheet);
  p.setFont(f);
  p.setPen(QColor(235, 235, 235));
  for (const Place& pl : places) {
    const Entry& e = entries[pl.entry];
    p.drawText(pl.x, pl.y + 12, e.label);
    p.drawImage(QPoint(pl.x, pl.y + labelH),
                e.image.scaled(e.image.width() * zoom, e.image.height() * zoom,
                               Qt::IgnoreAspectRatio, Qt::FastTransformation));
  }
  return sheet;
}

}  // namespace qf::paint
