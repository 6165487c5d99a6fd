// A TableUi for playing without a screen: it draws and sounds nothing and
// answers the end-of-hand questions by a fixed policy.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "flow/null_table_ui.h"

namespace qf {

struct HeadlessPolicy {
  // A busted computer seat buys in again ("Get Cash"); otherwise it is
  // dismissed from the table.
  bool rebuy = true;
};

class HeadlessUi : public NullTableUi {
 public:
  explicit HeadlessUi(HeadlessPolicy policy = {}) : policy_(policy) {}

  // Nothing is drawn or played, and the New Table dialog takes the table as it is.
  // A busted computer seat: "Get Cash" (1) or "Dismiss from Table" (2) by the
  // policy. The tournament winner: "New Game" (1), and the winner is noted.
  // Anything else (a busted human, which sim tables never seat) is closed
  // without an answer.
  int AskConfirmation(const std::string& message, const std::vector<std::string>& buttons) override;

  // The name of the tournament winner once one was announced.
  const std::optional<std::string>& TournamentWinner() const { return winner_; }

  // Busted seats that bought in again, and those dismissed.
  int RebuyCount() const { return rebuys_; }
  int DismissCount() const { return dismissals_; }

 private:
  HeadlessPolicy policy_;
  std::optional<std::string> winner_;
  int rebuys_ = 0;
  int dismissals_ = 0;
};

}  // namespace qf
