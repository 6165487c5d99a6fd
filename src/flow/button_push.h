// The push of an action button after its release: the click, then the
// button's 2-pixel jump.
#pragma once

#include "engine/table_record.h"
#include "flow/table_ui.h"

namespace qf {

void AnimateButtonPush(const TableRecord& table, TableUi& ui, int button);

}  // namespace qf
