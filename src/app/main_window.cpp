#include "app/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QSettings>
#include <cstdio>
#include <cstring>

#include "app/command_line.h"
#include "app/data_file.h"
#include "dialogs/about_dialog.h"
#include "dialogs/betting_dialog.h"
#include "dialogs/game_stats_dialog.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "engine/deck.h"
#include "flow/bet_popup.h"
#include "flow/button_bar.h"
#include "flow/driver.h"
#include "flow/repaint.h"
#include "flow/table_input.h"
#include "history/history_files.h"

namespace qf {
namespace {

// Marks the game as busy for the life of a handler.
class HandlerScope {
 public:
  explicit HandlerScope(int& depth) : depth_(depth) { ++depth_; }
  ~HandlerScope() { --depth_; }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;

 private:
  int& depth_;
};

constexpr int kNoPosition = -32768;
constexpr int kOddsStripHeight = 10;

bool SameVisiblePart(const QImage& buffer, const QImage& shown) {
  if (shown.isNull() || shown.format() != buffer.format()) return false;
  const size_t rowBytes = static_cast<size_t>(kTableWidth) * (buffer.depth() / 8);
  for (int y = 0; y < kTableHeight; ++y) {
    if (std::memcmp(buffer.constScanLine(y), shown.constScanLine(y), rowBytes) != 0) return false;
  }
  return true;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (const QString& size : QDir(":/icons/hicolor").entryList())
    icon.addFile(":/icons/hicolor/" + size + "/apps/org.quillfern.quillfern.png");
  return icon;
}

MainWindow::MainWindow(MainWindowConfig config, QWidget* parent)
    : QMainWindow(parent),
      config_(std::move(config)),
      rng_(config_.seed),
      view_(session_),
      ui_(view_, *this),
      history_(HistoryFolderFor(QFile::encodeName(config_.dataFile).toStdString())) {
  setWindowTitle("Quillfern");
  setWindowIcon(ProgramIcon());

  tableWidget_ =
      new TableWidget(view_.BackBuffer(), std::clamp(config_.zoom, kMinZoom, kMaxZoom), this);
  tableWidget_->setObjectName("table");
  tableWidget_->SetHandlers({
      [this](StylusEvent event, int x, int y) { OnStylus(event, x, y); },
      [this](int key, bool down) { OnKey(key, down); },
      [this] { OnPainted(); },
  });
  setCentralWidget(tableWidget_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  view_.SetPresenter([this] { tableWidget_->repaint(); });
  if (config_.pause) view_.SetPauseFunction(config_.pause);

  connect(&odds_, &OddsCounter::TextChanged, this, [this] { ShowOdds(); });
  tickTimer_.setInterval(kTickMs);
  connect(&tickTimer_, &QTimer::timeout, this, &MainWindow::RunTick);
  BuildMenus();
}

MainWindow::~MainWindow() {
  tickTimer_.stop();
}

// --- menus -------------------------------------------------------------------------------------

QAction* MainWindow::AddCommand(QMenu* menu, const QString& text, const char* name,
                                std::function<void()> command) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
  return action;
}

void MainWindow::BuildMenus() {
  QMenu* game = menuBar()->addMenu("Game");
  AddCommand(game, "New Table..", "actionNewTable", [this] { NewTableCommand(); });
  AddCommand(game, "Edit Players..", "actionEditPlayers",
             [this] { RunSettingsDialog<PlayerSettingsDialog>(); });
  AddCommand(game, "Edit Game..", "actionEditGame", [this] { RunSettingsDialog<BettingDialog>(); });
  AddCommand(game, "Preferences", "actionPreferences",
             [this] { RunSettingsDialog<PreferencesDialog>(); });
  AddCommand(game, "Stats", "actionStats", [this] { RunSettingsDialog<GameStatsDialog>(); });
  AddCommand(game, "Hand History..", "actionHandHistory", [this] { HandHistoryCommand(); })
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  game->addSeparator();
  AddCommand(game, "Help", "actionHelp", [this] { OpenHelp(QString()); });
  AddCommand(game, "About", "actionAbout", [this] { AboutCommand(); });
  game->addSeparator();
  QAction* exit = AddCommand(game, "Exit", "actionExit", [this] { close(); });
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  exit->setShortcutContext(Qt::ApplicationShortcut);

  QMenu* labels = menuBar()->addMenu("Name | $");
  QAction* names = labels->addAction("Name");
  names->setObjectName("actionNames");
  names->setCheckable(true);
  connect(names, &QAction::toggled, this, &MainWindow::ToggleNames);
  QAction* amounts = labels->addAction("$");
  amounts->setObjectName("actionAmounts");
  amounts->setCheckable(true);
  connect(amounts, &QAction::toggled, this, &MainWindow::ToggleAmounts);
  // The odds are a preference of the player's, kept in the configuration
  // folder rather than in the table.
  QAction* odds = labels->addAction("Odds");
  odds->setObjectName("actionOdds");
  odds->setCheckable(true);
  odds->setChecked(QSettings().value(kOddsSetting, false).toBool());
  connect(odds, &QAction::toggled, this, &MainWindow::ToggleOdds);

  QMenu* view = menuBar()->addMenu("View");
  auto* zoomGroup = new QActionGroup(this);
  for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
    QAction* action = view->addAction(QString("Zoom %1x").arg(zoom));
    action->setObjectName(QString("actionZoom%1").arg(zoom));
    action->setCheckable(true);
    action->setChecked(zoom == Zoom());
    zoomGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, zoom] { SetZoom(zoom); });
    zoomActions_.append(action);
  }
}

