// Reading a subcommand's options: "--name value" or "--name=value".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qf {

// Walks the arguments of a subcommand one option at a time. Errors are kept
// as a message for the caller to print (the first one wins).
class OptionReader {
 public:
  explicit OptionReader(const std::vector<std::string>& args) : args_(args) {}

  // The next option's name ("--hands"), or nothing at the end of the list.
  std::optional<std::string> Next();

  // The value of the option just read: the text after '=' or the next argument.
  std::optional<std::string> Value();

  // The value as a whole number in lo..hi.
  std::optional<uint64_t> Number(uint64_t lo, uint64_t hi);

  // Marks a switch that takes no value; an "=value" after it is an error.
  bool Flag();

  void Fail(const std::string& message);
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  const std::vector<std::string>& args_;
  size_t next_ = 0;
  std::string name_;
  std::optional<std::string> inlineValue_;
  std::string error_;
};

// A whole decimal number in lo..hi, the whole text; nothing otherwise.
std::optional<uint64_t> ParseNumber(const std::string& text, uint64_t lo, uint64_t hi);

}  // namespace qf
