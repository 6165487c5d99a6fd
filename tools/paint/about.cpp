// About screen, its three sliding letter pieces and the start-up splash.
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "pictures.h"

namespace qf::paint {

namespace {

const QColor kFernGreen(34, 112, 58);
const QColor kDeepGreen(16, 70, 36);
const QColor kGold(214, 164, 40);
const QColor kInkBlue(24, 60, 170);

QImage WhitePicture(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

QFont SerifFont(int pixelSize, bool bold = true) {
  QFont f("DejaVu Serif");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

QFont SansFont(int pixelSize, bool bold = false) {
  QFont f("DejaVu Sans");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

// A big outline letter filled with a vertical gradient, fitted into `box`.
void PaintLetter(QPainter& p, QChar letter, const QRectF& box, const QColor& top,
                 const QColor& bottom) {
  QPainterPath path;
  path.addText(0, 0, SerifFont(200), QString(letter));
  QRectF b = path.boundingRect();
  double s = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(s, s);
  t.translate(-b.center().x(), -b.center().y());
  QPainterPath fitted = t.map(path);
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setRenderHint(QPainter::Antialiasing);
  // Drop shadow, then the letter with a dark outline.
  p.save();
  p.translate(2, 2);
  p.fillPath(fitted, QColor(190, 190, 190));
  p.restore();
  p.fillPath(fitted, g);
  p.setPen(QPen(kDeepGreen.darker(150), 1.6));
  p.drawPath(fitted);
}

// A quill pen feather standing in the w x h box, nib at the bottom.
void PaintQuill(QPainter& p, double w, double h) {
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath vane;
  vane.moveTo(w * 0.78, 2);
  vane.cubicTo(w * 1.02, h * 0.25, w * 0.80, h * 0.60, w * 0.40, h * 0.80);
  vane.lineTo(w * 0.30, h * 0.76);
  vane.cubicTo(w * 0.05, h * 0.55, w * 0.20, h * 0.20, w * 0.78, 2);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, QColor(120, 200, 120));
  g.setColorAt(1, kFernGreen);
  p.fillPath(vane, g);
  p.setPen(QPen(kDeepGreen, 1.2));
  p.drawPath(vane);
  // Barbs.
  p.setPen(QPen(kDeepGreen.lighter(130), 0.9));
  for (int i = 1; i < 9; ++i) {
    double t = i / 10.0;
    double sx = w * (0.76 - 0.42 * t), sy = 4 + h * 0.74 * t;
    p.drawLine(QPointF(sx, sy), QPointF(sx + w * 0.22, sy - h * 0.05));
    p.drawLine(QPointF(sx, sy), QPointF(sx - w * 0.18, sy - h * 0.04));
  }
  // Shaft and nib.
  p.setPen(QPen(QColor(60, 44, 24), 1.6));
  p.drawLine(QPointF(w * 0.78, 3), QPointF(w * 0.22, h * 0.95));
  QPainterPath nib;
  nib.moveTo(w * 0.26, h * 0.86);
  nib.lineTo(w * 0.16, h - 1);
  nib.lineTo(w * 0.34, h * 0.90);
  nib.closeSubpath();
  p.fillPath(nib, QColor(40, 40, 48));
}

void PaintCentredText(QPainter& p, const QRect& r, const QString& text, const QFont& font,
                      const QColor& colour, bool underline) {
  QFont f = font;
  f.setUnderline(underline);
  p.setFont(f);
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter, text);
}

QImage Scaled(const QImage& img, int factor) {
  return img.scaled(img.width() * factor, img.height() * factor, Qt::IgnoreAspectRatio,
                    Qt::FastTransformation);
}

// A card face as it looks on the table: key colour made transparent.
QImage CardWithAlpha(int suit, int rank) {
  QImage face = CardFace(suit, rank).Image().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < face.height(); ++y)
    for (int x = 0; x < face.width(); ++x)
      if ((face.pixel(x, y) & 0xFFFFFF) == (kCardKey.Value() & 0xFFFFFF))
        face.setPixel(x, y, qRgba(0, 0, 0, 0));
  return face;
}

QImage ChipWithAlpha(int index) {
  QImage chip = Chip(index).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < chip.height(); ++y)
    for (int x = 0; x < chip.width(); ++x)
      if ((chip.pixel(x, y) & 0xFFFFFF) == (kChipKey.Value() & 0xFFFFFF))
        chip.setPixel(x, y, qRgba(0, 0, 0, 0));
  return chip;
}

void PaintPieces(QPainter& p) {
  p.drawImage(22, 102, AboutLeftPiece());
  p.drawImage(102, 72, AboutTopPiece());
  p.drawImage(192, 102, AboutRightPiece());
}

}  // namespace

