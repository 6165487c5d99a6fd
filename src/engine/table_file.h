// Loading and saving the table record as its 1056-byte file image.
#pragma once

#include <string>

#include "engine/table_record.h"

namespace qf {

enum class LoadStatus {
  Loaded,    // the file was valid and is now in the record
  Missing,   // no file (or it could not be opened): use the first-run table
  Rejected,  // the file was invalid; it was moved aside, the record is untouched
};

struct LoadResult {
  LoadStatus status = LoadStatus::Missing;
  std::string reason;     // why a file was rejected
  std::string movedTo;    // where a rejected file now is ("" if it could not be moved)
};

// Empty when the image is a table the game can play from; otherwise a short
// reason naming the first bad field.
std::string ValidateTableImage(const TableRecord& table);

// Reads path into table when it holds exactly a valid image. A bad file is
// renamed aside (path + ".rejected", or ".rejected-N" when that exists; it is
// never deleted) and one line on standard error says why; the record is then
// left as it was.
LoadResult LoadTable(const std::string& path, TableRecord& table);

// Writes the image atomically: a temporary file in the same folder, flushed to
// disk, renamed over path. On failure the old file is left intact and false
// is returned.
bool SaveTable(const std::string& path, const TableRecord& table);

}  // namespace qf
