// About Quillfern, and the start-up splash. The About box slides three
// pieces in (a tap ends the slide at once), then shows the About picture,
// whose hot spots open the help or the project's web page. The splash shows
// its picture with the jingle and closes itself after five seconds or at
// the first tap.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "dialogs/about_animation.h"
#include "dialogs/dialog_context.h"

class QPushButton;

namespace qf {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFrameMs = 25;
  static constexpr int kSplashCloseMs = 5000;

  AboutDialog(DialogContext& ctx, bool splashMode, QWidget* parent = nullptr);

  // Draws one frame of the opening slide.
  void DrawAboutFrame();

  // A tap (stylus release) at a point in picture pixels.
  void Tap(int x, int y);

  // Opens the project's web page; replaceable for tests.
  void SetUrlOpener(std::function<void(const QUrl&)> opener) { openUrl_ = std::move(opener); }
  // How long the splash stays after its picture appears; shortened by tests.
  void SetSplashCloseDelay(int ms) { splashCloseMs_ = ms; }

  bool Animating() const { return animating_; }
  const AboutPieces& Pieces() const { return pieces_; }
  const QImage& Frame() const { return frame_; }  // 240 x 320, unscaled
  QWidget* Canvas() const { return canvas_; }
  QPushButton* OkButton() const { return ok_; }

  static QUrl WebPage();

  // The size the About box asks for at a zoom, frame left out. It is the
  // tallest window of the game (the splash is the same without its OK).
  static QSize SizeAtZoom(int zoom);

 protected:
  void reject() override;  // closing the window is its OK

 private:
  void ClearFrame();
  void OnFrameTimer();
  void ShowFinalPicture();
  void Close();

  DialogContext& ctx_;
  bool splash_;
  bool animating_ = true;
  AboutPieces pieces_;
  QImage frame_;
  QImage leftPiece_;
  QImage topPiece_;
  QImage rightPiece_;
  QTimer frameTimer_;
  QTimer closeTimer_;
  int splashCloseMs_ = kSplashCloseMs;
  std::function<void(const QUrl&)> openUrl_;
  QWidget* canvas_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace qf
