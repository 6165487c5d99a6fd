#include "sim/command_options.h"

#include <charconv>

namespace qf {

std::optional<uint64_t> ParseNumber(const std::string& text, uint64_t lo, uint64_t hi) {
  uint64_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < lo || value > hi) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> OptionReader::Next() {
  if (Failed() || next_ >= args_.size()) return std::nullopt;
  std::string arg = args_[next_++];
  inlineValue_.reset();
  if (arg.rfind("--", 0) != 0 || arg.size() < 3) {
    Fail("unexpected argument '" + arg + "'");
    return std::nullopt;
  }
  size_t equals = arg.find('=');
  if (equals != std::string::npos) {
    inlineValue_ = arg.substr(equals + 1);
    arg.resize(equals);
  }
  name_ = arg;
  return name_;
}

std::optional<std::string> OptionReader::Value() {
  if (inlineValue_) return inlineValue_;
  if (next_ >= args_.size()) {
    Fail(name_ + " needs a value");
    return std::nullopt;
  }
  return args_[next_++];
}

std::optional<uint64_t> OptionReader::Number(uint64_t lo, uint64_t hi) {
  std::optional<std::string> text = Value();
  if (!text) return std::nullopt;
  std::optional<uint64_t> value = ParseNumber(*text, lo, hi);
  if (!value) {
    Fail(name_ + " wants a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
         ", not '" + *text + "'");
  }
  return value;
}

bool OptionReader::Flag() {
  if (inlineValue_) {
    Fail(name_ + " takes no value");
    return false;
  }
  return true;
}

void OptionReader::Fail(const std::string& message) {
  if (error_.empty()) error_ = message;
}

}  // namespace qf
