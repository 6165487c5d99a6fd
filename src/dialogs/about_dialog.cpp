#include "dialogs/about_dialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/dialog_pictures.h"
#include "flow/table_ui.h"

namespace qf {

namespace {

constexpr int kLeftPiecePicture = 126;
constexpr int kTopPiecePicture = 106;
constexpr int kRightPiecePicture = 127;
constexpr int kAboutPicture = 107;
constexpr int kSplashPicture = 170;

// Shows the dialog's 240 x 320 frame scaled by the zoom and reports taps in
// picture pixels.
class AboutCanvas : public QWidget {
 public:
  AboutCanvas(const QImage& frame, int zoom, std::function<void(int, int)> tap, QWidget* parent)
      : QWidget(parent), frame_(frame), zoom_(zoom), tap_(std::move(tap)) {
    setFixedSize(kAboutWidth * zoom_, kAboutHeight * zoom_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawScaled(painter, 0, 0, frame_, zoom_);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    tap_(at.x() / zoom_, at.y() / zoom_);
  }

 private:
  const QImage& frame_;
  int zoom_;
  std::function<void(int, int)> tap_;
};

}  // namespace

QUrl AboutDialog::WebPage() {
  return QUrl(QStringLiteral("https://quillfern.example.org/"));
}

QSize AboutDialog::SizeAtZoom(int zoom) {
  // Measured on a box made for the purpose, so it follows the layout and the
  // style of the running program.
  TableRecord table{};
  SessionState session;
  Rng rng;
  DialogContext ctx{table, session, rng, {}, {}, zoom};
  return AboutDialog(ctx, false).sizeHint();
}

AboutDialog::AboutDialog(DialogContext& ctx, bool splashMode, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      splash_(splashMode),
      frame_(kAboutWidth, kAboutHeight, QImage::Format_RGB32),
      leftPiece_(LoadPicture(kLeftPiecePicture)),
      topPiece_(LoadPicture(kTopPiecePicture)),
      rightPiece_(LoadPicture(kRightPiecePicture)),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
  setWindowTitle(QStringLiteral("About Quillfern"));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  const int zoom = std::max(ctx_.zoom, 1);
  ClearFrame();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 6);
  canvas_ = new AboutCanvas(
      frame_, zoom, [this](int x, int y) { Tap(x, y); }, this);
  layout->addWidget(canvas_);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(6, 0, 6, 0);
  buttons->addWidget(ok_);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  if (splash_) ok_->hide();
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok_, &QPushButton::clicked, this, &AboutDialog::Close);
  connect(&frameTimer_, &QTimer::timeout, this, &AboutDialog::OnFrameTimer);
  closeTimer_.setSingleShot(true);
  closeTimer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may end the splash early
  frameTimer_.setTimerType(Qt::PreciseTimer);
  connect(&closeTimer_, &QTimer::timeout, this, &AboutDialog::Close);
  frameTimer_.start(kFrameMs);
}

void AboutDialog::ClearFrame() {
  // A thin black outline around white, the background of every frame.
  QPainter painter(&frame_);
  painter.fillRect(frame_.rect(), Qt::white);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, kAboutWidth - 1, kAboutHeight - 1);
}

void AboutDialog::DrawAboutFrame() {
  pieces_.Step();
  ClearFrame();
  QPainter painter(&frame_);
  painter.drawImage(pieces_.leftX, kPieceRowY, leftPiece_);
  painter.drawImage(kTopPieceX, pieces_.topY, topPiece_);
  painter.drawImage(pieces_.rightX, kPieceRowY, rightPiece_);
  painter.end();
  canvas_->update();
}

void AboutDialog::OnFrameTimer() {
  if (!animating_) return;
  if (splash_ || pieces_.AtRest()) {
    ShowFinalPicture();
  } else {
    DrawAboutFrame();
  }
}

void AboutDialog::ShowFinalPicture() {
  frameTimer_.stop();
  animating_ = false;
  ClearFrame();
  QPainter painter(&frame_);
  painter.drawImage(0, 0, LoadPicture(splash_ ? kSplashPicture : kAboutPicture));
  painter.end();
  canvas_->update();
  if (splash_) {
    if (ctx_.playSound) ctx_.playSound(static_cast<int>(GameSound::Splash));
    closeTimer_.start(splashCloseMs_);
  }
}

void AboutDialog::Tap(int x, int y) {
  if (animating_) {
    ShowFinalPicture();  // hot spots answer from the next tap on
    return;
  }
  if (splash_) {
    Close();
    return;
  }
  switch (AboutHotSpotAt(x, y)) {
    case AboutHotSpot::ContactUs:
      if (ctx_.openHelp) ctx_.openHelp(QStringLiteral("contact_us"));
      break;
    case AboutHotSpot::Trademarks:
      if (ctx_.openHelp) ctx_.openHelp(QStringLiteral("trademarks_copyrights"));
      break;
    case AboutHotSpot::WebPage:
      if (openUrl_) openUrl_(WebPage());
      break;
    case AboutHotSpot::None:
      break;
  }
}

void AboutDialog::Close() {
  frameTimer_.stop();
  closeTimer_.stop();
  accept();
}

void AboutDialog::reject() {
  Close();
}

}  // namespace qf
