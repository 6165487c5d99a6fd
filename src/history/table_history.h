// The hand history of the game's table: every hand played there is recorded
// as it happens and appended whole, on a thread of its own, to the day's file
// in the history folder beside the table file; the folder keeps its newest
// 100 MB. A hand still under way at exit waits in "unfinished.phh" for the
// next run. A folder that cannot be written costs the history, never the game.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "history/history_writer.h"
#include "history/recorder.h"

namespace qf {

class TableHistory {
 public:
  explicit TableHistory(std::string folder, HandRecorder::Clock clock = {});
  ~TableHistory();  // writes every hand handed over first
  TableHistory(const TableHistory&) = delete;
  TableHistory& operator=(const TableHistory&) = delete;

  // With the table as loaded at start: hand numbers go on from the newest day
  // file's last hand, and the hand the last run left unfinished is recorded
  // on when the table is exactly where that run stopped.
  void Start(const TableRecord& table);

  // After every change of the table. Returns the hand this look completed
  // (nullptr when none); with write, it also goes to the day file.
  const HandRecord* Observe(const TableRecord& table, bool write);

  // At exit, after the table was saved: with write, the hand under way is
  // kept for the next run; returns once every hand is written.
  void Finish(const TableRecord& table, bool write);

  const std::string& Folder() const { return folder_; }
  // The hands completed in this run, written or not, oldest first.
  const std::vector<HandRecord>& Hands() const { return hands_; }

 private:
  std::string UnfinishedPath() const;
  void ReportWriteFailure();

  std::string folder_;
  HandRecorder recorder_;
  std::unique_ptr<HistoryWriter> writer_;  // made with the first hand to write
  std::vector<HandRecord> hands_;
  bool writeFailureReported_ = false;
  bool unfinishedFailureReported_ = false;
};

}  // namespace qf
