// Card codes and their texts. A card code is 1..52 = suit * 13 + rank + 1,
// rank 0 Ace .. 12 King, suit 0 spades, 1 clubs, 2 diamonds, 3 hearts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qf {

inline constexpr int CardRank(int code) { return (code - 1) % 13; }
inline constexpr int CardSuit(int code) { return (code - 1) / 13; }
inline constexpr int MakeCard(int rank, int suit) { return suit * 13 + rank + 1; }

// "As", "Td", "7h": rank A 2..9 T J Q K then suit s c d h (either case).
// Returns the code, or 0 when the text is not a card.
int ParseCard(std::string_view text);

// The two-letter text of a code 1..52; "X" for anything else.
std::string CardText(int code);

}  // namespace qf