// --- start and close ---------------------------------------------------------------------------

void MainWindow::ReportStartupPhase(const char* phase) const {
  if (!config_.reportStartup) return;
  const auto elapsed = std::chrono::steady_clock::now() - config_.startedAt;
  std::fprintf(stderr, "quillfern: %s %.1f ms after start\n", phase,
               std::chrono::duration<double, std::milli>(elapsed).count());
}

void MainWindow::Start() {
  ReportStartupPhase("window built");
  {
    HandlerScope busy(handlerDepth_);
    startStatus_ = LoadOrResetTable(config_.dataFile, table_, rng_, ui_);
  }
  history_.Start(table_);
  ReportStartupPhase("table loaded");
  // The window is on screen from its creation, so the first run's New Table
  // dialog and the splash come up over it.
  show();
  tableWidget_->setFocus();
  {
    HandlerScope busy(handlerDepth_);
    RepaintAll(table_, session_, ui_, true);
  }
  ReportStartupPhase("table drawn");
  Present();
  if (table_.showSplash == 1) {
    DialogContext context = MakeDialogContext(table_);
    AboutDialog splash(context, true, this);
    RunDialog(splash);
  }
  Present();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    tickTimer_.stop();
    DismissPopupIfOpen();
    SaveUnlessVisitor();
    history_.Finish(table_, !session_.visitorMode);
    if (help_) help_->close();
    if (historyWindow_) historyWindow_->close();
  }
  event->accept();
}

void MainWindow::RaiseWindow() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  // A dialog waiting for an answer comes forward with the window.
  if (QWidget* dialog = QApplication::activeModalWidget()) {
    dialog->raise();
    dialog->activateWindow();
  }
}

// --- ticks and presentation --------------------------------------------------------------------

bool MainWindow::CanRunGame() const {
  return QApplication::activeModalWidget() == nullptr && !session_.betPopup.open &&
         handlerDepth_ == 0 && !closed_;
}

void MainWindow::RunTick() {
  // Play never goes on under a dialog or the bet popup, and a tick never runs
  // inside another handler (the end-of-hand questions included).
  if (!CanRunGame()) {
    session_.tickArmed = false;
    return;
  }
  session_.tickArmed = true;
  HandlerScope busy(handlerDepth_);
  if (tablePaintPending_) {
    tablePaintPending_ = false;
    PaintTable(table_, session_, ui_);
  }
  const bool wasSettled = session_.handSettled;
  TickGame(table_, session_, rng_, ui_);
  // A settled hand is kept at once, so that a crash loses at most the hand
  // being played (the table is saved at exit as well).
  if (session_.handSettled && !wasSettled) SaveUnlessVisitor();
  Present();
}

