// Test support for the game flow: a TableUi that records every call in order
// and answers questions from a script, and tables built for the tests.
#pragma once

#include <cstring>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/betting.h"
#include "engine/deck.h"
#include "engine/table_defaults.h"
#include "engine/table_record.h"
#include "engine/turn.h"
#include "flow/driver.h"
#include "flow/session.h"
#include "flow/table_ui.h"

namespace qf::testing {

struct Question {
  std::string message;
  std::vector<std::string> buttons;
};

class RecordingUi : public TableUi {
 public:
  // Calls as short texts: "FullTable", "FullTable+deal", "Seat 3", "Centre", "TableImage",
  // "Chips 3 10", "Felt 0 0 240 269", "Button 1 Call 2 lit", "Button 2 Bet plain",
  // "Erase 3", "Push 1", "BoardDeal 4", "Sound 0", "NewTableDialog", "Ask <message>",
  // "Settings 3", "ShowPopup", "ClosePopup".
  std::vector<std::string> calls;

  // Answers to AskConfirmation, taken in order; when empty, answerPolicy
  // answers (or 0, closed without an answer, when it is not set).
  std::deque<int> answers;
  std::function<int(const Question&)> answerPolicy;
  std::vector<Question> questions;

  // What the New Table dialog does to the record; not set: Go with no change.
  std::function<void(TableRecord&)> newTableEdit;
  int newTableDialogs = 0;

  // When set, "Settings" records the seat the session says Player Settings shows.
  const SessionState* session = nullptr;

  void DrawFullTable(TableRecord&, bool withBoardDeal) override {
    calls.push_back(withBoardDeal ? "FullTable+deal" : "FullTable");
  }
  void DrawSeat(TableRecord&, int seat) override {
    calls.push_back("Seat " + std::to_string(seat));
  }
  void DrawCentre(TableRecord&) override { calls.push_back("Centre"); }
  void DrawTableImage(TableRecord&) override { calls.push_back("TableImage"); }
  void DrawChipStack(TableRecord&, int seat, uint32_t amount) override {
    calls.push_back("Chips " + std::to_string(seat) + " " + std::to_string(amount));
  }
  void FillFelt(const Rect& r) override {
    calls.push_back("Felt " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                    std::to_string(r.right) + " " + std::to_string(r.bottom));
  }
  void DrawButton(int button, const std::string& label, bool lit) override {
    calls.push_back("Button " + std::to_string(button) + " " + label + (lit ? " lit" : " plain"));
  }
  void EraseButton(int button) override { calls.push_back("Erase " + std::to_string(button)); }
  void AnimateButtonPush(int button) override { calls.push_back("Push " + std::to_string(button)); }
  void AnimateBoardDeal(TableRecord&, int seat, bool) override {
    calls.push_back("BoardDeal " + std::to_string(seat));
  }
  void PlaySound(GameSound sound) override {
    calls.push_back("Sound " + std::to_string(static_cast<int>(sound)));
  }
  void RunNewTableDialog(TableRecord& table) override {
    calls.push_back("NewTableDialog");
    ++newTableDialogs;
    if (newTableEdit) newTableEdit(table);
  }
  int AskConfirmation(const std::string& message,
                      const std::vector<std::string>& buttons) override {
    calls.push_back("Ask " + message);
    questions.push_back({message, buttons});
    if (!answers.empty()) {
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return answerPolicy ? answerPolicy(questions.back()) : 0;
  }
  void OpenPlayerSettings(TableRecord&) override {
    calls.push_back("Settings " + std::to_string(session ? session->settingsSeat : -1));
  }
  void ShowBetPopup(const BetPopupState&) override { calls.push_back("ShowPopup"); }
  void CloseBetPopup() override { calls.push_back("ClosePopup"); }

  void Clear() { calls.clear(); }
  int Count(std::string_view call) const {
    int n = 0;
    for (const std::string& c : calls) n += c == call;
    return n;
  }
  int CountPrefix(std::string_view prefix) const {
    int n = 0;
    for (const std::string& c : calls) n += c.starts_with(prefix);
    return n;
  }
  bool Has(std::string_view call) const { return Count(call) > 0; }
};

// A fresh table with the given seat kinds from seat 0 on (the rest Inactive),
// 100 x baseBet chips each, every seat out of the hand, and the layout that fits the number of
// seats.
inline TableRecord MakeTable(std::initializer_list<uint32_t> kinds, uint32_t baseBet = 2,
                             uint8_t structure = StructureFixed) {
  TableRecord table;
  SetTableDefaults(table, "Tester");
  table.baseBet = baseBet;
  table.betStructure = structure;
  table.rakePercent = 0;
  table.raiseCap = 0;
  table.confirmDeal = 0;
  int seat = 0;
  for (uint32_t kind : kinds) {
    table.players[seat].kind = kind;
    table.players[seat].tableKind = kind;
    ++seat;
  }
  for (PlayerRecord& player : table.players) {
    player.status = StatusOut;  // between hands
    player.chips = 100 * baseBet;
    player.balance = -static_cast<int32_t>(100 * baseBet);
  }
  table.smallTable = seat <= 6 ? 1 : 0;
  return table;
}

inline bool SameBytes(const TableRecord& a, const TableRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The turn the engine reports, asked on a copy so the table is not touched.
inline Turn PeekTurn(const TableRecord& table) {
  TableRecord copy = table;
  return NextTurn(copy);
}

// Plays the hand on with every seat calling or checking (no computer
// decisions, so the course is fixed) until stop(table, turn) holds; false if it never does.
template <typename Stop>
bool CallAlongUntil(TableRecord& table, SessionState& session, TableUi& ui, Rng& rng, Stop stop) {
  for (int step = 0; step < 200; ++step) {
    const Turn turn = PeekTurn(table);
    if (stop(table, turn)) return true;
    switch (turn.code) {
      case TurnNewHand:
        NewHand(table, rng);
        table.cardsDealt = table.holeCards;
        break;
      case TurnForcedBet:
        PostForcedBet(table, ui, turn.seat);
        break;
      case TurnDeal:
        DealStep(table, session, ui);
        break;
      case TurnAct:
        PlayChips(table, ui, turn.seat, turn.amount, 0);
        break;
      default:
        return false;
    }
  }
  return false;
}

// Seat 0 to act holding this many cards (holeCards before the flop, + 3 on the flop).
inline auto SeatZeroActsWith(int cards) {
  return [cards](const TableRecord& table, const Turn& turn) {
    return turn.code == TurnAct && turn.seat == 0 && table.players[0].cardsSeen == cards;
  };
}

}  // namespace qf::testing
