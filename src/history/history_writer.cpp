#include "history/history_writer.h"

#include "history/history_files.h"
#include "history/phh_format.h"

namespace qf {

namespace {

constexpr size_t kMostWaiting = 4096;  // hands; the tool waits rather than pile up more

}  // namespace

HistoryWriter::HistoryWriter(HistoryWriterOptions options)
    : options_(std::move(options)), thread_([this] { Run(); }) {}

HistoryWriter::~HistoryWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void HistoryWriter::Add(HandRecord hand) {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return queue_.size() < kMostWaiting; });
  queue_.push_back(std::move(hand));
  ++added_;
  lock.unlock();
  wake_.notify_one();
}

void HistoryWriter::Flush() {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return finished_ == added_; });
}

bool HistoryWriter::Failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

void HistoryWriter::Run() {
  PhhWriter phh;
  std::string text;
  std::string file;
  uint64_t gathered = 0;
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) return;  // stopping, and everything is written
    HandRecord hand = std::move(queue_.front());
    queue_.pop_front();
    const bool more = !queue_.empty();
    done_.notify_all();  // room in the queue
    lock.unlock();

    const std::string target = options_.fileFor(hand);
    bool ok = true;
    if (!text.empty() && target != file) {  // a new day: what was gathered goes first
      ok = AppendToFile(file, text, options_.sync);
      if (options_.afterWrite) options_.afterWrite(file);
      text.clear();
    }
    file = target;
    phh.Append(text, hand);
    ++gathered;
    if (!more || text.size() >= options_.batchBytes) {
      ok = AppendToFile(file, text, options_.sync) && ok;
      if (options_.afterWrite) options_.afterWrite(file);
      text.clear();
    }

    lock.lock();
    if (!ok) failed_ = true;
    if (text.empty()) {
      finished_ += gathered;
      gathered = 0;
      done_.notify_all();
    }
  }
}

}  // namespace qf
