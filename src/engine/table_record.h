// The table record: the whole state of the game in one 1056-byte block.
// The data file is its exact byte image, so the layout below is binding:
// every size and offset is checked at compile time.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace qf {

inline constexpr int kSeatCount = 10;
inline constexpr int kDeckSize = 52;
inline constexpr int kMaxCards = 9;          // hole plus board, Omaha
inline constexpr int kNameSize = 20;         // bytes of PlayerRecord::name, NUL included
inline constexpr uint8_t kDealerCancelled = 255;  // New Table's Cancel, reported through dealer
inline constexpr uint32_t kMaxBaseBet = 9999;
// Progressive stakes stop rising here, so that stakes always fit an amount.
inline constexpr uint32_t kMaxProgressiveLevel = 65535;

// Seat kinds (PlayerRecord::kind and ::tableKind), in Player Settings list order.
enum SeatKind : uint32_t {
  KindHuman = 0,
  KindHiddenHuman = 1,
  KindInactive = 2,
  KindSmart = 3,
  KindTight = 4,
  KindLoose = 5,
  KindStupid = 6,
  KindParanoid = 7,
  KindBluffing = 8,
  KindErratic = 9,
};
inline constexpr uint32_t kKindCount = 10;

// Betting status (PlayerRecord::status).
enum SeatStatus : uint32_t {
  StatusToAct = 0,       // still to act in this betting round
  StatusLastBettor = 1,  // made the last bet or raise of the round
  StatusCalled = 2,      // checked or called
  StatusOut = 3,         // not dealt in, between hands, or inactive
  StatusFolded = 4,      // folded (3 instead when foldStyle is 0)
};

// Last action shown beside a seat (PlayerRecord::lastAction).
enum LastAction : uint32_t {
  ActionNone = 0,
  ActionForcedBet = 3,  // posted a blind or ante
  ActionBet = 4,
  ActionRaise = 5,
  ActionCall = 6,
  ActionCheck = 7,
  ActionFold = 8,
};

// Betting structures (TableRecord::betStructure).
enum BetStructure : uint8_t {
  StructureFixed = 0,          // b/2b
  StructureFixedThreeTier = 1, // b/2b/4b, the river lets the player choose
  StructureSpread = 2,         // b-2b
  StructureSpreadRising = 3,   // b-2b-4b
  StructureSpreadWide = 4,     // b-2b-4b-8b
  StructurePotLimit = 5,
  StructureNoLimit = 6,
  StructureCustom = 7,
};
inline constexpr uint8_t kStructureCount = 8;

inline constexpr uint8_t kTexasHoleCards = 2;
inline constexpr uint8_t kOmahaHoleCards = 4;

struct PlayerRecord {
  char name[kNameSize];   // NUL-terminated seat name
  uint32_t chips;         // chips in front of the seat
  uint32_t inPot;         // put into the pot this hand, forced bets included
  uint32_t winnings;      // won at this showdown, not yet in chips
  uint32_t isWinner;      // 1 for the holders of the best hand at the showdown
  uint32_t status;        // SeatStatus
  uint32_t lastAction;    // LastAction
  uint8_t cardsSeen;      // cards held, hole and board together
  uint8_t reserved45;
  uint16_t handsPlayed;
  uint16_t handsWon;
  uint16_t folds;
  uint16_t raises;
  uint16_t checks;
  uint16_t calls;
  uint16_t reserved58;
  uint32_t rakePaid;
  int32_t balance;        // cash account: purchases subtract, cash-ins add
  uint32_t kind;          // SeatKind used by play
  uint32_t tableKind;     // SeatKind as set up for the table
};

