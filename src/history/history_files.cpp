#include "history/history_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "history/local_time.h"

namespace qf {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

HistoryWriterOptions OneFile(const std::string& path) {
  HistoryWriterOptions options;
  options.fileFor = [path](const HandRecord&) { return path; };
  return options;
}

bool IsDayFile(const fs::path& path) {
  const std::string name = path.filename().string();
  return name.size() == 15 && name.ends_with(".phhs") && name[4] == '-' && name[7] == '-';
}

}  // namespace

bool AppendToFile(const std::string& path, const std::string& text, bool sync) {
  const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  ssize_t wrote = 0;
  do {
    wrote = write(fd, text.data(), text.size());
  } while (wrote < 0 && errno == EINTR);
  bool ok = wrote == static_cast<ssize_t>(text.size());
  if (ok && sync && fdatasync(fd) != 0) ok = false;
  if (close(fd) != 0) ok = false;
  return ok;
}

std::vector<HandRecord> ReadHandsFile(const std::string& path) {
  const std::optional<std::string> text = ReadText(path);
  if (!text) return {};
  PhhHands read = ReadPhhHands(*text);
  for (const std::string& why : read.skipped) {
    std::fprintf(stderr, "quillfern: %s: %s\n", path.c_str(), why.c_str());
  }
  return std::move(read.hands);
}

uint64_t LastHandNumberIn(const std::string& path) {
  const std::optional<std::string> text = ReadText(path);
  return text ? LastHandNumber(*text) : 0;
}

std::string HistoryFolderFor(const std::string& tablePath) {
  const fs::path folder = fs::path(tablePath).parent_path();
  return ((folder.empty() ? fs::path(".") : folder) / "history").string();
}

std::string DayFile(const std::string& folder, int64_t secondsSinceEpoch) {
  return (fs::path(folder) / (LocalDate(secondsSinceEpoch) + ".phhs")).string();
}

std::vector<std::string> DayFiles(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file(error) && IsDayFile(entry.path())) {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());  // the names sort by day
  return files;
}

void CapHistoryFolder(const std::string& folder, uint64_t maxBytes) {
  const std::vector<std::string> files = DayFiles(folder);
  uint64_t total = 0;
  std::vector<uint64_t> sizes;
  for (const std::string& file : files) {
    std::error_code error;
    sizes.push_back(fs::file_size(file, error));
    if (!error) total += sizes.back();
  }
  for (size_t i = 0; i + 1 < files.size() && total > maxBytes; ++i) {
    std::error_code error;
    if (fs::remove(files[i], error)) total -= sizes[i];
  }
}

bool SaveUnfinishedHand(const std::string& path, const RecorderState& state) {
  const std::string temp = path + ".tmp";
  std::error_code error;
  fs::remove(temp, error);
  if (!AppendToFile(temp, RecorderStateToPhh(state), true)) return false;
  return std::rename(temp.c_str(), path.c_str()) == 0;
}

std::optional<RecorderState> LoadUnfinishedHand(const std::string& path) {
  const std::optional<std::string> text = ReadText(path);
  if (!text) return std::nullopt;
  return RecorderStateFromPhh(*text);
}

HistoryFileRecorder::HistoryFileRecorder(std::string path)
    : path_(std::move(path)),
      recorder_(LastHandNumberIn(path_) + 1),
      writer_(std::make_unique<HistoryWriter>(OneFile(path_))) {}

HistoryFileRecorder::~HistoryFileRecorder() = default;

void HistoryFileRecorder::Start(const TableRecord& table) {
  const std::string unfinished = path_ + ".unfinished";
  if (std::optional<RecorderState> state = LoadUnfinishedHand(unfinished)) {
    if (state->hand.number < recorder_.NextNumber()) state->hand.number = recorder_.NextNumber();
    recorder_.Resume(*state, table);
  }
  std::error_code error;
  fs::remove(unfinished, error);
  recorder_.Observe(table);
}

void HistoryFileRecorder::Observe(const TableRecord& table) {
  if (!recorder_.Observe(table)) return;
  writer_->Add(*recorder_.TakeCompleted());
  ++recorded_;
}

bool HistoryFileRecorder::Finish() {
  if (recorder_.Recording()) SaveUnfinishedHand(path_ + ".unfinished", recorder_.State());
  writer_->Flush();
  return !writer_->Failed();
}

}  // namespace qf
