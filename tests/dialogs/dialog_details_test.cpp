// The dialogs whose looks, answers or animation the transcripts cannot show.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogs/about_dialog.h"
#include "dialogs/confirmation_dialog.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/game_stats_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "flow/table_ui.h"

namespace qf::test {
namespace {

TEST(ConfirmationDialogTest, EachButtonAnswersItsNumberAndOneAnswerIsAWideDefault) {
  for (int answer = 1; answer <= 3; ++answer) {
    ConfirmationDialog dialog("Ivy is out of chips.", {"Buy In", "Sit Out", "Leave"});
    WhenOpen<ConfirmationDialog>([answer](ConfirmationDialog* d) { Click(d->Button(answer)); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.Answer(), answer);
  }
  ConfirmationDialog dialog("You won the tournament!", {"OK"});
  dialog.show();
  EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 1);
  EXPECT_GT(dialog.Button(1)->y(), dialog.MessageLabel()->y());
  EXPECT_GT(dialog.Button(1)->width(), dialog.width() * 3 / 4);
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.Answer(), 1);
}

class AboutDialogTest : public testing::Test {
 protected:
  AboutDialogTest() { bench.ctx.zoom = 2; }

  // A left click on the canvas at a point in picture pixels.
  void TapAt(AboutDialog& dialog, int x, int y) {
    QTest::mouseClick(dialog.Canvas(), Qt::LeftButton, {}, QPoint(2 * x + 1, 2 * y + 1));
  }

  DialogBench bench;
};

TEST_F(AboutDialogTest, ATapEndsTheSlideAndTheNextTapsFollowTheHotSpots) {
  AboutDialog dialog(bench.ctx, false);
  QList<QUrl> opened;
  dialog.SetUrlOpener([&opened](const QUrl& url) { opened << url; });
  dialog.show();
  EXPECT_TRUE(dialog.OkButton()->isVisible());
  EXPECT_EQ(dialog.Canvas()->size(), QSize(480, 640));
  ASSERT_TRUE(dialog.Animating());
  TapAt(dialog, 100, 190);
  EXPECT_FALSE(dialog.Animating());
  EXPECT_EQ(dialog.Frame().pixel(120, 150), LoadPicture(107).pixel(120, 150));
  EXPECT_TRUE(bench.helpAnchors.isEmpty());

  for (const QPoint at : {QPoint(100, 190), QPoint(100, 205), QPoint(100, 225), QPoint(10, 10)})
    TapAt(dialog, at.x(), at.y());
  EXPECT_EQ(bench.helpAnchors, QStringList({"contact_us", "trademarks_copyrights"}));
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0].scheme(), "https");
  EXPECT_TRUE(bench.sounds.empty());
  Click(dialog.OkButton());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(AboutDialogTest, FramesDrawThePiecesWhereTheyStandUntilTheyRest) {
  AboutDialog dialog(bench.ctx, false);
  for (int frame = 0; frame < 5; ++frame) dialog.DrawAboutFrame();
  const AboutPieces& at = dialog.Pieces();
  const QImage& shown = dialog.Frame();
  EXPECT_EQ(shown.pixel(at.leftX + 5, 102 + 40), LoadPicture(126).pixel(5, 40));
  EXPECT_EQ(shown.pixel(102 + 30, at.topY + 10), LoadPicture(106).pixel(30, 10));
  EXPECT_EQ(shown.pixel(at.rightX + 3, 102 + 50), LoadPicture(127).pixel(3, 50));
  EXPECT_EQ(shown.pixel(0, 300), qRgb(0, 0, 0));        // outline
  EXPECT_EQ(shown.pixel(5, 300), qRgb(255, 255, 255));  // white inside
  int frames = 5;
  for (; !at.AtRest() && frames < 100; ++frames) dialog.DrawAboutFrame();
  EXPECT_EQ(frames, 18);  // the top piece is the slowest
  dialog.DrawAboutFrame();
  EXPECT_EQ(QPoint(at.leftX, at.topY), QPoint(22, 72));
  EXPECT_EQ(at.rightX, 192);
}

TEST_F(AboutDialogTest, SplashPlaysItsJingleAndClosesByItselfOrAtATap) {
  AboutDialog dialog(bench.ctx, true);
  dialog.SetSplashCloseDelay(200);
  dialog.show();
  EXPECT_FALSE(dialog.OkButton()->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Animating(); }, 1000));
  EXPECT_EQ(bench.sounds, std::vector<int>({static_cast<int>(GameSound::Splash)}));
  EXPECT_EQ(dialog.Frame().pixel(120, 150), LoadPicture(170).pixel(120, 150));
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 2000));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  AboutDialog tapped(bench.ctx, true);
  tapped.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !tapped.Animating(); }, 1000));
  TapAt(tapped, 120, 150);
  EXPECT_FALSE(tapped.isVisible());
}

using PreferencesDialogTest = DialogTest;

TEST_F(PreferencesDialogTest, WhiteBehindTheLabelsAndBoxes) {
  PreferencesDialog dialog(bench.ctx);
  dialog.show();
  const QImage shown = dialog.grab().toImage();
  const QLabel* label = dialog.findChild<QLabel*>();
  for (const QPoint at : {QPoint(2, 2), label->geometry().topRight() + QPoint(-2, 2),
                          QPoint(shown.width() - 3, shown.height() - 3)})
    EXPECT_EQ(shown.pixel(at) & 0xFFFFFFu, 0xFFFFFFu) << at.x() << ", " << at.y();
}

using GameStatsDialogTest = DialogTest;

TEST_F(GameStatsDialogTest, LevelFollowsTheComputerSeats) {
  const struct {
    std::initializer_list<SeatKind> kinds;
    const char* level;
  } tables[] = {{{KindHuman, KindSmart, KindTight}, "Pro"},
                {{KindHuman, KindErratic, KindTight}, "Beginner"},
                {{KindHuman, KindHiddenHuman, KindInactive}, "Intermediate"}};
  for (const auto& table : tables) {
    SCOPED_TRACE(table.level);
    bench.SeatKinds(table.kinds);
    EXPECT_EQ(GameStatsDialog(bench.ctx).FigureLabel(2)->text(), table.level);
  }
}

}  // namespace
}  // namespace qf::test