struct TableRecord {
  uint8_t recordMark;
  uint8_t reserved1[3];
  char tableLabel[36];
  PlayerRecord players[kSeatCount];
  uint8_t reserved800[76];
  uint8_t dealer;             // seat of the dealer button, 0..9
  uint8_t raisesThisRound;    // bets and raises this betting round
  uint8_t deck[kDeckSize];    // shuffled card codes 1..52
  uint8_t cardsDealt;         // street marker
  uint8_t holeCards;          // 2 Texas, 4 Omaha
  uint32_t baseBet;
  uint32_t customMin[4];      // pre-flop, flop, turn, river
  uint32_t customMax[4];
  uint8_t betStructure;       // BetStructure
  uint8_t anteMode;           // 0 blinds, 1 all ante
  uint8_t rakePercent;        // 0..10
  uint8_t raiseCap;           // 0 unlimited, else 1..10
  uint32_t foldStyle;
  uint32_t progressiveLevel;  // 0 fixed stakes, n >= 1 stakes times n
  uint32_t backgroundColor;   // 0x00BBGGRR
  uint32_t tableColor;        // 0x00BBGGRR
  uint8_t reserved988[36];
  uint8_t animateChips;
  uint8_t animateCards;
  uint8_t reserved1026;
  uint8_t soundEnabled;
  uint8_t reserved1028[4];
  uint32_t alwaysDealOut;
  uint32_t alwaysShowWinner;
  uint32_t bustedStay;        // 0 when busted computer seats quit at once
  uint32_t confirmDeal;
  uint8_t useHardButtons;
  uint8_t smallTable;         // 1: six-seat layout
  uint8_t reserved1050[2];
  uint32_t showSplash;
};

static_assert(std::endian::native == std::endian::little, "the table image is little-endian");
static_assert(sizeof(PlayerRecord) == 76);
static_assert(offsetof(PlayerRecord, chips) == 20);
static_assert(offsetof(PlayerRecord, inPot) == 24);
static_assert(offsetof(PlayerRecord, winnings) == 28);
static_assert(offsetof(PlayerRecord, isWinner) == 32);
static_assert(offsetof(PlayerRecord, status) == 36);
static_assert(offsetof(PlayerRecord, lastAction) == 40);
static_assert(offsetof(PlayerRecord, cardsSeen) == 44);
static_assert(offsetof(PlayerRecord, handsPlayed) == 46);
static_assert(offsetof(PlayerRecord, handsWon) == 48);
static_assert(offsetof(PlayerRecord, folds) == 50);
static_assert(offsetof(PlayerRecord, raises) == 52);
static_assert(offsetof(PlayerRecord, checks) == 54);
static_assert(offsetof(PlayerRecord, calls) == 56);
static_assert(offsetof(PlayerRecord, rakePaid) == 60);
static_assert(offsetof(PlayerRecord, balance) == 64);
static_assert(offsetof(PlayerRecord, kind) == 68);
static_assert(offsetof(PlayerRecord, tableKind) == 72);

static_assert(sizeof(TableRecord) == 1056);
static_assert(offsetof(TableRecord, tableLabel) == 4);
static_assert(offsetof(TableRecord, players) == 40);
static_assert(offsetof(TableRecord, dealer) == 876);
static_assert(offsetof(TableRecord, raisesThisRound) == 877);
static_assert(offsetof(TableRecord, deck) == 878);
static_assert(offsetof(TableRecord, cardsDealt) == 930);
static_assert(offsetof(TableRecord, holeCards) == 931);
static_assert(offsetof(TableRecord, baseBet) == 932);
static_assert(offsetof(TableRecord, customMin) == 936);
static_assert(offsetof(TableRecord, customMax) == 952);
static_assert(offsetof(TableRecord, betStructure) == 968);
static_assert(offsetof(TableRecord, anteMode) == 969);
static_assert(offsetof(TableRecord, rakePercent) == 970);
static_assert(offsetof(TableRecord, raiseCap) == 971);
static_assert(offsetof(TableRecord, foldStyle) == 972);
static_assert(offsetof(TableRecord, progressiveLevel) == 976);
static_assert(offsetof(TableRecord, backgroundColor) == 980);
static_assert(offsetof(TableRecord, tableColor) == 984);
static_assert(offsetof(TableRecord, animateChips) == 1024);
static_assert(offsetof(TableRecord, animateCards) == 1025);
static_assert(offsetof(TableRecord, soundEnabled) == 1027);
static_assert(offsetof(TableRecord, alwaysDealOut) == 1032);
static_assert(offsetof(TableRecord, alwaysShowWinner) == 1036);
static_assert(offsetof(TableRecord, bustedStay) == 1040);
static_assert(offsetof(TableRecord, confirmDeal) == 1044);
static_assert(offsetof(TableRecord, useHardButtons) == 1048);
static_assert(offsetof(TableRecord, smallTable) == 1049);
static_assert(offsetof(TableRecord, showSplash) == 1052);

inline bool IsHumanKind(uint32_t kind) { return kind == KindHuman || kind == KindHiddenHuman; }
inline bool IsComputerKind(uint32_t kind) { return kind >= KindSmart && kind <= KindErratic; }
inline bool IsInPlay(const PlayerRecord& p) { return p.kind != KindInactive; }

}  // namespace qf
