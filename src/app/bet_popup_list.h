// The list of bet amounts shown over the table while the player picks a bet or
// raise. It only reports what the player did; the game decides what follows.
#pragma once

#include <QListWidget>
#include <functional>

#include "flow/session.h"

namespace qf {

struct BetPopupHandlers {
  std::function<void(int row)> commit;           // double click or Return; row -1: none selected
  std::function<void(int focusButton)> dismiss;  // Left (1) or Right (3)
};

class BetPopupList : public QListWidget {
  Q_OBJECT
 public:
  BetPopupList(const BetPopupState& popup, int zoom, BetPopupHandlers handlers, QWidget* parent);

  // Places the list at its place above the button bar for a zoom factor.
  void PlaceForZoom(int zoom);
  // The selected row, -1 when none is selected.
  int SelectedRow() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void MoveSelection(int step);

  int rows_ = 0;
  BetPopupHandlers handlers_;
};

}  // namespace qf
