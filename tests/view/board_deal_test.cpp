// The board deal: new board cards slide in from the right, frame by frame,
// and are revealed with short pauses; without animation nothing waits.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "view_test_support.h"

namespace qf::test {
namespace {

class BoardDeal : public ViewTest {
 protected:
  BoardDeal() {
    DealOrderedDeck(table, table.holeCards);
    view.SetPresenter([this] {
      ++presentations;
      frames.push_back(Buffer().copy(0, 0, kTableWidth, kTableHeight));
    });
  }

  // Deals the next street by hand and runs the deal sequence for the board.
  void DealBoardTo(int boardCards, bool allNew = false) {
    for (PlayerRecord& p : table.players) {
      p.cardsSeen = static_cast<uint8_t>(table.holeCards + boardCards);
    }
    ui.AnimateBoardDeal(table, -1, allNew);
  }

  bool ShowsBoardCard(const QImage& image, int i) const {
    const int c = table.deck[41 + table.holeCards + i] - 1;
    return ShowsPicture(image, picture::kCardSheet, 105 + 27 * i, 100, 25 * (c % 13), 40 * (c / 13),
                        25, 40);
  }

  std::vector<QImage> frames;
};

TEST_F(BoardDeal, WithoutAnimationTheCentreIsDrawnOnceWithoutThePot) {
  table.animateCards = 0;
  table.players[2].inPot = 30;
  DealBoardTo(3);
  EXPECT_EQ(presentations, 0);
  EXPECT_TRUE(pauses.empty());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(ShowsBoardCard(Buffer(), i)) << i;
  // The pot cells show the table, not the bet.
  EXPECT_TRUE(IsColour(Buffer(), {152, 70, 193, 80}, PixelFromColorRef(table.tableColor)));
}

TEST_F(BoardDeal, FlopSlidesInOverFortyEightShownFramesAndFiveReveals) {
  DealBoardTo(3);
  std::vector<int> want(48, 5);
  want.insert(want.end(), {20, 20, 20, 20, 20});  // all five places were hidden
  EXPECT_EQ(pauses, want);
  ASSERT_EQ(presentations, 48 + 1 + 5 + 1);
  // At first nothing of the flop shows; when the first offset has run out
  // the first card lies in place and the other two are still on their way.
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(ShowsBoardCard(frames[0], i)) << i;
  EXPECT_TRUE(ShowsBoardCard(frames[23], 0));
  EXPECT_FALSE(ShowsBoardCard(frames[23], 1));
  EXPECT_FALSE(ShowsBoardCard(frames[23], 2));
  // Half-way through the second run the two cards are right of their place.
  const int c = table.deck[41 + table.holeCards + 1] - 1;
  const int offset = 240 * 5 / 6 * 5 / 6 * 5 / 6 * 5 / 6 * 5 / 6 * 5 / 6 * 5 / 6 * 5 / 6;
  EXPECT_TRUE(ShowsPicture(frames[24 + 7], picture::kCardSheet, 132 + offset, 100, 25 * (c % 13),
                           40 * (c / 13), 25, 40));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(ShowsBoardCard(frames.back(), i)) << i;
  EXPECT_EQ(frames.back(), Buffer().copy(0, 0, kTableWidth, kTableHeight));
}

TEST_F(BoardDeal, TurnSlidesOnlyTheNewCard) {
  table.animateCards = 0;
  DealBoardTo(3);
  table.animateCards = 1;
  DealBoardTo(4);
  std::vector<int> want(24, 5);
  want.push_back(20);
  EXPECT_EQ(pauses, want);
  ASSERT_EQ(presentations, 24 + 1 + 1 + 1);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(ShowsBoardCard(frames[0], i)) << i;
  EXPECT_FALSE(ShowsBoardCard(frames[0], 3));
  EXPECT_TRUE(ShowsBoardCard(frames.back(), 3));
}

TEST_F(BoardDeal, SixSeatSlideLeavesNothingOnTheFeltRightOfTheTable) {
  SetUpTable(table, true, false, KindHuman);
  DealOrderedDeck(table, table.holeCards);
  view.DrawFullTable(table, false);
  DealBoardTo(3);
  EXPECT_EQ(presentations, 48 + 1 + 5 + 1);
  EXPECT_TRUE(IsFelt(Buffer(), {215, 60, 240, 180}));
}

}  // namespace
}  // namespace qf::test
