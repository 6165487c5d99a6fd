// What the view draws, compared pixel for pixel with golden pictures, one
// row per picture. Regenerate on purpose (QF_REGENERATE_GOLDEN=1) and look.
#include <QPainter>

#include "engine/table_defaults.h"
#include "flow/button_bar.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

QImage FullTable(ViewTest& t) {
  t.view.DrawFullTable(t.table, false);
  return t.TableArea();
}

// The images one under the other.
QImage Stacked(const std::vector<QImage>& parts) {
  int height = 0;
  for (const QImage& p : parts) height += p.height();
  QImage joined(parts.front().width(), height, QImage::Format_RGB32);
  QPainter painter(&joined);
  for (int i = 0, y = 0; i < static_cast<int>(parts.size()); y += parts[i++].height())
    painter.drawImage(0, y, parts[i]);
  return joined;
}

// The seats' bets, bubbles and actions, one entry per seat.
void SetSeats(TableRecord& table, const std::vector<uint32_t>& inPot,
              const std::vector<uint32_t>& actions, const std::vector<uint32_t>& chips) {
  for (size_t seat = 0; seat < inPot.size(); ++seat) {
    table.players[seat].inPot = inPot[seat];
    table.players[seat].lastAction = actions[seat];
    table.players[seat].chips = chips[seat];
  }
}

// Deals the board up to boardCards for every seat and runs the deal
// sequence, keeping each presented frame's centre.
std::vector<QImage> DealBoard(ViewTest& t, int boardCards) {
  std::vector<QImage> frames;
  t.view.SetPresenter([&] {
    ++t.presentations;
    frames.push_back(t.Buffer().copy(0, 0, kTableWidth, kTableRect.bottom));
  });
  for (PlayerRecord& p : t.table.players)
    p.cardsSeen = static_cast<uint8_t>(t.table.holeCards + boardCards);
  t.ui.AnimateBoardDeal(t.table, -1, false);
  t.view.SetPresenter([&t] { ++t.presentations; });
  return frames;
}

QImage Centre(const QImage& table) {
  return table.copy(60, 60, 180, 120);
}

struct Scenario {
  const char* name;
  QImage (*draw)(ViewTest&);
};

