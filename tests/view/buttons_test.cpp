// The action buttons: faces, labels, focus, erasing, and the feedback while
// the stylus or a key is down.
#include <gtest/gtest.h>

#include "flow/button_bar.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

constexpr int kFaceX[4] = {0, 5, 80, 155};

// The lower rows of the face, below where a one-line label is written.
bool ShowsFace(const QImage& buffer, int button, bool lit) {
  return ShowsPicture(buffer, lit ? picture::kButtonLit : picture::kButtonPlain, kFaceX[button],
                      244 + 17, 0, 17, 65, 4);
}

int WhitePixels(const QImage& buffer, const Rect& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      count += (buffer.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
    }
  }
  return count;
}

// The box around the pixels of area that differ between two images.
QRect Changed(const QImage& a, const QImage& b, const Rect& area) {
  QRect box;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

class Buttons : public ViewTest {
 protected:
  Buttons() {
    view.FillFelt(kWholeArea);
    session.buttonLabel = {"Call 4", "Raise", "Fold"};
    for (int n = 1; n <= 3; ++n) {
      ui.DrawButton(n, session.buttonLabel[n - 1], false);
      session.buttonShown[n - 1] = true;
    }
  }
};

TEST_F(Buttons, FacesAndCentredWhiteLabels) {
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(ShowsFace(Buffer(), n, false)) << n;
  ui.DrawButton(2, "", true);
  // An empty label is the bare face.
  EXPECT_TRUE(ShowsPicture(Buffer(), picture::kButtonLit, 80, 244));
  const QImage bare = Buffer().copy();
  ui.DrawButton(2, "Raise", true);
  EXPECT_TRUE(ShowsFace(Buffer(), 2, true));
  // The label is written in white inside the hit rectangle, centred across it.
  const Rect hit = ButtonHitRect(2);
  const QRect ink = Changed(bare, Buffer(), {hit.left - 5, 240, hit.right + 5, 269});
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(WhitePixels(Buffer(), hit), 5);
  EXPECT_GE(ink.left(), hit.left);
  EXPECT_LE(ink.right(), hit.right - 1);
  EXPECT_GE(ink.top(), hit.top);
  EXPECT_LE(std::abs((ink.left() - hit.left) - (hit.right - 1 - ink.right())), 2);
}

TEST_F(Buttons, FocusLightsOneButtonAndFallsBackToTheFirst) {
  session.focusedButton = 3;
  ShowButtonFocus(session, ui);
  EXPECT_TRUE(ShowsFace(Buffer(), 1, false));
  EXPECT_TRUE(ShowsFace(Buffer(), 2, false));
  EXPECT_TRUE(ShowsFace(Buffer(), 3, true));
  // The focused middle button vanishes: the left one is lit.
  session.focusedButton = 2;
  session.buttonLabel[1].clear();
  session.buttonShown[1] = false;
  ui.EraseButton(2);
  ShowButtonFocus(session, ui);
  EXPECT_EQ(session.focusedButton, 1);
  EXPECT_TRUE(ShowsFace(Buffer(), 1, true));
  EXPECT_TRUE(IsFelt(Buffer(), ButtonEraseRect(2)));
  EXPECT_TRUE(ShowsFace(Buffer(), 3, false));
}

TEST_F(Buttons, PressAndTrackFeedback) {
  // Button 1 is lit while pressed: by the stylus, or by Enter while it has the focus.
  for (const int key : {0, 13}) {
    ui.DrawButton(1, "Call 4", false);
    PressButtons(session, ui, key, key == 0 ? 20 : 0, 250);
    EXPECT_TRUE(ShowsFace(Buffer(), 1, true)) << key;
  }
  const Rect hit = ButtonHitRect(2);
  PressButtons(session, ui, 0, hit.left + 10, hit.top + 5);  // stylus down on button 2
  EXPECT_TRUE(ShowsFace(Buffer(), 2, true));
  TrackButtons(session, ui, hit.left + 10, 200);  // moved off it
  EXPECT_TRUE(ShowsFace(Buffer(), 2, false));
  TrackButtons(session, ui, hit.left + 12, hit.top + 8);  // and back
  EXPECT_TRUE(ShowsFace(Buffer(), 2, true));
  // A move with nothing pressed draws every shown button plain.
  session.buttonPressed = false;
  TrackButtons(session, ui, hit.left + 12, hit.top + 8);
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(ShowsFace(Buffer(), n, false)) << n;
  // The digit 3 lights button 3 only.
  PressButtons(session, ui, '3', 0, 0);
  EXPECT_TRUE(ShowsFace(Buffer(), 3, true));
  EXPECT_TRUE(ShowsFace(Buffer(), 1, false));
}

TEST_F(Buttons, PushShiftsTheButtonAndRestoresExactlyItsRectangle) {
  ui.DrawButton(2, "Raise", true);
  const QImage before = Buffer().copy();
  QImage shifted;
  view.SetPresenter([&] {
    ++presentations;
    if (presentations == 1) shifted = Buffer().copy();
  });
  ui.AnimateButtonPush(2);
  EXPECT_EQ(presentations, 2);
  EXPECT_EQ(pauses, std::vector<int>{60});

  const Rect hit = ButtonHitRect(2);  // (80, 244)-(150, 264)
  // The shown frame: the button 2 pixels right and down, felt where it was.
  EXPECT_EQ(shifted.copy(82, 246, 70, 20), before.copy(80, 244, 70, 20));
  EXPECT_TRUE(IsFelt(shifted, {80, 244, 150, 246}));
  EXPECT_TRUE(IsFelt(shifted, {80, 244, 82, 264}));

  // Afterwards: the hit rectangle exactly as before, felt in the 2-pixel band
  // the shifted block covered beyond it, and nothing else of the table touched.
  EXPECT_EQ(DifferingPixels(before, Buffer(), hit), 0);
  EXPECT_TRUE(IsFelt(Buffer(), {hit.right, hit.top + 2, hit.right + 2, hit.bottom + 2}));
  EXPECT_TRUE(IsFelt(Buffer(), {hit.left + 2, hit.bottom, hit.right + 2, hit.bottom + 2}));
  EXPECT_EQ(DifferingPixels(before, Buffer(), {0, 0, 240, 244}), 0);
  EXPECT_EQ(DifferingPixels(before, Buffer(), {0, 244, 80, 269}), 0);
  EXPECT_EQ(DifferingPixels(before, Buffer(), {152, 244, 240, 269}), 0);
}

}  // namespace
}  // namespace qf::test
