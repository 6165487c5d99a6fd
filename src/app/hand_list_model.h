// The hand history window's list: one row per hand, newest first, with the
// hand's number and time and what it meant for "you" (your cards, the board,
// the pot, your result); optionally only the hands you were dealt into.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "history/hand_record.h"

namespace qf {

// "$8", "+$8" and "-$8" (signed), as the window writes amounts.
QString MoneyText(int64_t amount, bool sign = false);

class HandListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kNumber, kTime, kYourCards, kBoard, kPot, kResult, kColumnCount };

  using QAbstractTableModel::QAbstractTableModel;

  // All the hands, oldest first; a hand is named by its index here.
  const std::vector<HandRecord>& Hands() const { return hands_; }
  void SetHands(std::vector<HandRecord> hands);
  void AddHand(HandRecord hand);  // one newer than all the others
  void SetOnlyMine(bool only);

  int HandAt(int row) const;  // -1 for no row
  int RowOf(int hand) const;  // -1 when the hand is not listed

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  bool Listed(const HandRecord& hand) const;
  void Refilter();

  std::vector<HandRecord> hands_;
  std::vector<int> listed_;  // indices into hands_, oldest first
  bool onlyMine_ = false;
};

}  // namespace qf
