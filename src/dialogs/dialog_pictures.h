// Pictures the dialogs draw, from the compiled-in resources.
#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>

class QPainter;

namespace qf {

inline constexpr int kHumanSilhouettePicture = 117;
inline constexpr QRgb kPortraitKeyColor = 0xFF33FF00;  // #33FF00

// ":/pictures/<id>.png" as it is (a null image if it is missing).
QImage LoadPicture(int id);

// The same with every pixel of the key colour made transparent.
QImage LoadKeyedPicture(int id, QRgb key);

// The 20 x 20 picture shown for a seat: the human silhouette for the two
// human kinds, else the calm face (first frame) of the seat's portrait strip.
int SeatPictureId(int seat, uint32_t kind);
QImage SeatPicture(int seat, uint32_t kind);

// Draws an image at (x, y) in picture pixels, everything scaled by a whole
// factor with nearest-neighbour sampling.
void DrawScaled(QPainter& painter, int x, int y, const QImage& image, int zoom);

}  // namespace qf
