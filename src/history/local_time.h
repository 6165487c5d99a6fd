// Wall-clock time of this machine's time zone, for the hand history.
#pragma once

#include <cstdint>
#include <string>

namespace qf {

struct LocalTime {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  std::string zone = "UTC";  // IANA name, as far as the system tells it
};

LocalTime ToLocalTime(int64_t secondsSinceEpoch);

// "YYYY-MM-DD" of the local day.
std::string LocalDate(int64_t secondsSinceEpoch);

}  // namespace qf
