#include "flow/session.h"

namespace qf {

void InitSeatRects(const TableRecord& table, SessionState& session) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    SeatRect(table.smallTable, kTableRect, session.seatRects[seat], seat);
  }
}

}  // namespace qf
