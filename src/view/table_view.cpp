#include "view/table_view.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

#include "view/seat_facts.h"

namespace qf {

TableView::TableView(SessionState& session)
    : session_(session),
      present_([] {}),
      pause_([](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }) {}

void TableView::SetPresenter(std::function<void()> present) {
  present_ = present ? std::move(present) : [] {};
}

void TableView::SetPauseFunction(std::function<void(int ms)> pause) {
  pause_ = pause ? std::move(pause) : [](int) {};
}

void TableView::Present() {
  present_();
}

void TableView::Pause(int ms) {
  pause_(ms);
}

void TableView::DrawPicture(int id, int x, int y) {
  canvas_.Blit(pictures_.Get(id), x, y);
}

void TableView::DrawPicturePart(int id, int x, int y, int sourceX, int sourceY, int width,
                                int height) {
  canvas_.Blit(pictures_.Get(id), x, y, sourceX, sourceY, width, height);
}

void TableView::FillFelt(const Rect& area) {
  canvas_.FillTiled(area, pictures_.Get(picture::kFelt));
}

Rect TableView::CentreRect(const TableRecord& table) {
  return SeatRectOf(table.smallTable, kTableRect, -1);
}

Rect TableView::BoardRect(const TableRecord& table) {
  return SeatRectOf(table.smallTable, CentreRect(table), -1);
}

Rect TableView::PotStackRect(const TableRecord& table, int seat) {
  const Rect cell = SeatRectOf(table.smallTable, CentreRect(table), seat);
  return {cell.left + 2, cell.top + 2 - 15, cell.right - 2, cell.bottom - 2 - 8};
}

void TableView::DrawFullTable(TableRecord& table, bool withBoardDeal) {
  const Turn turn = NextTurn(table);
  const bool handOver = turn.code == TurnShowdown || turn.code == TurnLastStanding;
  const bool showdown =
      turn.code == TurnShowdown || (turn.code == TurnLastStanding && table.alwaysShowWinner != 0);

  // "Always deal out hand": the board is drawn from seat 0's count, so seat 0
  // sees the whole board for the length of this repaint.
  PlayerRecord& seatZero = table.players[0];
  const uint8_t seatZeroCards = seatZero.cardsSeen;
  if (handOver && table.alwaysDealOut != 0) {
    seatZero.cardsSeen = std::max<uint8_t>(seatZeroCards, table.holeCards + 5);
  }

  FillFelt(kTableRect);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    DrawSeatWithTurn(table, seat, showdown, SeatRectOf(table.smallTable, kTableRect, seat), turn);
  }
  CentreOptions options;
  options.skipBoard = withBoardDeal;
  DrawCentreWithTurn(table, CentreRect(table), options, turn);

  seatZero.cardsSeen = seatZeroCards;

  if (withBoardDeal) AnimateBoardDeal(table, -1, true);
}

void TableView::RedrawSeat(TableRecord& table, int seat) {
  if (!SeatInLayout(table, seat)) return;
  const Rect rect = SeatRectOf(table.smallTable, kTableRect, seat);
  FillFelt(rect);
  DrawSeat(table, seat, false, rect);
}

}  // namespace qf
