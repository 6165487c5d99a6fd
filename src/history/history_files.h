// Hand history files: appending hands, reading a file's hands back, and the
// folder of one file per day that the game keeps beside its table file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <memory>

#include "history/history_writer.h"
#include "history/phh_format.h"
#include "history/recorder.h"

namespace qf {

// Appends text with a single write; with sync the data also reaches the disk
// before it returns. False (and the file unchanged or cut short at a hand's
// end at worst) when it cannot be written.
bool AppendToFile(const std::string& path, const std::string& text, bool sync);

// The hands of a file; each hand that cannot be read costs one line on stderr.
std::vector<HandRecord> ReadHandsFile(const std::string& path);

// The highest hand number of a file (0 when it has none or cannot be read).
uint64_t LastHandNumberIn(const std::string& path);

// "<folder of the table file>/history".
std::string HistoryFolderFor(const std::string& tablePath);

// "<folder>/YYYY-MM-DD.phhs" for the local day of the time.
std::string DayFile(const std::string& folder, int64_t secondsSinceEpoch);

// The day files of a folder, oldest first.
std::vector<std::string> DayFiles(const std::string& folder);

// Deletes the oldest day files until the folder's day files hold at most
// maxBytes together; the newest file is always kept.
void CapHistoryFolder(const std::string& folder, uint64_t maxBytes);

inline constexpr uint64_t kHistoryFolderCap = 100ull * 1000 * 1000;

// Records the hands played at a table into one history file, as the
// headless tool does: numbered on from the file's last hand, written on a
// thread of their own in writes of whole hands, and a hand still under way
// when the run ends kept in "<file>.unfinished" until a later run settles it.
class HistoryFileRecorder {
 public:
  explicit HistoryFileRecorder(std::string path);
  ~HistoryFileRecorder();
  // Resumes the hand a run left unfinished, when the table is where it stopped.
  void Start(const TableRecord& table);
  void Observe(const TableRecord& table);
  // Writes everything and keeps an unfinished hand; false when the file
  // could not be written.
  bool Finish();
  uint64_t HandsRecorded() const { return recorded_; }

 private:
  std::string path_;
  HandRecorder recorder_;
  std::unique_ptr<HistoryWriter> writer_;
  uint64_t recorded_ = 0;
};

// A hand still being played when a run ended.
bool SaveUnfinishedHand(const std::string& path, const RecorderState& state);
std::optional<RecorderState> LoadUnfinishedHand(const std::string& path);

}  // namespace qf