void MainWindow::SaveUnlessVisitor() {
  if (!session_.visitorMode) SaveTableFile(config_.dataFile, table_);
}

void MainWindow::Present() {
  const HandRecord* hand = history_.Observe(table_, !session_.visitorMode);
  if (hand && historyWindow_) historyWindow_->AddHand(*hand);
  ShowOdds();
  const QImage& buffer = view_.BackBuffer();
  if (SameVisiblePart(buffer, shown_)) return;
  shown_ = buffer.copy(0, 0, kTableWidth, kTableHeight);
  tableWidget_->update();
}

void MainWindow::OnPainted() {
  if (!session_.tickArmed && config_.autoTick && !closed_) {
    session_.tickArmed = true;
    tickTimer_.start();  // also restarts the period after ticks were held
  }
  if (!firstPaintSeen_) {
    firstPaintSeen_ = true;
    if (config_.reportStartup) {
      const auto elapsed = std::chrono::steady_clock::now() - config_.startedAt;
      std::fprintf(stderr, "quillfern: first table shown %.1f ms after start (epoch %lld ms)\n",
                   std::chrono::duration<double, std::milli>(elapsed).count(),
                   static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    }
    if (!config_.playSound) QTimer::singleShot(0, &sound_, &SoundPlayer::Preload);
  }
}

void MainWindow::RequestTablePaint() {
  tablePaintPending_ = true;
  QTimer::singleShot(0, this, &MainWindow::RunPendingTablePaint);
}

void MainWindow::RunPendingTablePaint() {
  if (!tablePaintPending_ || !CanRunGame()) return;  // the next tick picks it up
  tablePaintPending_ = false;
  HandlerScope busy(handlerDepth_);
  PaintTable(table_, session_, ui_);
  Present();
}

void MainWindow::SetZoom(int zoom) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  tableWidget_->SetZoom(zoom);
  if (popup_) popup_->PlaceForZoom(zoom);
  for (int i = 0; i < zoomActions_.size(); ++i) zoomActions_[i]->setChecked(i + kMinZoom == zoom);
  adjustSize();
}

// --- input -------------------------------------------------------------------------------------

void MainWindow::OnStylus(StylusEvent event, int x, int y) {
  if (handlerDepth_ > 0) return;
  HandlerScope busy(handlerDepth_);
  if (event == StylusEvent::Up) session_.buttonPressed = false;
  if (session_.betPopup.open) {
    // Any touch of the table closes the list without acting; the release of
    // the same tap then acts on the table as usual.
    DismissBetPopup(session_, ui_, 0);
  } else if (event == StylusEvent::Down) {
    PressButtons(session_, ui_, KeyNone, x, y);
  } else if (event == StylusEvent::Move) {
    TrackButtons(session_, ui_, x, y);
  } else {
    OnTableInput(table_, session_, rng_, ui_, TableInput{KeyNone, x, y});
  }
  Present();
}

void MainWindow::OnKey(int key, bool down) {
  if (handlerDepth_ > 0) return;
  HandlerScope busy(handlerDepth_);
  if (!down) session_.buttonPressed = false;
  if (session_.betPopup.open) return;
  if (down) {
    PressButtons(session_, ui_, key, kNoPosition, kNoPosition);
  } else {
    OnTableInput(table_, session_, rng_, ui_, TableInput{key, kNoPosition, kNoPosition});
  }
  Present();
}

// --- the bet popup -----------------------------------------------------------------------------

void MainWindow::ShowBetPopupList(const BetPopupState& popup) {
  if (popup_) CloseBetPopupList();
  popup_ = new BetPopupList(popup, Zoom(),
                            {[this](int row) { OnPopupCommit(row); },
                             [this](int focusButton) { OnPopupDismiss(focusButton); }},
                            tableWidget_);
  popup_->show();
  popup_->setFocus();
}

void MainWindow::CloseBetPopupList() {
  if (popup_) {
    popup_->hide();
    popup_->deleteLater();
    popup_ = nullptr;
  }
  tableWidget_->setFocus();
  RequestTablePaint();
}

