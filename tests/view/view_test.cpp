// The view's tests: what it draws, compared pixel for pixel with golden
// pictures (one row per picture: regenerate on purpose with
// QF_REGENERATE_GOLDEN=1 and look), and what pictures cannot show: where the
// layouts put things, whose hole cards show when, single-seat redraws, and
// where button labels are written. Everything draws into an off-screen back
// buffer: no display is needed.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/rng.h"
#include "engine/table_defaults.h"
#include "engine/table_record.h"
#include "engine/turn.h"
#include "flow/button_bar.h"
#include "flow/driver.h"
#include "flow/null_table_ui.h"
#include "flow/session.h"
#include "flow/table_input.h"
#include "view/drawing_table_ui.h"
#include "view/pictures.h"
#include "view/table_view.h"

namespace qf::test {
namespace {

// The sound and dialog half of the table UI answered by stubs.
template <class Base>
class WithStubDialogs : public Base {
 public:
  using Base::Base;
  void PlaySound(GameSound) override {}
  void RunNewTableDialog(TableRecord&) override {}
  int AskConfirmation(const std::string&, const std::vector<std::string>&) override { return 1; }
  void OpenPlayerSettings(TableRecord&) override {}
  void ShowBetPopup(const BetPopupState&) override {}
  void CloseBetPopup() override {}
};

using TestUi = WithStubDialogs<DrawingTableUi>;

// A table of the given size and variant: seat 0 of kind seat0Kind, the other
// seats of the layout computers, chips bought in, nobody dealt in yet.
void SetUpTable(TableRecord& table, bool sixSeats, bool omaha, uint32_t seat0Kind) {
  SetTableDefaults(table, "Ann");
  table.smallTable = sixSeats ? 1 : 0;
  table.holeCards = omaha ? kOmahaHoleCards : kTexasHoleCards;
  table.confirmDeal = 0;
  table.soundEnabled = 0;
  static constexpr SeatKind kComputers[] = {KindSmart,   KindTight,    KindLoose,
                                            KindStupid,  KindParanoid, KindBluffing,
                                            KindErratic, KindSmart,    KindTight};
  const int seats = sixSeats ? 6 : 10;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    uint32_t kind = KindInactive;
    if (seat == 0)
      kind = seat0Kind;
    else if (seat < seats)
      kind = kComputers[seat - 1];
    table.players[seat].kind = kind;
    table.players[seat].tableKind = kind;
  }
  WithStubDialogs<NullTableUi> ui;  // draws nothing
  StartNewTable(table, ui, false);
  // Between hands: every seat out, so play begins with a new hand.
  for (PlayerRecord& p : table.players) p.status = StatusOut, p.cardsSeen = 0;
}

// A hand dealt by hand from the ordered deck (seat s holds codes 4s + 1 ...,
// the board follows from deck byte 41 + holeCards): every seat of the layout
// in the hand with cardsSeen cards, nothing bet yet.
void DealOrderedDeck(TableRecord& table, int cardsSeen) {
  for (int i = 0; i < kDeckSize; ++i) table.deck[i] = static_cast<uint8_t>(i + 1);
  table.cardsDealt = static_cast<uint8_t>(cardsSeen);
  for (PlayerRecord& p : table.players) {
    p.cardsSeen = static_cast<uint8_t>(cardsSeen);
    p.status = p.kind == KindInactive ? StatusOut : StatusToAct;
    p.lastAction = ActionNone;
    p.inPot = p.winnings = p.isWinner = 0;
  }
}

// Compares image with golden/<name>.png; QF_REGENERATE_GOLDEN=1 writes it anew.
void ExpectGolden(const std::string& name, const QImage& image) {
  const QImage actual = image.convertToFormat(QImage::Format_RGB32);
  const std::filesystem::path dir = std::filesystem::path(__FILE__).parent_path() / "golden";
  const QString path = QString::fromStdString((dir / (name + ".png")).string());
  if (!qEnvironmentVariableIsEmpty("QF_REGENERATE_GOLDEN")) {
    EXPECT_TRUE(actual.save(path)) << path.toStdString();
    return;
  }
  const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(golden.isNull()) << "missing " << path.toStdString();
  if (golden == actual) return;
  const QString saved = QDir::temp().filePath(QString::fromStdString(name + "-actual.png"));
  actual.save(saved);
  ADD_FAILURE() << name << " differs from " << path.toStdString() << "; this drawing is in "
                << saved.toStdString()
                << " (if the pictures changed on purpose, regenerate with QF_REGENERATE_GOLDEN=1)";
}

// A view, its test UI, a session and a ten-seat Texas table; pauses are
// recorded, not slept, and presentations counted.
struct ViewTest : ::testing::Test {
  ViewTest() {
    view.SetPauseFunction([this](int ms) { pauses.push_back(ms); });
    view.SetPresenter([this] { ++presentations; });
    SetUpTable(table, false, false, KindHuman);
  }

