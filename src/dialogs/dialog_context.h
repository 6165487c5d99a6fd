// What every dialog is given: the one table, the session state, the random
// source (for the computer kinds) and the app's services.
#pragma once

#include <functional>

#include <QString>

#include "engine/rng.h"
#include "engine/table_record.h"
#include "flow/session.h"

namespace qf {

struct DialogContext {
  TableRecord& table;
  SessionState& session;
  Rng& rng;
  // Opens the help document at an anchor ("" for the top).
  std::function<void(const QString& anchor)> openHelp;
  // Plays one of the game's sounds (honours soundEnabled); may be empty.
  std::function<void(int sound)> playSound;
  // Zoom factor of the table, so dialogs can be about the table's width.
  int zoom = 2;
};

}  // namespace qf
