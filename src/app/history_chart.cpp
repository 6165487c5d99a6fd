#include "app/history_chart.h"

#include <QCursor>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "app/hand_list_model.h"
#include "history/hand_text.h"

namespace qf {
namespace {

constexpr size_t kMostMarkedPoints = 150;  // beyond this the lines are drawn without dots

// Sets the range rounded out to round numbers, worked out on an axis of no
// chart: every change of a chart's axis lays all its points out again.
void SetNiceRange(QValueAxis& axis, double low, double high) {
  QValueAxis nice;
  nice.setRange(low, high);
  nice.applyNiceNumbers();
  if (nice.min() == axis.min() && nice.max() == axis.max()) return;
  axis.setTickCount(nice.tickCount());
  axis.setRange(nice.min(), nice.max());
}

}  // namespace

HistoryChart::HistoryChart(QWidget* parent)
    : QChartView(parent),
      stack_(new QLineSeries),
      balance_(new QLineSeries),
      handsAxis_(new QValueAxis),
      dollarsAxis_(new QValueAxis) {
  auto* chart = new QChart;
  stack_->setName("Your stack");
  balance_->setName("Your cash balance");
  handsAxis_->setTitleText("Hands played");
  handsAxis_->setLabelFormat("%d");
  dollarsAxis_->setTitleText("Dollars");
  dollarsAxis_->setLabelFormat("%d");
  chart->addAxis(handsAxis_, Qt::AlignBottom);
  chart->addAxis(dollarsAxis_, Qt::AlignLeft);
  for (QLineSeries* series : {stack_, balance_}) {
    chart->addSeries(series);
    series->attachAxis(handsAxis_);
    series->attachAxis(dollarsAxis_);
    connect(series, &QLineSeries::hovered, this, &HistoryChart::ShowTip);
    connect(series, &QLineSeries::clicked, this, [this](const QPointF& value) {
      if (const int point = PointNear(value); point >= 0) emit HandClicked(points_[point].hand);
    });
  }
  chart->legend()->setAlignment(Qt::AlignBottom);
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  Fit();
}

bool HistoryChart::Append(const HandRecord& hand, int index, QList<QPointF>& stack,
                          QList<QPointF>& balance) {
  const int you = YouIn(hand);
  if (you < 0) return false;
  const HandPlayer& player = hand.players[you];
  const double x = static_cast<double>(points_.size() + 1);
  stack.append({x, static_cast<double>(player.finishingStack)});
  balance.append({x, static_cast<double>(player.finishingBalance)});
  low_ = std::min({low_, stack.back().y(), balance.back().y()});
  high_ = std::max({high_, stack.back().y(), balance.back().y()});
  points_.push_back({index, hand.number, int64_t{player.finishingStack} - player.startingStack});
  return true;
}

void HistoryChart::SetHands(const std::vector<HandRecord>& hands) {
  points_.clear();
  low_ = high_ = 0;
  QList<QPointF> stack, balance;
  for (size_t i = 0; i < hands.size(); ++i) Append(hands[i], static_cast<int>(i), stack, balance);
  // The points go in last, laid out once.
  stack_->clear();
  balance_->clear();
  MarkPoints();
  Fit();
  stack_->replace(stack);
  balance_->replace(balance);
}

void HistoryChart::AddHand(const HandRecord& hand, int index) {
  QList<QPointF> stack, balance;
  if (!Append(hand, index, stack, balance)) return;
  MarkPoints();
  Fit();
  stack_->append(stack);
  balance_->append(balance);
}

void HistoryChart::MarkPoints() {
  const bool marked = points_.size() <= kMostMarkedPoints;
  for (QLineSeries* series : {stack_, balance_}) {
    if (series->pointsVisible() != marked) series->setPointsVisible(marked);
  }
}

void HistoryChart::Fit() {
  SetNiceRange(*handsAxis_, 0, std::max(static_cast<double>(points_.size()), 2.0));
  const double margin = std::max(10.0, (high_ - low_) * 0.05);
  SetNiceRange(*dollarsAxis_, low_ - (low_ < 0 ? margin : 0), high_ + margin);
}

int HistoryChart::PointNear(const QPointF& value) const {
  if (points_.empty()) return -1;
  const long nearest = std::lround(value.x()) - 1;
  return static_cast<int>(std::clamp<long>(nearest, 0, static_cast<long>(points_.size()) - 1));
}

void HistoryChart::ShowTip(const QPointF& value, bool on) {
  const int point = PointNear(value);
  if (on && point >= 0) {
    const Point& at = points_[point];
    QToolTip::showText(QCursor::pos(),
                       QString("Hand %1: %2").arg(at.number).arg(MoneyText(at.result, true)), this);
  } else {
    QToolTip::hideText();
  }
}

}  // namespace qf
