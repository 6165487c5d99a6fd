// Storing a typed name into a seat's 8-bit name field.
#pragma once

#include <QString>

#include "engine/table_record.h"

namespace qf {

inline constexpr int kLongestTypedName = 6;

// Stores a name of 1 to 6 characters (clearing the whole field first) and
// returns true; an empty name or one of 7 or more characters leaves the old
// name and returns false. Characters outside Latin-1 are stored as '?', and
// a NUL typed into the box is stored as a blank so the name is not cut short.
bool StoreSeatName(PlayerRecord& seat, const QString& typed);

}  // namespace qf
