// Hands in the poker hand history (PHH) format: TOML, one table per hand
// named by its number, the fields the format defines plus our own (their
// names start with an underscore) so that a reader can rebuild the rules.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/hand_record.h"
#include "history/recorder.h"

namespace qf {

// The variant code: FT, NT and PO as the format defines them, and codes of
// the same pattern for our other games (see the README's "Hand history").
std::string VariantCode(uint8_t holeCards, uint8_t structure);

// "[12]\nvariant = 'FT'\n...", starting with an empty line so that a hand
// appended after a torn one still begins on a line of its own.
std::string HandToPhh(const HandRecord& hand);

// The same for hand after hand, faster: the TOML values of one hand are
// filled in with the next one's.
class PhhWriter {
 public:
  PhhWriter();
  ~PhhWriter();
  void Append(std::string& text, const HandRecord& hand);

 private:
  struct Fields;
  std::unique_ptr<Fields> fields_;
};

struct PhhHands {
  std::vector<HandRecord> hands;
  std::vector<std::string> skipped;  // one line per hand that could not be read
};

// Every hand of a .phhs text, in file order. A torn or malformed hand is
// skipped (and described) without losing the hands around it.
PhhHands ReadPhhHands(std::string_view text);

// The highest hand number the text holds (0 when none), from the headers alone.
uint64_t LastHandNumber(std::string_view text);

// A hand still being played, with what the recorder needs to go on with it.
std::string RecorderStateToPhh(const RecorderState& state);
std::optional<RecorderState> RecorderStateFromPhh(std::string_view text);

}  // namespace qf
