// How the centre of the table is drawn: normally everything; the board deal
// sequence leaves out the pot or the board and slides new board cards in.
#pragma once

#include <array>

namespace qf {

struct CentreOptions {
  bool skipPot = false;
  bool skipBoard = false;
  // Horizontal offsets of the hidden board cards while they slide in from the
  // right: firstCardOffset moves a hidden first flop card, otherCardsOffset
  // every other hidden card. A hidden card with offset 0 lies in its place.
  int otherCardsOffset = 0;
  int firstCardOffset = 0;
  std::array<bool, 5> hideBoardCard{};
};

}  // namespace qf
