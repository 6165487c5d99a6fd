#include "dialogs/table_figures.h"

#include <algorithm>

#include "flow/seat_counts.h"

namespace qf {

TableFigures ComputeTableFigures(const TableRecord& table) {
  TableFigures figures;
  for (const PlayerRecord& seat : table.players) {
    figures.totalHands = std::max<int>(figures.totalHands, seat.handsPlayed);
    figures.totalRake += seat.rakePaid;
    if (IsInPlay(seat)) figures.cashAtTable += uint64_t{seat.chips} + seat.inPot;
  }
  const SeatCounts counts = CountSeatKinds(table);
  figures.skillBalance = counts.skillBalance;
  figures.playerCount = counts.playerCount;
  return figures;
}

}  // namespace qf
