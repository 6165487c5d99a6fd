// Counts the player's odds off the game's thread: a first figure from 20,000
// deals at once, then a finer one. A figure that arrives for a table that has
// moved on is thrown away.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <optional>

#include "engine/equity.h"
#include "engine/table_record.h"
#include "flow/odds.h"

namespace qf {

class OddsCounter : public QObject {
  Q_OBJECT
 public:
  explicit OddsCounter(QObject* parent = nullptr);
  ~OddsCounter() override;

  // The odds of the table as it stands now: counted anew when the question
  // changed, cleared when no human seat is to act.
  void Ask(const TableRecord& table);
  void Clear();
  const QString& Text() const { return text_; }

  // Waits for a count under way (tests).
  void WaitForCount();

 signals:
  void TextChanged();

 private:
  void StartCount(uint64_t trials);
  void OnCounted();
  void SetText(const QString& text);

  std::optional<OddsQuestion> question_;  // the one to answer
  uint64_t countingKey_ = 0;              // the question the running count answers
  uint64_t countingTrials_ = 0;
  QFutureWatcher<EquityResult> watcher_;
  QString text_;
};

}  // namespace qf
