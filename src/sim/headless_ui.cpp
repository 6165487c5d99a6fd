#include "sim/headless_ui.h"

#include <string_view>

namespace qf {

namespace {

constexpr std::string_view kWinnerSuffix = " has won this tournament! Good Job!";

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

int HeadlessUi::AskConfirmation(const std::string& message,
                                const std::vector<std::string>& buttons) {
  if (buttons.size() == 1 && buttons[0] == "New Game" && EndsWith(message, kWinnerSuffix)) {
    winner_ = message.substr(0, message.size() - kWinnerSuffix.size());
    return 1;
  }
  if (buttons.size() == 2 && buttons[0] == "Get Cash" && buttons[1] == "Dismiss from Table") {
    if (policy_.rebuy) {
      ++rebuys_;
      return 1;
    }
    ++dismissals_;
    return 2;
  }
  return 0;
}

}  // namespace qf
