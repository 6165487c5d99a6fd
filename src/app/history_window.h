// "Hand History..": the hands played at this table, newest first, beside a
// replay of the chosen hand on a table drawn as the game draws its own (every
// player's cards face up), the replay's steps in words, and a chart of your
// stack and cash balance over the hands. Not modal: the game goes on behind
// it and every hand it settles joins the list at once.
//
// The replay plays one step every 700 ms, about the pace at which the
// computer players act. Choosing a hand plays it from its start; stepping by
// hand (buttons, Left/Right, a click on a step) pauses. Keys: Up/Down choose
// the newer/older hand, Left/Right step, Space plays or pauses.
#pragma once

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "app/hand_list_model.h"
#include "flow/session.h"
#include "history/replay.h"
#include "view/table_view.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;

namespace qf {

class HistoryChart;
class TableWidget;

inline constexpr int kReplayStepMs = 700;

class HistoryWindow : public QWidget {
  Q_OBJECT
 public:
  // Lists runHands (the hands of this run) at once and the hands of the day
  // files in folder ("" for none) once they are read, off the game's thread.
  HistoryWindow(const QString& folder, std::vector<HandRecord> runHands, int zoom,
                QWidget* parent = nullptr);

  // A hand the game has just settled.
  void AddHand(const HandRecord& hand);

  bool Loading() const { return loading_; }
  const HandListModel& Model() const { return model_; }
  int CurrentHand() const { return hand_; }  // index into Model().Hands(); -1 for none
  int CurrentStep() const { return step_; }
  bool Playing() const { return playTimer_.isActive(); }
  QTableView* HandList() const { return list_; }
  QCheckBox* OnlyMineBox() const { return onlyMine_; }
  QListWidget* StepList() const { return steps_; }
  QLabel* ProblemLabel() const { return problem_; }
  QTabWidget* Tabs() const { return tabs_; }
  HistoryChart* Chart() const { return chart_; }
  QPushButton* CopyButton() const { return copy_; }

 private:
  void BuildLayout(int zoom);
  void WireSignals();
  void OnLoaded();
  void ShowCount();
  void UpdateChart();
  void ChooseHand(int hand);
  void SelectRow(int row);
  void ShowStep(int step);
  void StepBy(int by);
  void PlayOrPause();
  void SetPlaying(bool on);

  HandListModel model_;
  SessionState replaySession_;
  TableView replayView_;
  Replay replay_;
  int hand_ = -1;
  int step_ = 0;
  QTimer playTimer_;
  QFutureWatcher<std::vector<HandRecord>> loader_;
  bool loading_ = false;
  bool chartBehind_ = true;  // hands came that the chart does not show yet

  QCheckBox* onlyMine_ = nullptr;
  QLabel* count_ = nullptr;
  QTableView* list_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  TableWidget* tableArea_ = nullptr;
  QListWidget* steps_ = nullptr;
  QLabel* problem_ = nullptr;
  QPushButton* first_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* last_ = nullptr;
  QPushButton* copy_ = nullptr;
  HistoryChart* chart_ = nullptr;
};

}  // namespace qf
