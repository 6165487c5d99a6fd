// Records the hands played at a table by looking at the table record after
// everything that may change it (every tick of the game, every input, every
// dialog): what changed between two looks is a forced bet, an action, a deal
// or the payout. The flow needs to know nothing about it, and the game and
// the headless tool record the same way.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/table_record.h"
#include "history/hand_record.h"

namespace qf {

// What the recorder keeps between two looks; saved with an unfinished hand so
// that a later run can go on recording it.
struct RecorderState {
  HandRecord hand;
  TableRecord lastSeen{};
  std::array<uint32_t, kSeatCount> streetBase{};  // stake when the street began
  int cardsRecorded = 0;  // cards per seat whose dealing is recorded
  int blindsPosted = 0;
};

class HandRecorder {
 public:
  using Clock = std::function<int64_t()>;  // seconds since the epoch

  explicit HandRecorder(uint64_t nextNumber = 1, Clock clock = {});

  // Looks at the table. Returns true when this look completed a hand, which
  // TakeCompleted then hands over. Look after every tick and every input:
  // two actions between two looks cannot be told apart in order.
  bool Observe(const TableRecord& table);

  std::optional<HandRecord> TakeCompleted();

  // The hand being recorded, if any, with what is needed to go on with it.
  bool Recording() const { return recording_; }
  const RecorderState& State() const { return state_; }

  // Goes on recording an unfinished hand from an earlier run. Only when the
  // table is exactly the one that run saw last; false otherwise.
  bool Resume(const RecorderState& state, const TableRecord& table);

  uint64_t NextNumber() const { return nextNumber_; }
  void SetNextNumber(uint64_t number) { nextNumber_ = number; }

 private:
  void Begin(const TableRecord& table);
  bool Track(const TableRecord& before, const TableRecord& now);
  void TrackSeat(const TableRecord& before, const TableRecord& now, int player);
  void TrackDeals(const TableRecord& now);
  void Settle(const TableRecord& before);
  int PlayerAt(int seat) const;

  uint64_t nextNumber_;
  Clock clock_;
  bool recording_ = false;
  RecorderState state_;
  std::optional<HandRecord> completed_;
};

}  // namespace qf