QImage AboutLeftPiece() {
  QImage img = WhitePicture(62, 91);
  QPainter p(&img);
  // The Q keeps clear of the bottom rows, where the About picture has its first link.
  PaintLetter(p, 'Q', QRectF(3, 3, 55, 78), QColor(96, 190, 110), kFernGreen);
  return img;
}

QImage AboutTopPiece() {
  QImage img = WhitePicture(64, 84);
  QPainter p(&img);
  PaintLetter(p, 'F', QRectF(6, 4, 52, 74), QColor(250, 210, 90), QColor(190, 120, 20));
  return img;
}

QImage AboutRightPiece() {
  QImage img = WhitePicture(27, 84);
  QPainter p(&img);
  PaintQuill(p, 27, 84);
  return img;
}

QImage AboutPicture() {
  QImage img = WhitePicture(240, 320);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  PaintPieces(p);
  // Title and version.
  PaintCentredText(p, QRect(0, 6, 240, 40), "Quillfern", SerifFont(34), kDeepGreen, false);
  p.setPen(QPen(kGold, 2));
  p.drawLine(40, 48, 200, 48);
  PaintCentredText(p, QRect(0, 52, 240, 14), "Poker for Texas and Omaha - Version 1.0",
                   SansFont(10), QColor(90, 90, 90), false);
  // The three links, each inside its hot spot.
  PaintCentredText(p, QRect(65, 187, 113, 11), "Contact us", SansFont(11, true), kInkBlue, true);
  PaintCentredText(p, QRect(44, 202, 152, 11), "Trademarks and copyrights", SansFont(10, true),
                   kInkBlue, true);
  PaintCentredText(p, QRect(52, 220, 137, 10), "quillfern.example.org", SansFont(9), kInkBlue,
                   true);
  // Footer.
  PaintCentredText(p, QRect(0, 246, 240, 14), "Copyright (C) The Quillfern authors", SansFont(9),
                   QColor(110, 110, 110), false);
  PaintCentredText(p, QRect(0, 260, 240, 14), "Tap a link above for more.", SansFont(9),
                   QColor(110, 110, 110), false);
  // A row of the four suits.
  for (int s = 0; s < 4; ++s) {
    QImage ace = Scaled(CardWithAlpha(s == 0 ? 0 : s == 1 ? 3 : s == 2 ? 1 : 2, 0), 1);
    p.drawImage(QPoint(58 + s * 32, 282), ace.copy(0, 0, 25, 30));
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(180, 180, 180));
  p.drawRect(0, 0, 239, 319);
  return img;
}

QImage SplashPicture() {
  QImage img(240, 298, QImage::Format_RGB32);
  QPainter p(&img);
  QRadialGradient felt(120, 150, 190);
  felt.setColorAt(0, QColor(36, 140, 70));
  felt.setColorAt(1, QColor(8, 56, 26));
  p.fillRect(img.rect(), felt);
  p.setRenderHint(QPainter::Antialiasing);
  // Title with a shadow.
  QFont title = SerifFont(42);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 150));
  p.drawText(QRect(3, 23, 240, 56), Qt::AlignCenter, "Quillfern");
  p.setPen(QColor(250, 214, 90));
  p.drawText(QRect(0, 20, 240, 56), Qt::AlignCenter, "Quillfern");
  PaintCentredText(p, QRect(0, 76, 240, 16), "Texas and Omaha Poker", SansFont(13, true),
                   QColor(236, 236, 220), false);
  // A royal flush fanned out around a point below the cards, doubled in size.
  const int ranks[5] = {9, 10, 11, 12, 0};
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  for (int i = 0; i < 5; ++i) {
    QImage card = Scaled(CardWithAlpha(3, ranks[i]), 2);
    p.save();
    p.translate(120, 238);
    p.rotate((i - 2) * 13.0);
    p.drawImage(QPoint(-25, -128), card);
    p.restore();
  }
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // Chip stacks at both sides of the fan, tripled.
  const int stackX[4] = {8, 42, 171, 205};
  const int stackH[4] = {5, 3, 4, 6};
  for (int stack = 0; stack < 4; ++stack) {
    QImage chip = Scaled(ChipWithAlpha(stack), 3);
    for (int k = 0; k < stackH[stack]; ++k) p.drawImage(QPoint(stackX[stack], 244 - k * 6), chip);
  }
  PaintCentredText(p, QRect(0, 280, 240, 14), "Tap to begin", SansFont(11), QColor(220, 240, 220),
                   false);
  return img;
}

}  // namespace qf::paint
