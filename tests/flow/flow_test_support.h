// Test support for the game flow: a TableUi that records every call in order
// and answers questions from a script, and tables built for the tests.
#pragma once

#include <algorithm>
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
  // "Settings", "ShowPopup", "ClosePopup".
  std::vector<std::string> calls;

  // Answers to AskConfirmation, taken in order; when empty, answerPolicy
  // answers (or 0, closed without an answer, when it is not set).
  std::deque<int> answers;
  std::function<int(const Question&)> answerPolicy;
  std::vector<Question> questions;

  // What the New Table dialog does to the record; not set: Go with no change.
  std::function<void(TableRecord&)> newTableEdit;
  int newTableDialogs = 0;

  void DrawFullTable(TableRecord&, bool deal) override {
    Add(deal ? "FullTable+deal" : "FullTable");
  }
  void DrawSeat(TableRecord&, int seat) override { Add("Seat ", seat); }
  void DrawCentre(TableRecord&) override { Add("Centre"); }
  void DrawTableImage(TableRecord&) override { Add("TableImage"); }
  void DrawChipStack(TableRecord&, int seat, uint32_t amount) override {
    Add("Chips " + std::to_string(seat) + " ", amount);
  }
  void FillFelt(const Rect& r) override {
    Add("Felt " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
        std::to_string(r.right) + " " + std::to_string(r.bottom));
  }
  void DrawButton(int button, const std::string& label, bool lit) override {
    Add("Button " + std::to_string(button) + " " + label + (lit ? " lit" : " plain"));
  }
  void EraseButton(int button) override { Add("Erase ", button); }
  void AnimateButtonPush(int button) override { Add("Push ", button); }
  void AnimateBoardDeal(TableRecord&, int seat, bool) override { Add("BoardDeal ", seat); }
  void PlaySound(GameSound sound) override { Add("Sound ", static_cast<int>(sound)); }
  void RunNewTableDialog(TableRecord& table) override {
    Add("NewTableDialog");
    ++newTableDialogs;
    if (newTableEdit) newTableEdit(table);
  }
  int AskConfirmation(const std::string& message,
                      const std::vector<std::string>& buttons) override {
    Add("Ask " + message);
    questions.push_back({message, buttons});
    if (answers.empty()) return answerPolicy ? answerPolicy(questions.back()) : 0;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void OpenPlayerSettings(TableRecord&) override { Add("Settings"); }
  void ShowBetPopup(const BetPopupState&) override { Add("ShowPopup"); }
  void CloseBetPopup() override { Add("ClosePopup"); }

  void Clear() { calls.clear(); }
  int Count(std::string_view call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }
  int CountPrefix(std::string_view prefix) const {
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [&](const std::string& c) { return c.starts_with(prefix); }));
  }
  bool Has(std::string_view call) const { return Count(call) > 0; }

 private:
  void Add(std::string call) { calls.push_back(std::move(call)); }
  void Add(const std::string& call, int64_t n) { Add(call + std::to_string(n)); }
};

// A fresh table with the given seat kinds from seat 0 on (the rest Inactive), 100 x baseBet
// chips each, every seat out of the hand, and the layout that fits the number of seats.
inline TableRecord MakeTable(std::initializer_list<uint32_t> kinds, uint32_t baseBet = 2,
                             uint8_t structure = StructureFixed) {
  TableRecord table;
  SetTableDefaults(table, "Tester");
  table.baseBet = baseBet;
  table.betStructure = structure;
  table.rakePercent = table.raiseCap = table.confirmDeal = 0;
  int seat = 0;
  for (uint32_t kind : kinds) table.players[seat++].kind = kind;
  for (PlayerRecord& player : table.players) {
    player.tableKind = player.kind;
    player.status = StatusOut;  // between hands
    player.chips = 100 * baseBet;
    player.balance = -static_cast<int32_t>(100 * baseBet);
  }
  table.smallTable = seat <= 6 ? 1 : 0;
  return table;
}

// Seat kinds by letter: H Human, h Hidden Human, . Inactive, S Smart, T Tight, L Loose,
// D Stupid, P Paranoid, B Bluffing, E Erratic.
inline uint32_t KindOf(char letter) {
  return static_cast<uint32_t>(std::string_view("Hh.STLDPBE").find(letter));
}

inline bool SameBytes(const TableRecord& a, const TableRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The turn the engine reports, asked on a copy so the table is not touched.
inline Turn PeekTurn(const TableRecord& table) {
  TableRecord copy = table;
  return NextTurn(copy);
}

inline bool HandOver(const TableRecord& table) {
  const TurnCode code = PeekTurn(table).code;
  return code == TurnShowdown || code == TurnLastStanding;
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
