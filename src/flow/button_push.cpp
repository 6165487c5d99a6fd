#include "flow/button_push.h"

namespace qf {

void AnimateButtonPush(const TableRecord& table, TableUi& ui, int button) {
  PlayGameSound(table, ui, GameSound::Click);
  ui.AnimateButtonPush(button);
}

}  // namespace qf
