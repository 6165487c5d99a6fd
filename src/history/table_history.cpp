#include "history/table_history.h"

#include <cstdio>
#include <filesystem>

#include "history/history_files.h"

namespace qf {

namespace fs = std::filesystem;

TableHistory::TableHistory(std::string folder, HandRecorder::Clock clock)
    : folder_(std::move(folder)), recorder_(1, std::move(clock)) {}

TableHistory::~TableHistory() = default;

std::string TableHistory::UnfinishedPath() const {
  return (fs::path(folder_) / "unfinished.phh").string();
}

void TableHistory::Start(const TableRecord& table) {
  const std::vector<std::string> days = DayFiles(folder_);
  recorder_.SetNextNumber(days.empty() ? 1 : LastHandNumberIn(days.back()) + 1);
  if (std::optional<RecorderState> state = LoadUnfinishedHand(UnfinishedPath())) {
    if (state->hand.number < recorder_.NextNumber()) state->hand.number = recorder_.NextNumber();
    recorder_.Resume(*state, table);
    std::error_code error;
    fs::remove(UnfinishedPath(), error);
  }
  recorder_.Observe(table);
}

const HandRecord* TableHistory::Observe(const TableRecord& table, bool write) {
  if (!recorder_.Observe(table)) return nullptr;
  hands_.push_back(*recorder_.TakeCompleted());
  if (write) {
    if (!writer_) {
      HistoryWriterOptions options;
      options.fileFor = [folder = folder_](const HandRecord& hand) {
        std::error_code error;
        fs::create_directories(folder, error);
        return DayFile(folder, hand.startTime);
      };
      options.sync = true;
      options.batchBytes = 0;  // every hand in a write of its own
      options.afterWrite = [folder = folder_](const std::string&) {
        CapHistoryFolder(folder, kHistoryFolderCap);
      };
      writer_ = std::make_unique<HistoryWriter>(std::move(options));
    }
    writer_->Add(hands_.back());
    ReportWriteFailure();  // of an earlier hand: the writer is behind by one at most
  }
  return &hands_.back();
}

void TableHistory::Finish(const TableRecord& table, bool write) {
  Observe(table, write);
  if (write && recorder_.Recording()) {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (!SaveUnfinishedHand(UnfinishedPath(), recorder_.State()) && !unfinishedFailureReported_) {
      unfinishedFailureReported_ = true;
      std::fprintf(stderr, "quillfern: cannot keep the hand under way in %s\n",
                   UnfinishedPath().c_str());
    }
  }
  if (writer_) writer_->Flush();
  ReportWriteFailure();
}

void TableHistory::ReportWriteFailure() {
  if (writeFailureReported_ || !writer_ || !writer_->Failed()) return;
  writeFailureReported_ = true;
  std::fprintf(stderr, "quillfern: cannot write the hand history in %s; hands are not kept\n",
               folder_.c_str());
}

}  // namespace qf