const Scenario kScenarios[] = {
    // Six seats in a table colour: every hand shown and named, the winner's
    // name in red, "I Win" and "Collect", the pot counting the winnings.
    {"six_omaha_showdown",
     [](ViewTest& t) {
       SetUpTable(t.table, true, true, KindHiddenHuman);
       t.session.showNames = t.session.showAmounts = true;
       DealOrderedDeck(t.table, t.table.holeCards + 5);
       for (int i = 0; i < kDeckSize; ++i)
         t.table.deck[i] = static_cast<uint8_t>((i * 23) % 52 + 1);
       t.table.cardsDealt = static_cast<uint8_t>(t.table.holeCards + 6);
       t.table.dealer = 1;
       t.table.tableColor = 0x00603010;
       const uint32_t winnings[6] = {0, 130, 0, 0, 40, 0};
       for (int seat = 0; seat < 6; ++seat) {
         PlayerRecord& p = t.table.players[seat];
         p.inPot = 34, p.winnings = winnings[seat], p.isWinner = seat == 1,
         p.lastAction = ActionCall;
       }
       t.table.players[3].status = StatusFolded;
       t.table.players[5].chips = 0;
       return FullTable(t);
     }},
    // The bubbles; a fold shown over a seat still dealt in; the human's cards
    // alone shown; a folded dealer keeps the marker; exactly ten base bets
    // is green, one chip less red; "All In" red for the sole leader, whom an
    // inactive seat's stake does not outbid; a pot past 32 bits shown whole.
    {"bets_and_bubbles",
     [](ViewTest& t) {
       t.session.showNames = t.session.showAmounts = true;
       DealOrderedDeck(t.table, t.table.holeCards + 3);
       t.table.baseBet = 2;
       t.table.dealer = 5;
       SetSeats(t.table, {4, 2, 4, 4, 0, 0, 0, 500, 4294967295u, 4},
                {ActionCheck, ActionForcedBet, 3, ActionBet, ActionRaise, ActionNone, ActionFold,
                 ActionNone, ActionNone, ActionCall},
                {20, 19, 200, 200, 200, 200, 200, 200, 0, 0});
       t.table.players[5].status = StatusFolded;
       t.table.players[7].kind = KindInactive;
       return FullTable(t);
     }},
    // The whole board at the showdown: every seat names its straight flush
    // (without the hyphen); a winner's amount past 32 bits.
    {"ten_showdown_winner",
     [](ViewTest& t) {
       t.session.showNames = t.session.showAmounts = true;
       DealOrderedDeck(t.table, t.table.holeCards + 5);
       t.table.cardsDealt = static_cast<uint8_t>(t.table.holeCards + 6);
       for (PlayerRecord& p : t.table.players) p.inPot = 34, p.lastAction = ActionCall;
       t.table.players[1].chips = 0;
       t.table.players[2].chips = 4294967295u;
       t.table.players[2].winnings = 45;
       t.table.players[2].isWinner = 1;
       t.table.players[3].winnings = 10;
       return FullTable(t);
     }},
    // A computer left alone after the flop: with "always show the winner"
    // and "always deal out" its cards and the whole board (top), without
    // them neither (below, drawn after the top, so the deal-out is undone).
    {"last_standing",
     [](ViewTest& t) {
       SetUpTable(t.table, false, false, KindSmart);
       DealOrderedDeck(t.table, t.table.holeCards + 3);
       for (int seat = 0; seat < kSeatCount; ++seat)
         if (seat != 3) t.table.players[seat].status = StatusFolded;
       EXPECT_EQ(NextTurn(t.table).code, TurnLastStanding);
       t.table.alwaysShowWinner = t.table.alwaysDealOut = 1;
       const QImage shown = FullTable(t);
       t.table.alwaysShowWinner = t.table.alwaysDealOut = 0;
       return Stacked({shown, FullTable(t)});
     }},
    // Labels off; six seats, kinds in the seats it has no place for (felt);
    // the blind due marked in its six-seat pot cell.
    {"six_blind_due",
     [](ViewTest& t) {
       SetUpTable(t.table, true, true, KindHuman);
       DealOrderedDeck(t.table, 0);
       for (int seat = 6; seat < 10; ++seat) t.table.players[seat].kind = KindSmart;
       return FullTable(t);
     }},
    // Chip stacks: a bet of 100 is one chip, a seat's 100 small change, 238;
    // 100 x 25 + 75 capped at the area's height; a seat's chip area full.
    // Cards 1 and 52, and codes outside the deck (nothing). Pictures clipped
    // at the buffer's edges, which start white.
    {"primitives",
     [](ViewTest& t) {
       t.view.FillFelt(kTableRect);
       t.view.DrawChipStack({0, 0, 60, 60}, 100, false);
       t.view.DrawChipStack({60, 0, 120, 60}, 100, true);
       t.view.DrawChipStack({120, 0, 180, 60}, 238, false);
       t.view.DrawChipStack({180, 0, 240, 60}, 100 * 25 + 75, false);
       t.view.DrawChipStack({0, 60, 40, 99}, 100000, true);
       t.view.DrawCard(1, 60, 70);
       t.view.DrawCard(52, 90, 70);
       for (int code : {-1, 0, 53, -14, 255}) t.view.DrawCard(code, 120, 70);
       t.view.DrawPicture(picture::kChip25, -4, 264);
       t.view.DrawPicture(picture::kChip25, 476, -6);
       return t.Buffer();
     }},
    // The button bar, a strip per state: all plain; focus on 3; on 2, not
    // shown: on 1; button 1 pressed by the stylus, by Enter; then 2 by the
    // stylus, moved off, back on, moved with nothing pressed; the digit 3;
    // the push of 2 (its shown frame, then after); 3 erased.
    {"buttons",
     [](ViewTest& t) {
       SessionState& s = t.session;
       TestUi& ui = t.ui;
       const Rect hit = ButtonHitRect(2);
       std::vector<QImage> strips;
       const auto shot = [&] { strips.push_back(t.Buffer().copy(0, 240, kTableWidth, 29)); };
       const auto plain = [&] { s.buttonPressed = false, TrackButtons(s, ui, 0, 0); };
       t.view.FillFelt(kWholeArea);
       s.buttonShown = {true, true, true};  // labels empty: bare faces
       plain(), shot();
       s.focusedButton = 3, ShowButtonFocus(s, ui), shot();
       s.focusedButton = 2, s.buttonShown[1] = false, ui.EraseButton(2);
       ShowButtonFocus(s, ui), shot();
       EXPECT_EQ(s.focusedButton, 1);
       s.buttonShown[1] = true;
       plain(), PressButtons(s, ui, 0, 20, 250), shot();
       plain(), PressButtons(s, ui, 13, 0, 0), shot();
       plain(), PressButtons(s, ui, 0, hit.left + 10, hit.top + 5), shot();
       TrackButtons(s, ui, hit.left + 10, 200), shot();
       TrackButtons(s, ui, hit.left + 12, hit.top + 8), shot();
       plain(), PressButtons(s, ui, '3', 0, 0), shot();
       t.view.SetPresenter([&] {
         if (++t.presentations == 1) shot();
       });
       ui.AnimateButtonPush(2);
       EXPECT_EQ(t.pauses, std::vector<int>{60});
       EXPECT_EQ(t.presentations, 2);
       shot();
       ui.EraseButton(3), shot();
       return Stacked(strips);
     }},
    // The flop slides in from the right over 48 shown frames, then five
    // reveals: the first frame, the first card in place, half-way through
    // the second run, the last frame.
    {"flop_slide",
     [](ViewTest& t) {
       DealOrderedDeck(t.table, t.table.holeCards);
       const std::vector<QImage> frames = DealBoard(t, 3);
       std::vector<int> want(48, 5);
       want.insert(want.end(), {20, 20, 20, 20, 20});  // all five places were hidden
       EXPECT_EQ(t.pauses, want);
       EXPECT_EQ(frames.size(), 48u + 1 + 5 + 1);
       EXPECT_EQ(frames.back(), t.TableArea());
       return Stacked(
           {Centre(frames[0]), Centre(frames[23]), Centre(frames[31]), Centre(frames.back())});
     }},
    // Without animation the flop is drawn at once, the pot cells empty
    // (top); then the turn slides in alone (its first and last frames).
    {"turn_slide",
     [](ViewTest& t) {
       DealOrderedDeck(t.table, t.table.holeCards);
       t.table.players[2].inPot = 30;
       t.table.animateCards = 0;
       EXPECT_TRUE(DealBoard(t, 3).empty());
       EXPECT_TRUE(t.pauses.empty());
       const QImage flop = Centre(t.TableArea());
       t.table.animateCards = 1;
       const std::vector<QImage> frames = DealBoard(t, 4);
       std::vector<int> want(24, 5);
       want.push_back(20);
       EXPECT_EQ(t.pauses, want);
       EXPECT_EQ(frames.size(), 24u + 1 + 1 + 1);
       return Stacked({flop, Centre(frames[0]), Centre(frames.back())});
     }},
    // The six-seat flop slide leaves nothing right of the table picture.
    {"six_flop_slide",
     [](ViewTest& t) {
       SetUpTable(t.table, true, false, KindHuman);
       DealOrderedDeck(t.table, t.table.holeCards);
       t.view.DrawFullTable(t.table, false);
       EXPECT_EQ(DealBoard(t, 3).size(), 48u + 1 + 5 + 1);
       return t.TableArea();
     }},
};

class Golden : public ViewTest, public ::testing::WithParamInterface<Scenario> {};

TEST_P(Golden, MatchesItsPicture) {
  ExpectGolden(GetParam().name, GetParam().draw(*this));
}

INSTANTIATE_TEST_SUITE_P(View, Golden, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qf::test