void MainWindow::OnPopupCommit(int row) {
  if (handlerDepth_ > 0 || !session_.betPopup.open) return;
  HandlerScope busy(handlerDepth_);
  CommitBetPopup(table_, session_, ui_, row);
  Present();
}

void MainWindow::OnPopupDismiss(int focusButton) {
  if (handlerDepth_ > 0 || !session_.betPopup.open) return;
  HandlerScope busy(handlerDepth_);
  DismissBetPopup(session_, ui_, focusButton);
  Present();
}

void MainWindow::DismissPopupIfOpen() {
  if (session_.betPopup.open) DismissBetPopup(session_, ui_, 0);
}

// --- dialogs, sound and help -------------------------------------------------------------------

void MainWindow::PlaySoundEffect(GameSound sound) {
  if (config_.playSound) {
    config_.playSound(sound);
  } else {
    sound_.Play(sound);
  }
}

int MainWindow::RunDialog(QDialog& dialog) {
  const int result = config_.runDialog ? config_.runDialog(dialog) : dialog.exec();
  RequestTablePaint();
  return result;
}

DialogContext MainWindow::MakeDialogContext(TableRecord& table) {
  return DialogContext{
      table,
      session_,
      rng_,
      [this](const QString& anchor) { OpenHelp(anchor); },
      [this](int sound) { PlayGameSound(table_, ui_, static_cast<GameSound>(sound)); },
      Zoom(),
  };
}

void MainWindow::OpenHelp(const QString& anchor) {
  if (!help_) help_ = new HelpWindow(this);
  help_->ShowAt(anchor);
}

// --- commands ----------------------------------------------------------------------------------

template <typename Dialog>
void MainWindow::RunSettingsDialog() {
  if (handlerDepth_ > 0) return;
  HandlerScope busy(handlerDepth_);
  DismissPopupIfOpen();
  DialogContext context = MakeDialogContext(table_);
  {
    Dialog dialog(context, this);
    RunDialog(dialog);
  }
  // The dialog may have changed colours, seats or betting; the hand goes on.
  RepaintAll(table_, session_, ui_, false);
  Present();
}

void MainWindow::NewTableCommand() {
  if (handlerDepth_ > 0) return;
  HandlerScope busy(handlerDepth_);
  DismissPopupIfOpen();
  if (AskForNewTable(table_, session_, ui_)) {
    NewHand(table_, rng_);
    RepaintAll(table_, session_, ui_, false);
    Present();
  }
}

void MainWindow::AboutCommand() {
  if (handlerDepth_ > 0) return;
  HandlerScope busy(handlerDepth_);
  DialogContext context = MakeDialogContext(table_);
  AboutDialog about(context, false, this);
  RunDialog(about);
}

void MainWindow::HandHistoryCommand() {
  if (!historyWindow_) {
    // A Visitor table's hands are kept only in memory.
    const QString folder =
        session_.visitorMode ? QString() : QFile::decodeName(history_.Folder().c_str());
    historyWindow_ = new HistoryWindow(folder, history_.Hands(), Zoom(), this);
  }
  historyWindow_->show();
  historyWindow_->raise();
  historyWindow_->activateWindow();
}

void MainWindow::ToggleNames(bool on) {
  session_.showNames = on;
  ui_.DrawFullTable(table_, false);
  Present();
}

void MainWindow::ToggleOdds(bool on) {
  QSettings().setValue(kOddsSetting, on);
  ShowOdds();
}

void MainWindow::ShowOdds() {
  const QAction* odds = findChild<QAction*>("actionOdds");
  if (odds != nullptr && odds->isChecked()) {
    odds_.Ask(table_);
  } else {
    odds_.Clear();
  }
  // The strip right under the board cards, where nothing else is drawn.
  const Rect board = TableView::BoardCardsRect(table_);
  tableWidget_->SetOverlay(odds_.Text(), QRect(board.left - 10, board.bottom + 1,
                                               board.Width() + 20, kOddsStripHeight));
}

void MainWindow::ToggleAmounts(bool on) {
  session_.showAmounts = on;
  ui_.DrawFullTable(table_, false);
  Present();
}

}  // namespace qf
