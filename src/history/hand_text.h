// A recorded hand in words, as the history window lists its steps:
// "Zena raises to $8", "Board: 7h 8h 9c", "Ivy wins $42 with a Straight".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/table_record.h"
#include "history/hand_record.h"

namespace qf {

// "Zena posts the small blind of $1", "... the big blind of $2", "Zena antes $2".
std::string ForcedBetText(const HandRecord& hand, int player, uint32_t posted, int blindIndex);

// A player's action or a deal; moved is the chips the action put in, allIn
// whether the player has none left.
std::string ActionText(const HandRecord& hand, const HandAction& action, uint32_t moved,
                       bool allIn = false);

// "Board: 7h 8h 9c".
std::string BoardText(const std::vector<uint8_t>& board);

// After the payout: who won what and with which hand, then the rake.
std::vector<std::string> PayoutTexts(const HandRecord& hand, const TableRecord& paid);

// "a Straight", "Two Pair", ...: the category of a hand value in words.
std::string HandNameInWords(uint32_t value);

// "As Kd" for a player's hole cards.
std::string CardList(const uint8_t* cards, int count);

// The player the history window calls "you": the seat-0 player when it is in
// the hand, else the human player in the lowest seat; -1 when there is none.
int YouIn(const HandRecord& hand);

// The board cards in the order they were dealt.
std::vector<uint8_t> BoardOf(const HandRecord& hand);

// Everything the pots paid out, and the rake.
uint64_t PotOf(const HandRecord& hand);

}  // namespace qf
