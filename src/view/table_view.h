// The table view: draws the table record into the back buffer exactly where
// the table's layout places everything, and runs the two table animations.
// Every drawing goes to the back buffer; the presenter shows it.
#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/table_record.h"
#include "engine/turn.h"
#include "flow/session.h"
#include "flow/table_geometry.h"
#include "view/canvas.h"
#include "view/centre_options.h"
#include "view/pictures.h"

namespace qf {

// Colour codes of the glyph labels: kLabelRed selects the red glyphs, any
// other value the green ones.
inline constexpr int kLabelRed = 255;
inline constexpr int kLabelGreen = 0;

class TableView {
 public:
  explicit TableView(SessionState& session);

  // 480 x 269; the left 240 columns are shown, the right half is scratch.
  const QImage& BackBuffer() const { return canvas_.Image(); }

  // Shows the back buffer now (the animations call it between frames).
  void SetPresenter(std::function<void()> present);
  // How the animations wait; the default sleeps the calling thread.
  void SetPauseFunction(std::function<void(int ms)> pause);

  // Picture primitives.
  void DrawPicture(int id, int x, int y);
  void DrawPicturePart(int id, int x, int y, int sourceX, int sourceY, int width, int height);
  void FillFelt(const Rect& area);

  // Layout rectangles for the table's current layout.
  static Rect CentreRect(const TableRecord& table);
  static Rect BoardRect(const TableRecord& table);
  // Where the five cards of a full board stand.
  static Rect BoardCardsRect(const TableRecord& table);
  // Where a seat's bet stack stands in the pot grid (the cell shrunk by two
  // pixels, reaching 15 pixels up and stopping 8 short of its bottom).
  static Rect PotStackRect(const TableRecord& table, int seat);

  // The whole table area. Asks the engine for the turn first.
  void DrawFullTable(TableRecord& table, bool withBoardDeal);

  void DrawCard(int code, int x, int y);
  void DrawChipStack(const Rect& area, uint32_t amount, bool strict);
  void DrawPortrait(int seat, int x, int y, int frame);
  // One seat inside rect (its SeatRect); nothing is erased first.
  void DrawSeat(TableRecord& table, int seat, bool showdown, const Rect& rect);
  // Felt over the seat's rectangle, then the seat: what a single-seat redraw
  // during play needs, so nothing of the seat's previous picture remains.
  void RedrawSeat(TableRecord& table, int seat);
  void DrawTableImage(const TableRecord& table);
  void DrawCentre(TableRecord& table, const Rect& rect, const CentreOptions& options);
  void DrawPotArea(TableRecord& table, const Rect& rect);

  // Labels drawn with glyph pictures; characters without a glyph are skipped.
  void DrawGlyphText(std::string_view text, int x, int y, int colourCode);
  void DrawSeatLabels(const TableRecord& table, int seat, bool showdown, const Rect& rect);

  // Action buttons 1..3.
  void DrawButton(int button, const std::string& label, bool lit);
  void EraseButton(int button);

  // Animations; both present their frames through the presenter.
  void AnimateButtonPush(const Rect& hit);
  void AnimateBoardDeal(TableRecord& table, int seat, bool allNew);

 private:
  void Present();
  void Pause(int ms);
  void DrawSeatWithTurn(TableRecord& table, int seat, bool showdown, const Rect& rect,
                        const Turn& turn);
  void DrawCentreWithTurn(TableRecord& table, const Rect& rect, const CentreOptions& options,
                          const Turn& turn);
  void DrawPotAreaWithTurn(TableRecord& table, const Rect& rect, const Turn& turn);
  void DrawHoleCards(const TableRecord& table, int seat, bool showdown, const Rect& rect,
                     const Turn& turn);
  void DrawBoard(const TableRecord& table, const Rect& rect, const CentreOptions& options);
  void DrawSpeechBubble(const TableRecord& table, int seat, const Rect& rect);

  SessionState& session_;
  Canvas canvas_;
  PictureCache pictures_;
  std::function<void()> present_;
  std::function<void(int)> pause_;
};

}  // namespace qf
