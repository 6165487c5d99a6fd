#include "dialogs/dialog_texts.h"

#include <cstring>

namespace qf {

namespace {

long long Wide(uint32_t value) {
  return static_cast<long long>(value);
}

}  // namespace

QString BettingButtonText(uint8_t betStructure, uint32_t baseBet) {
  const long long b = Wide(baseBet);
  switch (betStructure) {
    case StructureFixed:
      return QString::asprintf("Betting: $%lld/$%lld", b, 2 * b);
    case StructureFixedThreeTier:
      return QString::asprintf("Betting: $%lld/$%lld/$%lld", b, 2 * b, 4 * b);
    case StructureSpread:
      return QString::asprintf("Betting: $%lld-$%lld", b, 2 * b);
    case StructureSpreadRising:
      return QString::asprintf("Betting: $%lld-%lld-%lld", b, 2 * b, 4 * b);
    case StructureSpreadWide:
      return QString::asprintf("Betting: $%lld-%lld-%lld-%lld", b, 2 * b, 4 * b, 8 * b);
    case StructurePotLimit:
      return QString::asprintf("Betting: Pot Limit $%lld", b);
    case StructureNoLimit:
      return QString::asprintf("Betting: No Limit $%lld", b);
    default:
      return QStringLiteral("Betting: Custom...");
  }
}

QString StructureLabel(int index, uint32_t baseBet) {
  const long long b = Wide(baseBet);
  switch (index) {
    case StructureFixed:
      return QString::asprintf("$%lld/$%lld", b, 2 * b);
    case StructureFixedThreeTier:
      return QString::asprintf("$%lld/$%lld/$%lld", b, 2 * b, 4 * b);
    case StructureSpread:
      return QString::asprintf("$%lld-$%lld", b, 2 * b);
    case StructureSpreadRising:
      return QString::asprintf("$%lld-%lld-%lld", b, 2 * b, 4 * b);
    case StructureSpreadWide:
      return QString::asprintf("$%lld-%lld-%lld-%lld", b, 2 * b, 4 * b, 8 * b);
    case StructurePotLimit:
      return QString::asprintf("Pot Limit $%lld", b);
    case StructureNoLimit:
      return QString::asprintf("No Limit $%lld", b);
    default:
      return QStringLiteral("Custom...");
  }
}

QString CustomBetRowText(int row, uint32_t value) {
  static constexpr const char* kFormats[] = {
      "Ante or Big Blind: $%lld", "Pre Flop Max: $%lld", "Pre Flop Min: $%lld",
      "Flop Max: $%lld",          "Flop Min: $%lld",     "Turn Max: $%lld",
      "Turn Min: $%lld",          "River Max: $%lld",    "River Min: $%lld",
  };
  if (row < 0 || row > 8) return {};
  return QString::asprintf(kFormats[row], Wide(value));
}

QString SeatStatText(const PlayerRecord& seat, int index) {
  switch (index) {
    case 0:
      return QString::asprintf("Chips: $%lld", Wide(seat.chips));
    case 1: {
      const long long balance = seat.balance;
      return balance >= 0 ? QString::asprintf("Profit: $%lld", balance)
                          : QString::asprintf("Debt: $%lld", -balance);
    }
    case 2:
      return QString::asprintf("Raises: %d", int{seat.raises});
    case 3:
      return QString::asprintf("Calls: %d", int{seat.calls});
    case 4:
      return QString::asprintf("Folds: %d", int{seat.folds});
    case 5:
      return QString::asprintf("Checks: %d", int{seat.checks});
    case 6:
      return QString::asprintf("Hands Played: %d", int{seat.handsPlayed});
    case 7:
      return QString::asprintf("Hands Won: %d", int{seat.handsWon});
    case 8:
      return QString::asprintf("Rake Collected: $%lld", Wide(seat.rakePaid));
    default:
      return {};
  }
}

QString SeatNameText(const PlayerRecord& seat) {
  // The field is NUL-terminated within its 20 bytes; never read past them.
  const auto length = static_cast<qsizetype>(strnlen(seat.name, kNameSize));
  return QString::fromLatin1(seat.name, length);
}

}  // namespace qf
