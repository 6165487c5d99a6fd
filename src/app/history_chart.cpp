#include "app/history_chart.h"

#include <QCursor>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "app/hand_list_model.h"
#include "history/hand_text.h"

namespace qf {
namespace {

constexpr int kMostMarkedPoints = 150;  // beyond this the lines are drawn without dots

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
      if (const int point = PointNear(value); point >= 0) emit HandClicked(handOfPoint_[point]);
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
  const double x = static_cast<double>(handOfPoint_.size() + 1);
  stack.append({x, static_cast<double>(player.finishingStack)});
  balance.append({x, static_cast<double>(player.finishingBalance)});
  low_ = std::min({low_, stack.back().y(), balance.back().y()});
  high_ = std::max({high_, stack.back().y(), balance.back().y()});
  handOfPoint_.push_back(index);
  tipOfPoint_.push_back(
      QString("Hand %1: %2 (stack %3, balance %4)")
          .arg(hand.number)
          .arg(MoneyText(int64_t{player.finishingStack} - player.startingStack, true),
               MoneyText(player.finishingStack), MoneyText(player.finishingBalance)));
  return true;
}

void HistoryChart::SetHands(const std::vector<HandRecord>& hands) {
  handOfPoint_.clear();
  tipOfPoint_.clear();
  low_ = high_ = 0;
  QList<QPointF> stack, balance;
  for (size_t i = 0; i < hands.size(); ++i) Append(hands[i], static_cast<int>(i), stack, balance);
  stack_->replace(stack);
  balance_->replace(balance);
  Fit();
}

void HistoryChart::AddHand(const HandRecord& hand, int index) {
  QList<QPointF> stack, balance;
  if (!Append(hand, index, stack, balance)) return;
  stack_->append(stack);
  balance_->append(balance);
  Fit();
}

void HistoryChart::Fit() {
  const int points = static_cast<int>(handOfPoint_.size());
  handsAxis_->setRange(std::min(1, points), std::max(points, 2));
  handsAxis_->applyNiceNumbers();
  handsAxis_->setMin(std::max(handsAxis_->min(), 0.0));
  const double margin = std::max(10.0, (high_ - low_) * 0.05);
  dollarsAxis_->setRange(low_ - (low_ < 0 ? margin : 0), high_ + margin);
  dollarsAxis_->applyNiceNumbers();
  for (QLineSeries* series : {stack_, balance_}) series->setPointsVisible(points <= kMostMarkedPoints);
}

int HistoryChart::PointNear(const QPointF& value) const {
  if (handOfPoint_.empty()) return -1;
  const long nearest = std::lround(value.x()) - 1;
  return static_cast<int>(std::clamp<long>(nearest, 0, static_cast<long>(handOfPoint_.size()) - 1));
}

void HistoryChart::ShowTip(const QPointF& value, bool on) {
  const int point = PointNear(value);
  if (on && point >= 0) {
    QToolTip::showText(QCursor::pos(), tipOfPoint_[point], this);
  } else {
    QToolTip::hideText();
  }
}

}  // namespace qf
