// Shared set-up of the view tests: a view with a test TableUi around it,
// tables built in code or played with the engine, pixel checks against the
// stored pictures, and golden images of what is drawn.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "engine/rng.h"
#include "engine/table_record.h"
#include "engine/turn.h"
#include "flow/null_table_ui.h"
#include "flow/session.h"
#include "view/drawing_table_ui.h"
#include "view/table_view.h"

namespace qf::test {

// The sound and dialog half of the table UI answered by stubs.
template <class Base>
class WithStubDialogs : public Base {
 public:
  using Base::Base;
  void PlaySound(GameSound) override {}
  void RunNewTableDialog(TableRecord&) override {}
  int AskConfirmation(const std::string&, const std::vector<std::string>&) override { return 1; }
  void OpenPlayerSettings(TableRecord&) override {}
  void ShowBetPopup(const BetPopupState&) override {}
  void CloseBetPopup() override {}
};

using TestUi = WithStubDialogs<DrawingTableUi>;

// A table of the given size and variant: seat 0 of kind seat0Kind, the other
// seats of the layout computers, chips bought in, nobody dealt in yet.
void SetUpTable(TableRecord& table, bool sixSeats, bool omaha, uint32_t seat0Kind);

// A hand dealt by hand from the ordered deck (seat s holds codes 4s + 1 ...,
// the board follows from deck byte 41 + holeCards): every seat of the layout
// in the hand with cardsSeen cards, nothing bet yet.
void DealOrderedDeck(TableRecord& table, int cardsSeen);

// True when the w x h block at (sx, sy) of picture id stands at (x, y) of the
// buffer: every pixel that is not the key colour is equal (w, h -1: all of it).
bool ShowsPicture(const QImage& buffer, int id, int x, int y, int sx = 0, int sy = 0, int w = -1,
                  int h = -1);

// Compares image with golden/<name>.png; QF_REGENERATE_GOLDEN=1 writes it anew.
void ExpectGolden(const std::string& name, const QImage& image);

// A view, its test UI, a session and a ten-seat Texas table; pauses are
// recorded, not slept, and presentations counted.
struct ViewTest : ::testing::Test {
  ViewTest();

  const QImage& Buffer() const { return view.BackBuffer(); }
  QImage TableArea() const { return Buffer().copy(0, 0, kTableWidth, kTableRect.bottom); }
  Rect SeatRectOf(int seat) const { return qf::SeatRectOf(table.smallTable, kTableRect, seat); }
  // Plays with the engine and the game flow until stop says so: computer
  // seats act on ticks, human seats press the left button.
  Turn PlayUntil(const std::function<bool(const Turn&, const TableRecord&)>& stop);

  SessionState session;
  TableView view{session};
  TestUi ui{view};
  TableRecord table{};
  Rng rng{20240611};
  std::vector<int> pauses;
  int presentations = 0;
};

}  // namespace qf::test
