#include "history/local_time.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace qf {

namespace {

// The IANA name: $TZ when it names a zone, else where /etc/localtime points,
// else /etc/timezone; UTC when none tells.
std::string ZoneName() {
  if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0') {
    std::string name = tz[0] == ':' ? tz + 1 : tz;
    const size_t info = name.find("zoneinfo/");
    if (info != std::string::npos) name = name.substr(info + 9);
    if (!name.empty() && name.front() != '/') return name;
  }
  char target[256];
  const ssize_t length = readlink("/etc/localtime", target, sizeof target - 1);
  if (length > 0) {
    const std::string path(target, static_cast<size_t>(length));
    const size_t info = path.find("zoneinfo/");
    if (info != std::string::npos) return path.substr(info + 9);
  }
  std::ifstream file("/etc/timezone");
  std::string name;
  if (std::getline(file, name) && !name.empty()) return name;
  return "UTC";
}

}  // namespace

LocalTime ToLocalTime(int64_t secondsSinceEpoch) {
  const time_t when = static_cast<time_t>(secondsSinceEpoch);
  tm parts{};
  localtime_r(&when, &parts);
  static const std::string zone = ZoneName();
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec, zone};
}

std::string LocalDate(int64_t secondsSinceEpoch) {
  const LocalTime t = ToLocalTime(secondsSinceEpoch);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
  return text;
}

}  // namespace qf
