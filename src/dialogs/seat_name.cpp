#include "dialogs/seat_name.h"

#include <QList>
#include <cstring>

namespace qf {

bool StoreSeatName(PlayerRecord& seat, const QString& typed) {
  const auto characters = typed.toUcs4();
  if (characters.isEmpty() || characters.size() > kLongestTypedName) return false;
  std::memset(seat.name, 0, sizeof seat.name);
  for (qsizetype i = 0; i < characters.size(); ++i) {
    const auto c = static_cast<char32_t>(characters[i]);
    char stored = '?';
    if (c == 0) {
      stored = ' ';
    } else if (c <= 0xFF) {
      stored = static_cast<char>(static_cast<unsigned char>(c));
    }
    seat.name[i] = stored;
  }
  return true;
}

}  // namespace qf
