#include "app/history_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "app/history_chart.h"
#include "app/table_widget.h"
#include "history/history_files.h"
#include "history/phh_format.h"

namespace qf {
namespace {

bool Older(const HandRecord& a, const HandRecord& b) {
  return a.startTime != b.startTime ? a.startTime < b.startTime : a.number < b.number;
}

bool Same(const HandRecord& a, const HandRecord& b) {
  return a.number == b.number && a.startTime == b.startTime;
}

// Every hand of the folder's day files, oldest first.
std::vector<HandRecord> ReadFolder(const std::string& folder) {
  std::vector<HandRecord> hands;
  for (const std::string& file : DayFiles(folder)) {
    std::vector<HandRecord> day = ReadHandsFile(file);
    hands.insert(hands.end(), std::make_move_iterator(day.begin()),
                 std::make_move_iterator(day.end()));
  }
  std::stable_sort(hands.begin(), hands.end(), Older);
  return hands;
}

QPushButton* StepButton(QStyle::StandardPixmap icon, const QString& tip, const char* name) {
  auto* button = new QPushButton(QApplication::style()->standardIcon(icon), QString());
  button->setToolTip(tip);
  button->setObjectName(name);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

HistoryWindow::HistoryWindow(const QString& folder, std::vector<HandRecord> runHands, int zoom,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), replayView_(replaySession_) {
  setWindowTitle("Hand History");
  setAttribute(Qt::WA_DeleteOnClose);
  replaySession_.showNames = replaySession_.showAmounts = true;
  playTimer_.setInterval(kReplayStepMs);
  model_.SetHands(std::move(runHands));
  BuildLayout(zoom);
  WireSignals();
  replayView_.FillFelt(Rect{0, kTableRect.bottom, kTableWidth, kTableHeight});
  if (!folder.isEmpty()) {
    loading_ = true;
    loader_.setFuture(QtConcurrent::run(ReadFolder, QFile::encodeName(folder).toStdString()));
  }
  ShowCount();
  SelectRow(0);
}

void HistoryWindow::BuildLayout(int zoom) {
  onlyMine_ = new QCheckBox("Only hands I played");
  count_ = new QLabel;
  list_ = new QTableView;
  list_->setModel(&model_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setShowGrid(false);
  list_->setAlternatingRowColors(true);
  const int widths[] = {50, 120, 90, 120, 55, 60};
  for (int column = 0; column < HandListModel::kColumnCount; ++column) {
    list_->setColumnWidth(column, widths[column]);
  }
  list_->setMinimumWidth(520);

  tableArea_ = new TableWidget(replayView_.BackBuffer(), std::clamp(zoom, 1, 2));
  tableArea_->setFocusPolicy(Qt::NoFocus);
  steps_ = new QListWidget;
  steps_->setMinimumWidth(240);
  steps_->setFocusPolicy(Qt::NoFocus);
  problem_ = new QLabel;
  problem_->setStyleSheet("color: #b00000");
  problem_->setWordWrap(true);
  problem_->hide();
  first_ = StepButton(QStyle::SP_MediaSkipBackward, "First step", "first");
  previous_ = StepButton(QStyle::SP_MediaSeekBackward, "Previous step (Left)", "previous");
  play_ = StepButton(QStyle::SP_MediaPlay, "Play or pause (Space)", "play");
  next_ = StepButton(QStyle::SP_MediaSeekForward, "Next step (Right)", "next");
  last_ = StepButton(QStyle::SP_MediaSkipForward, "Last step", "last");
  copy_ = new QPushButton("Copy");
  copy_->setToolTip("Copy the hand to the clipboard as PHH text");
  copy_->setFocusPolicy(Qt::NoFocus);

  auto* controls = new QHBoxLayout;
  for (QPushButton* button : {first_, previous_, play_, next_, last_}) controls->addWidget(button);
  controls->addStretch();
  controls->addWidget(copy_);
  auto* replay = new QWidget;
  auto* replayLayout = new QGridLayout(replay);
  replayLayout->addWidget(tableArea_, 0, 0, Qt::AlignTop);
  replayLayout->addWidget(steps_, 0, 1);
  replayLayout->addLayout(controls, 1, 0);
  replayLayout->addWidget(problem_, 1, 1);
  replayLayout->setColumnStretch(1, 1);

  chart_ = new HistoryChart;
  tabs_ = new QTabWidget;
  tabs_->addTab(replay, "Replay");
  tabs_->addTab(chart_, "Chart");

  auto* hands = new QWidget;
  auto* handsLayout = new QVBoxLayout(hands);
  auto* top = new QHBoxLayout;
  top->addWidget(onlyMine_);
  top->addStretch();
  top->addWidget(count_);
  handsLayout->addLayout(top);
  handsLayout->addWidget(list_);
  auto* splitter = new QSplitter;
  splitter->addWidget(hands);
  splitter->addWidget(tabs_);
  splitter->setStretchFactor(1, 1);
  splitter->setChildrenCollapsible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);
}

void HistoryWindow::WireSignals() {
  connect(&loader_, &QFutureWatcher<std::vector<HandRecord>>::finished, this,
          &HistoryWindow::OnLoaded);
  connect(onlyMine_, &QCheckBox::toggled, this, [this](bool on) {
    model_.SetOnlyMine(on);
    ShowCount();
    SelectRow(model_.RowOf(hand_));
  });
  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& row) { ChooseHand(model_.HandAt(row.row())); });
  connect(steps_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    SetPlaying(false);
    ShowStep(steps_->row(item));
  });
  connect(first_, &QPushButton::clicked, this, [this] { StepBy(-step_); });
  connect(previous_, &QPushButton::clicked, this, [this] { StepBy(-1); });
  connect(play_, &QPushButton::clicked, this, &HistoryWindow::PlayOrPause);
  connect(next_, &QPushButton::clicked, this, [this] { StepBy(1); });
  connect(last_, &QPushButton::clicked, this,
          [this] { StepBy(static_cast<int>(replay_.steps.size()) - 1 - step_); });
  connect(&playTimer_, &QTimer::timeout, this, [this] {
    ShowStep(step_ + 1);
    if (step_ + 1 >= static_cast<int>(replay_.steps.size())) SetPlaying(false);
  });
  connect(copy_, &QPushButton::clicked, this, [this] {
    if (hand_ < 0) return;
    const QString text = QString::fromStdString(HandToPhh(model_.Hands()[hand_]));
    QApplication::clipboard()->setText(text.trimmed() + "\n");
  });
  connect(tabs_, &QTabWidget::currentChanged, this, &HistoryWindow::UpdateChart);
  connect(chart_, &HistoryChart::HandClicked, this, [this](int hand) {
    SelectRow(model_.RowOf(hand));
    tabs_->setCurrentIndex(0);
  });
  const std::pair<QKeySequence, std::function<void()>> keys[] = {
      {Qt::Key_Up, [this] { SelectRow(list_->currentIndex().row() - 1); }},
      {Qt::Key_Down, [this] { SelectRow(list_->currentIndex().row() + 1); }},
      {Qt::Key_Left, [this] { StepBy(-1); }},
      {Qt::Key_Right, [this] { StepBy(1); }},
      {Qt::Key_Space, [this] { PlayOrPause(); }},
  };
  for (const auto& [key, command] : keys) {
    connect(new QShortcut(key, this), &QShortcut::activated, this, command);
  }
}

