// Defaults of a new table record and the name of seat 0.
#pragma once

#include <string>
#include <string_view>

#include "engine/table_record.h"

namespace qf {

// Clears the whole record and writes the defaults: every seat Inactive with
// 200 chips and a balance of -200, seat 0 named after ownerName (see
// SeatZeroName), seats 1..9 "Zena", "Oswin", ... "Eli".
void SetTableDefaults(TableRecord& table, std::string_view ownerName);

// The account's full name: the first comma-separated field of the passwd
// comment of the current user; "You" when there is none or it is empty.
std::string OwnerName();

// The GECOS rule on its own, for tests: first comma-separated field, "You" if empty.
std::string OwnerNameFromGecos(const char* gecos);

// Seat 0's default name from an owner name: at most 7 characters, then cut at
// the first blank at index 2 or later (a blank in the first two is kept).
std::string SeatZeroName(std::string_view owner);

// Copies text into a NUL-terminated fixed field, cutting it to fit.
void CopyName(char (&field)[kNameSize], std::string_view text);

}  // namespace qf
