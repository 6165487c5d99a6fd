// Suit symbols: hand-drawn small ones and smooth large ones sampled from their outlines.
#pragma once

#include <string_view>
#include <vector>

#include "canvas.h"

namespace qf::paint {

// Suits in card order: 0 spades, 1 clubs, 2 diamonds, 3 hearts.
const std::vector<std::string_view>& SmallSuit(int suit);  // 5 x 6
bool SuitIsRed(int suit);
Rgb SuitInk(int suit);
// Fills the suit shape scaled into the w x h box at (x, y).
void DrawLargeSuit(Canvas& c, int suit, int x, int y, int w, int h, Rgb ink);

}  // namespace qf::paint