void HistoryWindow::OnLoaded() {
  // The hands read, then those of this run that the files did not hold yet
  // (written since, or never: a Visitor table's). This run's hands are the
  // newest, so they are looked for from the end.
  std::vector<HandRecord> hands = loader_.future().takeResult();
  loading_ = false;
  const size_t read = hands.size();
  for (const HandRecord& hand : model_.Hands()) {
    size_t at = read;
    while (at > 0 && !Same(hands[at - 1], hand)) --at;
    if (at == 0) hands.push_back(hand);
  }
  if (!std::is_sorted(hands.begin(), hands.end(), Older)) {
    std::stable_sort(hands.begin(), hands.end(), Older);
  }
  const HandRecord* chosen = hand_ >= 0 ? &model_.Hands()[hand_] : nullptr;
  int keep = -1;
  for (size_t i = hands.size(); chosen && keep < 0 && i-- > 0;) {
    if (Same(hands[i], *chosen)) keep = static_cast<int>(i);
  }
  model_.SetHands(std::move(hands));
  chartBehind_ = true;
  UpdateChart();
  ShowCount();
  // The hand being replayed stays, without starting again.
  hand_ = keep;
  if (keep >= 0) {
    const QSignalBlocker quiet(list_->selectionModel());
    list_->selectionModel()->setCurrentIndex(
        model_.index(model_.RowOf(keep), 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else {
    SelectRow(0);
  }
}

void HistoryWindow::AddHand(const HandRecord& hand) {
  model_.AddHand(hand);
  const int index = static_cast<int>(model_.Hands().size()) - 1;
  if (chartBehind_ || tabs_->currentWidget() != chart_) {
    chartBehind_ = true;  // laid out again when shown: many points take their time
  } else {
    chart_->AddHand(model_.Hands()[index], index);
  }
  ShowCount();
  if (hand_ < 0) SelectRow(0);
}

void HistoryWindow::UpdateChart() {
  if (!chartBehind_ || tabs_->currentWidget() != chart_) return;
  chartBehind_ = false;
  chart_->SetHands(model_.Hands());
}

void HistoryWindow::ShowCount() {
  const int rows = model_.rowCount();
  count_->setText(Loading()   ? "Reading the history.."
                  : rows == 1 ? "1 hand"
                              : QString("%1 hands").arg(rows));
}

void HistoryWindow::SelectRow(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  const QModelIndex index = model_.index(row, 0);
  list_->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  list_->scrollTo(index);
}

void HistoryWindow::ChooseHand(int hand) {
  if (hand == hand_ || hand < 0) return;
  hand_ = hand;
  const HandRecord& record = model_.Hands()[hand];
  replay_ = ReplayHand(record);
  steps_->clear();
  for (size_t i = 0; i < replay_.steps.size(); ++i) {
    const std::string& text = replay_.steps[i].text;
    steps_->addItem(!text.empty() ? QString::fromStdString(text)
                    : i == 0      ? QString("Hand %1 begins").arg(record.number)
                                  : QString("The hand is over"));
  }
  problem_->setText("The replay stops here: " + QString::fromStdString(replay_.problem));
  problem_->setVisible(!replay_.problem.empty());
  step_ = -1;
  ShowStep(0);
  SetPlaying(replay_.steps.size() > 1);
}

void HistoryWindow::ShowStep(int step) {
  if (replay_.steps.empty() || hand_ < 0) return;
  step_ = std::clamp(step, 0, static_cast<int>(replay_.steps.size()) - 1);
  // The record is the player's own: every card in it is shown face up.
  TableRecord shown = replay_.steps[step_].table;
  for (const HandPlayer& player : model_.Hands()[hand_].players) {
    shown.players[player.seat].kind = KindHuman;
  }
  replayView_.DrawFullTable(shown, false);
  tableArea_->update();
  steps_->setCurrentRow(step_);
}

void HistoryWindow::StepBy(int by) {
  SetPlaying(false);
  ShowStep(step_ + by);
}

void HistoryWindow::PlayOrPause() {
  if (!Playing() && step_ + 1 >= static_cast<int>(replay_.steps.size())) ShowStep(0);
  SetPlaying(!Playing());
}

void HistoryWindow::SetPlaying(bool on) {
  if (on && replay_.steps.size() > 1) {
    playTimer_.start();
  } else {
    playTimer_.stop();
  }
  play_->setIcon(QApplication::style()->standardIcon(Playing() ? QStyle::SP_MediaPause
                                                               : QStyle::SP_MediaPlay));
}

}  // namespace qf
