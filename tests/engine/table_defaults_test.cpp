#include "engine/table_defaults.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qf {
namespace {

TEST(TableDefaults, EverySeatInactiveWithABuyInOnCredit) {
  TableRecord table;
  std::memset(&table, 0xAB, sizeof table);
  SetTableDefaults(table, "Maximilian Berg");

  EXPECT_EQ(table.recordMark, 1);
  EXPECT_STREQ(table.players[0].name, "Maximil");
  const char* others[] = {"Zena", "Oswin", "Basil", "Ivy", "Ned", "Perry", "Gus", "Hugo", "Eli"};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& player = table.players[seat];
    if (seat > 0) {
      EXPECT_STREQ(player.name, others[seat - 1]);
    }
    EXPECT_EQ(player.kind, KindInactive);
    EXPECT_EQ(player.tableKind, KindInactive);
    EXPECT_EQ(player.chips, 200u);
    EXPECT_EQ(player.balance, -200);
    EXPECT_EQ(player.inPot, 0u);
    EXPECT_EQ(player.status, 0u);
    EXPECT_EQ(player.handsPlayed, 0);
    EXPECT_EQ(player.rakePaid, 0u);
  }
  EXPECT_EQ(table.baseBet, 2u);
  EXPECT_EQ(table.betStructure, StructureFixed);
  EXPECT_EQ(table.anteMode, 0);
  EXPECT_EQ(table.rakePercent, 4);
  EXPECT_EQ(table.raiseCap, 4);
  EXPECT_EQ(table.holeCards, kTexasHoleCards);
  EXPECT_EQ(table.progressiveLevel, 1u);
  EXPECT_EQ(table.foldStyle, 1u);
  EXPECT_EQ(table.backgroundColor, 0x84FF84u);
  EXPECT_EQ(table.tableColor, 0x8200u);
  const uint32_t streetBets[4] = {2, 2, 4, 4};
  for (int street = 0; street < 4; ++street) {
    EXPECT_EQ(table.customMin[street], streetBets[street]);
    EXPECT_EQ(table.customMax[street], streetBets[street]);
  }
  EXPECT_EQ(table.animateChips + table.animateCards + table.soundEnabled + table.smallTable, 4);
  EXPECT_EQ(table.bustedStay + table.confirmDeal + table.showSplash, 3u);
  EXPECT_EQ(table.alwaysDealOut + table.alwaysShowWinner + table.useHardButtons, 0u);
  EXPECT_EQ(table.dealer, 0);
  for (uint8_t card : table.deck) EXPECT_EQ(card, 0);
  for (uint8_t byte : table.reserved800) EXPECT_EQ(byte, 0);
  for (uint8_t byte : table.reserved988) EXPECT_EQ(byte, 0);
}

TEST(TableDefaults, SeatZeroNameKeepsSevenCharactersAndCutsAtALaterBlank) {
  EXPECT_EQ(SeatZeroName("Maximilian Berg"), "Maximil");
  EXPECT_EQ(SeatZeroName("Al Berg"), "Al");
  EXPECT_EQ(SeatZeroName("A Berg"), "A Berg");
  EXPECT_EQ(SeatZeroName("Jo Ann Berg"), "Jo");
  EXPECT_EQ(SeatZeroName("Bartholomew"), "Barthol");
  EXPECT_EQ(SeatZeroName("Ann Lee"), "Ann");
  EXPECT_EQ(SeatZeroName("You"), "You");
  // A name is never cut inside a multi-byte character.
  EXPECT_EQ(SeatZeroName("J\xC3\xBCrgen M\xC3\xBCller"), "J\xC3\xBCrgen");
  EXPECT_EQ(SeatZeroName("Ren\xC3\xA9"
                         "e\xC3\xA9"),
            "Ren\xC3\xA9"
            "e");
}

TEST(TableDefaults, OwnerNameIsTheFirstFieldOfTheAccountComment) {
  EXPECT_EQ(OwnerNameFromGecos("Jo Ann Berg,Room 4,555-1234,,"), "Jo Ann Berg");
  EXPECT_EQ(OwnerNameFromGecos("Maximilian Berg"), "Maximilian Berg");
  EXPECT_EQ(OwnerNameFromGecos(",Room 4"), "You");
  EXPECT_EQ(OwnerNameFromGecos(""), "You");
  EXPECT_EQ(OwnerNameFromGecos(nullptr), "You");
  EXPECT_FALSE(OwnerName().empty());
}

TEST(TableDefaults, NamesAlwaysKeepTheirTerminatingNul) {
  char field[kNameSize];
  std::memset(field, 'x', sizeof field);
  CopyName(field, "A name far longer than twenty characters");
  EXPECT_EQ(std::strlen(field), static_cast<size_t>(kNameSize - 1));
  CopyName(field, "Ivy");
  EXPECT_STREQ(field, "Ivy");
  EXPECT_EQ(field[kNameSize - 1], '\0');
}

}  // namespace
}  // namespace qf
