#include "flow/table_ui.h"

namespace qf {

void PlayGameSound(const TableRecord& table, TableUi& ui, GameSound sound) {
  if (table.soundEnabled == 0) return;
  const int id = static_cast<int>(sound);
  if (id < 0 || id > static_cast<int>(GameSound::Splash)) return;
  ui.PlaySound(sound);
}

}  // namespace qf
