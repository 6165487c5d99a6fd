// The hand driver: one step of the game per tick, and the actions the tick
// and the player's input share.
#pragma once

#include <cstdint>

#include "engine/rng.h"
#include "engine/table_record.h"
#include "flow/session.h"
#include "flow/table_ui.h"

namespace qf {

// One step: a new hand, one forced bet, one computer action, one street dealt,
// or the settlement of a finished hand; then the button bar is rebuilt.
void TickGame(TableRecord& table, SessionState& session, Rng& rng, TableUi& ui);

void PostForcedBet(TableRecord& table, TableUi& ui, int seat);
void PlayChips(TableRecord& table, TableUi& ui, int seat, uint32_t callAmount, uint32_t raiseAmount);
void PlayFold(TableRecord& table, TableUi& ui, int seat);
void DealStep(TableRecord& table, SessionState& session, TableUi& ui);

// Resets the table for play (fresh buy-ins, button on a seat in play). With
// showDialog the New Table dialog runs first; returns false when it was
// cancelled, in which case every byte of the record is as before.
bool StartNewTable(TableRecord& table, TableUi& ui, bool showDialog);

// The New Table dialog from a command, a finished tournament or a table that
// cannot play: offers the standard line-up when no seat is set up to play,
// and once a table is set up, the request for one is met.
bool AskForNewTable(TableRecord& table, SessionState& session, TableUi& ui);

// Writes the standard line-up for the table's smallTable into every seat's tableKind.
void WriteDefaultLineUp(TableRecord& table);

}  // namespace qf
