// Where each label character sits in the glyph pictures: three rows of
// 7 x 11 cells ("$", digits, ":" and a blank; capitals; small letters).
#pragma once

namespace qf {

inline constexpr int kGlyphWidth = 7;
inline constexpr int kGlyphHeight = 11;

struct GlyphCell {
  int x = 0;
  int y = 0;
};

// The cell of character c; false for a character the glyphs do not have.
bool FindGlyphCell(char c, GlyphCell& cell);

}  // namespace qf
