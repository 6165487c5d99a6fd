// Writes finished hands to their history file on a thread of its own, so that
// neither the game nor the headless tool waits for the formatting or the disk.
// Hands are written whole and in the order they were handed over; a file that
// cannot be written costs its hands, nothing else.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "history/hand_record.h"

namespace qf {

struct HistoryWriterOptions {
  // The file a hand goes to (one fixed file, or the day file of its time).
  std::function<std::string(const HandRecord&)> fileFor;
  bool sync = false;            // every write reaches the disk before the next
  size_t batchBytes = 1 << 16;  // hands gathered into one write, while more are waiting
  // Called on the writer's thread after each write with the file written.
  std::function<void(const std::string&)> afterWrite;
};

class HistoryWriter {
 public:
  explicit HistoryWriter(HistoryWriterOptions options);
  ~HistoryWriter();  // writes everything handed over first
  HistoryWriter(const HistoryWriter&) = delete;
  HistoryWriter& operator=(const HistoryWriter&) = delete;

  void Add(HandRecord hand);
  // Returns once every hand handed over so far is written (or failed).
  void Flush();
  // Whether any write failed so far.
  bool Failed() const;

 private:
  void Run();

  HistoryWriterOptions options_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  std::deque<HandRecord> queue_;
  uint64_t added_ = 0;
  uint64_t finished_ = 0;
  bool stopping_ = false;
  bool failed_ = false;
  std::thread thread_;
};

}  // namespace qf