  const QImage& Buffer() const { return view.BackBuffer(); }
  QImage TableArea() const { return Buffer().copy(0, 0, kTableWidth, kTableRect.bottom); }
  Rect SeatRectOf(int seat) const { return qf::SeatRectOf(table.smallTable, kTableRect, seat); }
  // Plays with the engine and the game flow until stop says so: computer
  // seats act on ticks, human seats press the left button.
  Turn PlayUntil(const std::function<bool(const Turn&, const TableRecord&)>& stop) {
    for (int step = 0; step < 5000; ++step) {
      const Turn turn = NextTurn(table);
      if (stop(turn, table)) return turn;
      const bool humanToAct = turn.code == TurnAct && IsHumanKind(table.players[turn.seat].kind);
      if (humanToAct && !session.buttonLabel[0].empty()) {
        TableInput input;
        input.key = KeyDigit1;
        OnTableInput(table, session, rng, ui, input);
      } else {
        TickGame(table, session, rng, ui);
      }
    }
    ADD_FAILURE() << "the hand did not reach the wanted state";
    return NextTurn(table);
  }

  SessionState session;
  TableView view{session};
  TestUi ui{view};
  TableRecord table{};
  Rng rng{20240611};
  std::vector<int> pauses;
  int presentations = 0;
};

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
       const uint32_t inPot[] = {4, 2, 4, 4, 0, 0, 0, 500, 4294967295u, 4},
                      chips[] = {20, 19, 200, 200, 200, 200, 200, 200, 0, 0},
                      actions[] = {ActionCheck, ActionForcedBet, 3, ActionBet, ActionRaise,
                                   0,           ActionFold,      0, 0,         ActionCall};
       for (int seat = 0; seat < 10; ++seat) {
         PlayerRecord& p = t.table.players[seat];
         p.inPot = inPot[seat], p.chips = chips[seat], p.lastAction = actions[seat];
       }
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
    // The six-seat flop slide leaves nothing right of the table picture;
    // kinds in the seats the layout has no place for draw nothing; the turn
    // marked in its six-seat pot cell; labels off.
    {"six_flop_slide",
     [](ViewTest& t) {
       SetUpTable(t.table, true, false, KindHuman);
       for (int seat = 6; seat < 10; ++seat) t.table.players[seat].kind = KindSmart;
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

using Seats = ViewTest;

TEST_F(Seats, LayoutRectangles) {
  const struct {
    uint8_t small;
    int seat;
    Rect seatRect, potStack, centre, board;
  } cases[] = {
      {0, 0, {0, 0, 60, 60}, {62, 47, 103, 80}, {60, 60, 240, 180}, {105, 90, 240, 150}},
      {0, 9, {0, 60, 60, 120}, {62, 77, 103, 110}, {60, 60, 240, 180}, {105, 90, 240, 150}},
      {1, 0, {15, 0, 80, 60}, {42, 47, 86, 80}, {25, 60, 215, 180}, {25, 60, 215, 180}},
      {1, 3, {175, 180, 240, 240}, {168, 137, 212, 170}, {25, 60, 215, 180}, {25, 60, 215, 180}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "layout " << int{c.small} << " seat " << c.seat);
    table.smallTable = c.small;
    EXPECT_EQ(SeatRectOf(c.seat), c.seatRect);
    EXPECT_EQ(TableView::PotStackRect(table, c.seat), c.potStack);
    EXPECT_EQ(TableView::CentreRect(table), c.centre);
    EXPECT_EQ(TableView::BoardRect(table), c.board);
  }
}

TEST_F(Seats, HiddenHumanSeesItsCardsOnlyOnItsOwnTurn) {
  SetUpTable(table, false, true, KindHiddenHuman);
  // Hole card i shows at (12i, 15), the next one over all but its left 12 pixels.
  const QImage sheet =
      QImage(PicturePath(picture::kCardSheet)).convertToFormat(QImage::Format_RGB32);
  const auto shown = [&] {
    int n = 0;
    for (int i = 0, c = table.deck[0] - 1; i < 4; c = table.deck[++i] - 1)
      n += Buffer().copy(12 * i + 2, 17, 9, 36) ==
           sheet.copy(25 * (c % 13) + 2, 40 * (c / 13) + 2, 9, 36);
    return n;
  };
  ASSERT_EQ(PlayUntil([](const Turn& t, const TableRecord& tb) {
              return t.code == TurnAct && t.seat == 0 && tb.players[0].cardsSeen == tb.holeCards;
            }).seat,
            0);
  view.DrawFullTable(table, false);
  EXPECT_EQ(shown(), 4);
  // The seat that acted before it is redrawn by the game: seat 0 comes along.
  view.FillFelt(SeatRectOf(0));
  ui.DrawSeat(table, 9);
  EXPECT_EQ(shown(), 4);
  // Once it has acted and the turn has moved on, the cards are hidden again.
  TableInput call;
  call.key = KeyDigit1;
  OnTableInput(table, session, rng, ui, call);
  ASSERT_FALSE(NextTurn(table).code == TurnAct && NextTurn(table).seat == 0);
  EXPECT_EQ(shown(), 0);
  view.DrawFullTable(table, false);
  EXPECT_EQ(shown(), 0);
}

TEST_F(Seats, RedrawingOneSeatLeavesNothingOfItsOldPicture) {
  DealOrderedDeck(table, 2);
  session.showAmounts = true;
  table.players[0].chips = 100;
  view.DrawFullTable(table, false);
  // The seat bets: fewer chips and a shorter amount.
  table.players[0].chips = 95;
  table.players[0].inPot = 5;
  ui.DrawSeat(table, 0);
  const QImage once = Buffer().copy(0, 0, 60, 60);
  view.FillFelt(kTableRect);
  view.DrawSeat(table, 0, false, SeatRectOf(0));
  EXPECT_EQ(Buffer().copy(0, 0, 60, 60), once);
}

TEST_F(ViewTest, ButtonLabelsAreWhiteAndCentredInTheHitRectangle) {
  view.FillFelt(kWholeArea);
  const char* labels[3] = {"Call 4", "Raise", "Fold"};
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const Rect hit = ButtonHitRect(n);
    ui.DrawButton(n, "", false);
    const QImage bare = Buffer().copy();
    ui.DrawButton(n, labels[n - 1], false);
    QRect ink;
    int white = 0;
    for (int y = 240; y < 269; ++y)
      for (int x = hit.left - 5; x < hit.right + 5; ++x) {
        if (bare.pixel(x, y) != Buffer().pixel(x, y)) ink |= QRect(x, y, 1, 1);
        white += hit.Contains(x, y) && (Buffer().pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
      }
    EXPECT_GT(white, 0);
    EXPECT_GE(ink.left(), hit.left);
    EXPECT_GE(ink.top(), hit.top);
    EXPECT_LE(std::abs((ink.left() - hit.left) - (hit.right - 1 - ink.right())), 2);
  }
}

}  // namespace
}  // namespace qf::test

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
