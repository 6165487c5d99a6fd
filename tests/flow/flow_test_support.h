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

#include "engine/deck.h"
#include "engine/pots.h"
#include "engine/table_defaults.h"
#include "engine/turn.h"
#include "flow/button_bar.h"
#include "flow/driver.h"
#include "flow/null_table_ui.h"
#include "flow/session.h"
#include "flow/table_input.h"

namespace qf::testing {

using Calls = std::vector<std::string>;

struct Question {
  std::string message;
  std::vector<std::string> buttons;
  bool operator==(const Question&) const = default;
};

class RecordingUi : public NullTableUi {
 public:
  // Calls as short texts: "FullTable", "FullTable+deal", "Seat 3", "Chips 3 10",
  // "Felt 0 0 240 269", "Button 1 Call 2 lit", "Erase 3", "Push 1", "BoardDeal 4",
  // "Sound 0", "NewTableDialog", "Settings", "ShowPopup", "ClosePopup".
  Calls calls;
  // Answers to AskConfirmation, taken in order; when none are left, 1 with
  // answerAll set, else 0 (closed without an answer).
  std::deque<int> answers;
  bool answerAll = false;
  std::vector<Question> questions;
  // What the New Table dialog does to the record; not set: Go with no change.
  std::function<void(TableRecord&)> newTableEdit;
  int newTableDialogs = 0;

  void DrawFullTable(TableRecord&, bool deal) override {
    Add(deal ? "FullTable+deal" : "FullTable");
  }
  void DrawSeat(TableRecord&, int seat) override { Add("Seat ", seat); }
  void DrawChipStack(TableRecord&, int seat, uint32_t n) override {
    Add("Chips " + S(seat) + " ", n);
  }
  void FillFelt(const Rect& r) override {
    Add("Felt " + S(r.left) + " " + S(r.top) + " " + S(r.right) + " " + S(r.bottom));
  }
  void DrawButton(int button, const std::string& label, bool lit) override {
    Add("Button " + S(button) + " " + label + (lit ? " lit" : " plain"));
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
    questions.push_back({message, buttons});
    if (answers.empty()) return answerAll ? 1 : 0;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void OpenPlayerSettings(TableRecord&) override { Add("Settings"); }
  void ShowBetPopup(const BetPopupState&) override { Add("ShowPopup"); }
  void CloseBetPopup() override { Add("ClosePopup"); }

  int Count(std::string_view prefix) const {
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [&](const std::string& c) { return c.starts_with(prefix); }));
  }
  bool Has(std::string_view call) const {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }

 private:
  static std::string S(int64_t n) { return std::to_string(n); }
  void Add(std::string call) { calls.push_back(std::move(call)); }
  void Add(const std::string& call, int64_t n) { Add(call + S(n)); }
};

// Seat kinds by letter: H Human, h Hidden Human, . Inactive, S Smart, T Tight, L Loose,
// D Stupid, P Paranoid, B Bluffing, E Erratic.
inline uint32_t KindOf(char letter) {
  return static_cast<uint32_t>(std::string_view("Hh.STLDPBE").find(letter));
}
inline std::string Kinds(const TableRecord& table) {
  std::string letters;
  for (const PlayerRecord& p : table.players) letters += "Hh.STLDPBE"[p.kind];
  return letters;
}

// A fresh table with the seat kinds by letter from seat 0 on (the rest Inactive),
// 100 x baseBet chips each bought on credit, every seat out of the hand, no rake,
// cap or waiting for "Deal", and the layout that fits the number of seats.
inline TableRecord MakeTable(std::string_view kinds, uint32_t baseBet = 2,
                             uint8_t structure = StructureFixed) {
  TableRecord table;
  SetTableDefaults(table, "Tester");
  table.baseBet = baseBet;
  table.betStructure = structure;
  table.rakePercent = table.raiseCap = table.confirmDeal = 0;
  for (size_t seat = 0; seat < kinds.size(); ++seat) table.players[seat].kind = KindOf(kinds[seat]);
  for (PlayerRecord& player : table.players) {
    player.tableKind = player.kind;
    player.status = StatusOut;  // between hands
    player.chips = 100 * baseBet;
    player.balance = -static_cast<int32_t>(100 * baseBet);
  }
  table.smallTable = kinds.size() <= 6 ? 1 : 0;
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

// A table, its session and a recording UI, with the player's input and ticks.
struct Game {
  explicit Game(TableRecord start, uint64_t seed = 7) : table(start), rng(seed) {}
  void Tick() { TickGame(table, session, rng, ui); }
  void Input(const TableInput& input) { OnTableInput(table, session, rng, ui, input); }
  void Key(int key) { Input(TableInput{key}); }
  void Tap(int x, int y) { Input(TableInput{KeyNone, x, y}); }
  void Bar(std::optional<uint32_t> pending) { BuildButtonBar(table, session, ui, pending); }

  // Plays on with every seat calling or checking (no computer decisions, so
  // the course is fixed) until seat 0 is to act holding that many cards
  // (holeCards before the flop, + 3 on the flop); shows the button bar as a
  // tick does and clears the calls. False if that never comes.
  bool CallAlongToSeatZero(int cards) {
    for (int step = 0; step < 200; ++step) {
      const Turn turn = PeekTurn(table);
      if (turn.code == TurnAct && turn.seat == 0 && table.players[0].cardsSeen == cards) {
        Bar(session.pendingRaise);
        ui.calls.clear();
        return true;
      }
      if (turn.code == TurnNewHand) {
        NewHand(table, rng);
        table.cardsDealt = table.holeCards;
      } else if (turn.code == TurnForcedBet) {
        PostForcedBet(table, ui, turn.seat);
      } else if (turn.code == TurnDeal) {
        DealStep(table, session, ui);
      } else if (turn.code == TurnAct) {
        PlayChips(table, ui, turn.seat, turn.amount, 0);
      } else {
        return false;
      }
    }
    return false;
  }

  TableRecord table;
  SessionState session;
  Rng rng;
  RecordingUi ui;
};

}  // namespace qf::testing
