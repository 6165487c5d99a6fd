// Painters for every picture of the game. Each returns the finished picture with its key colour.
#pragma once

#include <QImage>
#include <map>
#include <string_view>

#include "canvas.h"

namespace qf::paint {

// Cards.
QImage CardSheet();                   // 152: 13 x 4 faces of 25 x 40
QImage SmallCardPicture();            // 173
Canvas CardFace(int suit, int rank);  // one 25 x 40 face, #00FF00 outside its corners

// Seats.
QImage PortraitStrip(int character);  // 140 x 20, seven frames; character 0..9
QImage Silhouette();                  // 117
QImage Chip(int denominationIndex);   // 0: 5 red-brown, 1: 25 blue, 2: 1 white, 3: 100 green
QImage SpeechBubble(std::string_view word);
QImage Tile(std::string_view word);  // FOLD / OUT
QImage DealerMarker();               // 147
QImage TurnStar();                   // 169

// Table and buttons.
QImage Felt();                // 172
QImage TablePicture();        // 128
QImage ButtonFace(bool lit);  // 156 plain blue, 168 lit gold

// Labels.
QImage GlyphPicture(Rgb ink);  // 174 red, 175 green

// About, splash, icon.
QImage AboutLeftPiece();   // 126
QImage AboutTopPiece();    // 106
QImage AboutRightPiece();  // 127
QImage AboutPicture();     // 107
QImage SplashPicture();    // 170
QImage AppIcon(int size);  // size x size, with alpha; one of kAppIconSizes
inline constexpr int kAppIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Every picture of the game by id.
std::map<int, QImage> AllPictures();

// One sheet showing every picture at three times its size, with its id.
QImage ContactSheet(const std::map<int, QImage>& pictures);

}  // namespace qf::paint
