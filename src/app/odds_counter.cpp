#include "app/odds_counter.h"

#include <QtConcurrent/QtConcurrentRun>

namespace qf {

namespace {

constexpr uint64_t kFirstDeals = 20'000;
constexpr uint64_t kFinerDeals = 200'000;

}  // namespace

OddsCounter::OddsCounter(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFutureWatcher<EquityResult>::finished, this, &OddsCounter::OnCounted);
}

OddsCounter::~OddsCounter() {
  watcher_.waitForFinished();
}

void OddsCounter::Ask(const TableRecord& table) {
  std::optional<OddsQuestion> question = OddsQuestionFor(table);
  if (!question) {
    Clear();
    return;
  }
  if (question_ && question_->key == question->key) return;  // asked already
  question_ = std::move(question);
  SetText(QString());
  if (!watcher_.isRunning()) StartCount(kFirstDeals);  // else started when it ends
}

void OddsCounter::Clear() {
  question_.reset();
  SetText(QString());
}

void OddsCounter::WaitForCount() {
  while (watcher_.isRunning() || (question_ && text_.isEmpty())) {
    watcher_.waitForFinished();
    OnCounted();
  }
}

void OddsCounter::StartCount(uint64_t trials) {
  countingKey_ = question_->key;
  countingTrials_ = trials;
  watcher_.setFuture(QtConcurrent::run(
      [question = *question_, trials] { return CountOdds(question, trials); }));
}

void OddsCounter::OnCounted() {
  if (watcher_.isRunning() || !watcher_.future().isValid() || watcher_.future().resultCount() == 0) {
    return;
  }
  const EquityResult result = watcher_.result();
  const bool current = question_ && question_->key == countingKey_;
  const uint64_t trials = countingTrials_;
  watcher_.setFuture(QFuture<EquityResult>());  // taken
  if (!question_) return;
  if (!current) {
    StartCount(kFirstDeals);  // the table moved on while counting
    return;
  }
  SetText(QString::fromStdString(OddsText(result, question_->pot, question_->call)));
  if (!result.exact && trials < kFinerDeals) StartCount(kFinerDeals);
}

void OddsCounter::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  emit TextChanged();
}

}  // namespace qf
