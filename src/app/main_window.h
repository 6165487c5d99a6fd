// The main window: owns the table, the session and the random source, shows
// the table, routes the timer, the mouse, the keys and the menu commands to
// the game, records the hands played, and saves the table when it closes.
#pragma once

#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/app_table_ui.h"
#include "app/bet_popup_list.h"
#include "app/help_window.h"
#include "app/odds_counter.h"
#include "app/history_window.h"
#include "app/sound_player.h"
#include "app/table_widget.h"
#include "engine/rng.h"
#include "engine/table_file.h"
#include "engine/table_record.h"
#include "flow/session.h"
#include "history/table_history.h"
#include "view/table_view.h"

class QAction;

namespace qf {

struct MainWindowConfig {
  QString dataFile;  // where the table is read at start and saved at exit
  uint64_t seed = 0;
  int zoom = 2;          // 1..4
  bool autoTick = true;  // false: the tick timer never starts (tests call RunTick)
  // Runs a modal dialog; empty: QDialog::exec. Tests answer dialogs with it.
  std::function<int(QDialog&)> runDialog;
  // Pauses of the animations; empty: the view's own (real) pauses.
  std::function<void(int ms)> pause;
  // Where sounds go; empty: the sound effects.
  std::function<void(GameSound)> playSound;
  // Print the time to the first shown table on standard error.
  bool reportStartup = false;
  std::chrono::steady_clock::time_point startedAt = std::chrono::steady_clock::now();
};

inline constexpr int kTickMs = 100;
inline constexpr char kOddsSetting[] = "table/odds";

// The program's icon, drawn for each size of the desktop's icon theme.
QIcon ProgramIcon();

class MainWindow : public QMainWindow, private AppUiHost {
  Q_OBJECT
 public:
  explicit MainWindow(MainWindowConfig config, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Loads the table (or builds the first-run table), shows the window, draws
  // the table (the first run asks for a table here) and shows the splash.
  void Start();
  // One tick of the game timer.
  void RunTick();
  void SetZoom(int zoom);
  void OpenHelp(const QString& anchor);
  // Brings the window forward (a second start of the program asks for this).
  void RaiseWindow();

  TableRecord& Table() { return table_; }
  SessionState& Session() { return session_; }
  TableUi& Ui() { return ui_; }
  const QImage& BackBuffer() const { return view_.BackBuffer(); }
  TableWidget* TableArea() { return tableWidget_; }
  OddsCounter& Odds() { return odds_; }
  BetPopupList* BetPopup() { return popup_; }
  HelpWindow* Help() { return help_; }
  HistoryWindow* HandHistory() { return historyWindow_; }
  const TableHistory& History() const { return history_; }
  const QTimer& TickTimer() const { return tickTimer_; }
  LoadStatus StartStatus() const { return startStatus_; }
  int Zoom() const { return tableWidget_->Zoom(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // AppUiHost
  void PlaySoundEffect(GameSound sound) override;
  int RunDialog(QDialog& dialog) override;
  DialogContext MakeDialogContext(TableRecord& table) override;
  QWidget* DialogParent() override { return this; }
  void ShowBetPopupList(const BetPopupState& popup) override;
  void CloseBetPopupList() override;

  void ReportStartupPhase(const char* phase) const;
  void BuildMenus();
  QAction* AddCommand(QMenu* menu, const QString& text, const char* name,
                      std::function<void()> command);
  void OnStylus(StylusEvent event, int x, int y);
  void OnKey(int key, bool down);
  void OnPainted();
  void OnPopupCommit(int row);
  void OnPopupDismiss(int focusButton);
  void DismissPopupIfOpen();

  // Runs after every handler that may have changed the table: records the
  // change in the hand history, and shows the back buffer when its visible
  // part changed since the last time.
  void Present();
  // A whole-table paint, run as soon as no dialog, popup or handler is busy
  // (after a dialog or the popup closed, as an uncovered window repaints).
  void RequestTablePaint();
  void RunPendingTablePaint();
  bool CanRunGame() const;
  void SaveUnlessVisitor();

  template <typename Dialog>
  void RunSettingsDialog();
  void NewTableCommand();
  void AboutCommand();
  void HandHistoryCommand();
  void ToggleNames(bool on);
  void ToggleAmounts(bool on);
  void ToggleOdds(bool on);
  // Asks for the odds of the table as it stands and shows what is counted.
  void ShowOdds();

  MainWindowConfig config_;
  TableRecord table_{};
  SessionState session_;
  Rng rng_;
  TableView view_;
  AppTableUi ui_;
  OddsCounter odds_;
  TableWidget* tableWidget_ = nullptr;
  QTimer tickTimer_;
  SoundPlayer sound_;
  QPointer<HelpWindow> help_;
  TableHistory history_;
  QPointer<HistoryWindow> historyWindow_;
  QPointer<BetPopupList> popup_;
  QList<QAction*> zoomActions_;
  QImage shown_;  // the visible part as last presented
  LoadStatus startStatus_ = LoadStatus::Missing;
  int handlerDepth_ = 0;  // > 0 while the game is inside a handler
  bool tablePaintPending_ = false;
  bool firstPaintSeen_ = false;
  bool closed_ = false;
};

}  // namespace qf
