#include "view_test_support.h"

#include <QDir>
#include <filesystem>

#include "engine/table_defaults.h"
#include "flow/driver.h"
#include "flow/table_input.h"
#include "view/pictures.h"

namespace qf::test {

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

namespace {

QImage StoredPicture(int id) {
  return QImage(PicturePath(id)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

bool ShowsPicture(const QImage& buffer, int id, int x, int y, int sx, int sy, int w, int h) {
  const QImage picture = StoredPicture(id);
  if (picture.isNull()) return false;
  if (w < 0) w = picture.width();
  if (h < 0) h = picture.height();
  const int key = PictureKeyColour(id);
  int compared = 0;
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      const QRgb want = picture.pixel(sx + col, sy + row) & 0xFFFFFFu;
      if (key >= 0 && want == static_cast<QRgb>(key)) continue;
      if (!buffer.rect().contains(x + col, y + row)) return false;
      if ((buffer.pixel(x + col, y + row) & 0xFFFFFFu) != want) return false;
      ++compared;
    }
  }
  return compared > 0;
}

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

ViewTest::ViewTest() {
  view.SetPauseFunction([this](int ms) { pauses.push_back(ms); });
  view.SetPresenter([this] { ++presentations; });
  SetUpTable(table, false, false, KindHuman);
}

Turn ViewTest::PlayUntil(const std::function<bool(const Turn&, const TableRecord&)>& stop) {
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

}  // namespace qf::test
