// Where the table is kept between runs, and the table used when there is none.
#pragma once

#include <QString>

#include "engine/rng.h"
#include "engine/table_file.h"
#include "engine/table_record.h"
#include "flow/table_ui.h"

namespace qf {

// $XDG_DATA_HOME/quillfern/Quillfern.dat, or ~/.local/share/quillfern/Quillfern.dat
// when XDG_DATA_HOME is unset or not an absolute path.
QString DefaultDataFilePath();

// The first-run table: defaults with the account's name on seat 0, a shuffled
// deck, fresh buy-ins and the "-Empty-" label.
void ResetToDefaultTable(TableRecord& table, Rng& rng, TableUi& ui);

// Reads the saved table; when it is missing or rejected (a rejected file is
// kept aside by the loader) the first-run table is built instead.
LoadStatus LoadOrResetTable(const QString& path, TableRecord& table, Rng& rng, TableUi& ui);

// Writes the table atomically, creating the folder first. False on failure,
// after one line on standard error; the previous file is then left intact.
bool SaveTableFile(const QString& path, const TableRecord& table);

}  // namespace qf
