// The hand history window's chart: your stack and your cash balance after
// each hand you played at this table, oldest on the left. Hovering a point
// names its hand and your result; clicking one asks for that hand.
#pragma once

#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <vector>

#include "history/hand_record.h"

namespace qf {

class HistoryChart : public QChartView {
  Q_OBJECT
 public:
  explicit HistoryChart(QWidget* parent = nullptr);

  // The hands oldest first; a hand is named by its index there.
  void SetHands(const std::vector<HandRecord>& hands);
  void AddHand(const HandRecord& hand, int index);

  QLineSeries* StackSeries() const { return stack_; }
  QLineSeries* BalanceSeries() const { return balance_; }

 signals:
  void HandClicked(int hand);

 private:
  bool Append(const HandRecord& hand, int index, QList<QPointF>& stack, QList<QPointF>& balance);
  void MarkPoints();
  void Fit();
  int PointNear(const QPointF& value) const;
  void ShowTip(const QPointF& value, bool on);

  QLineSeries* stack_;
  QLineSeries* balance_;
  QValueAxis* handsAxis_;
  QValueAxis* dollarsAxis_;
  struct Point {
    int hand;  // index into the hands given
    uint64_t number;
    int64_t result;
  };
  std::vector<Point> points_;
  double low_ = 0;
  double high_ = 0;
};

}  // namespace qf
