// Hand-drawn pixel fonts: '#' marks a lit pixel, anything else is left alone.
#pragma once

#include <map>
#include <string_view>
#include <vector>

#include "canvas.h"

namespace qf::paint {

struct PixelFont {
  std::map<char, std::vector<std::string_view>> glyphs;
  int spacing = 1;     // blank columns between glyphs
  int spaceWidth = 3;  // width of ' '
};

// 5 x 10 letters for the 7 x 11 label cells: capitals and digits on rows 0..7, small letters
// with an x-height of six rows and descenders on rows 8..9.
const PixelFont& LabelFont();
// Proportional letters seven rows high for speech bubbles and small captions.
const PixelFont& BubbleFont();
// Card ranks, seven rows high, at most six columns ("10").
const PixelFont& IndexFont();
// 3 x 5 capitals for the small tiles.
const PixelFont& TinyFont();

int TextWidth(const PixelFont& font, std::string_view text);
// Draws text with its top-left corner at (x, y); returns the x after the last glyph.
int DrawText(Canvas& canvas, const PixelFont& font, int x, int y, std::string_view text, Rgb ink);

}  // namespace qf::paint
