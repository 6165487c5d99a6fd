// The deck and the dealing: hole cards of seat s are deck bytes 4s..4s+holeCards-1,
// board card j is deck byte 41 + holeCards + j. Dealing never moves cards; it
// only raises each seat's cardsSeen.
#pragma once

#include <cstdint>

#include "engine/rng.h"
#include "engine/table_record.h"

namespace qf {

// Starts a hand: every seat's cardsSeen, status and lastAction to 0, then the
// ordered deck shuffled by 2000 swaps of two draws each.
void NewHand(TableRecord& table, Rng& rng);

// One more card for the seat (every seat, in play or not).
void DealCard(TableRecord& table, int seat);

// The seat's visible cards in evaluation order (hole cards, then the board
// dealt so far): writes cardsSeen codes into out and returns that count.
int SeatCards(const TableRecord& table, int seat, uint8_t out[kMaxCards]);

// As SeatCards but for an assumed number of cards (used to value a seat as if
// the whole board were out).
int SeatCardsUpTo(const TableRecord& table, int seat, int count, uint8_t out[kMaxCards]);

// EvaluateBest of the seat's visible cards.
uint32_t SeatHandValue(const TableRecord& table, int seat);

// Moves the dealer button to the next seat in play with chips; raises the
// progressive level when the button passes seat 0.
void AdvanceButton(TableRecord& table);

}  // namespace qf
