#include "app/hand_list_model.h"

#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <algorithm>

#include "history/hand_text.h"

namespace qf {

QString MoneyText(int64_t amount, bool sign) {
  const QString dollars = "$" + QString::number(amount < 0 ? -amount : amount);
  if (amount < 0) return "-" + dollars;
  return sign && amount > 0 ? "+" + dollars : dollars;
}

void HandListModel::SetHands(std::vector<HandRecord> hands) {
  beginResetModel();
  hands_ = std::move(hands);
  Refilter();
  endResetModel();
}

void HandListModel::AddHand(HandRecord hand) {
  hands_.push_back(std::move(hand));
  if (!Listed(hands_.back())) return;
  beginInsertRows({}, 0, 0);  // the newest hand is the top row
  listed_.push_back(static_cast<int>(hands_.size()) - 1);
  endInsertRows();
}

void HandListModel::SetOnlyMine(bool only) {
  beginResetModel();
  onlyMine_ = only;
  Refilter();
  endResetModel();
}

bool HandListModel::Listed(const HandRecord& hand) const {
  return !onlyMine_ || YouIn(hand) >= 0;
}

void HandListModel::Refilter() {
  listed_.clear();
  for (size_t i = 0; i < hands_.size(); ++i) {
    if (Listed(hands_[i])) listed_.push_back(static_cast<int>(i));
  }
}

int HandListModel::HandAt(int row) const {
  if (row < 0 || row >= rowCount()) return -1;
  return listed_[listed_.size() - 1 - static_cast<size_t>(row)];
}

int HandListModel::RowOf(int hand) const {
  const auto at = std::lower_bound(listed_.begin(), listed_.end(), hand);
  if (at == listed_.end() || *at != hand) return -1;
  return static_cast<int>(listed_.end() - at) - 1;
}

int HandListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(listed_.size());
}

int HandListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant HandListModel::data(const QModelIndex& index, int role) const {
  const int at = HandAt(index.row());
  if (at < 0) return {};
  const HandRecord& hand = hands_[at];
  const int you = YouIn(hand);
  const int64_t result = you < 0 ? 0
                                 : int64_t{hand.players[you].finishingStack} -
                                       int64_t{hand.players[you].startingStack};
  if (role == Qt::TextAlignmentRole) {
    const bool number = index.column() == kNumber || index.column() >= kPot;
    return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  }
  if (role == Qt::ForegroundRole && index.column() == kResult && result != 0) {
    return QBrush(result > 0 ? QColor(0x00, 0x80, 0x20) : QColor(0xc0, 0x10, 0x10));
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kNumber:
      return QString::number(hand.number);
    case kTime:
      return QDateTime::fromSecsSinceEpoch(hand.startTime).toString("yyyy-MM-dd hh:mm");
    case kYourCards:
      return you < 0
                 ? QString()
                 : QString::fromStdString(CardList(hand.players[you].hole.data(), hand.holeCards));
    case kBoard: {
      const std::vector<uint8_t> board = BoardOf(hand);
      return QString::fromStdString(CardList(board.data(), static_cast<int>(board.size())));
    }
    case kPot:
      return MoneyText(static_cast<int64_t>(PotOf(hand)));
    case kResult:
      return you < 0 ? QString() : MoneyText(result, true);
    default:
      return {};
  }
}

QVariant HandListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kTitles[kColumnCount] = {"Hand",  "Time", "Your cards",
                                                    "Board", "Pot",  "Result"};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= kColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return QString(kTitles[section]);
}

}  // namespace qf
