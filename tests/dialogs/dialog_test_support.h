// What the dialog tests share: a table with its session and context, and
// helpers that use the controls the way a user does.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "dialogs/dialog_context.h"
#include "engine/rng.h"
#include "engine/table_record.h"
#include "flow/session.h"

class QAbstractButton;
class QComboBox;
class QListWidget;

namespace qf::test {

// A default table (every seat Inactive) whose help and sound calls are noted.
struct DialogBench {
  DialogBench();
  // Gives seats 0.. the kinds listed; the other seats stay Inactive.
  void SeatKinds(std::initializer_list<SeatKind> kinds);

  TableRecord table{};
  SessionState session;
  Rng rng{12345};
  QStringList helpAnchors;
  std::vector<int> sounds;
  DialogContext ctx;
};

class DialogTest : public testing::Test {
 protected:
  DialogBench bench;
};

// A click on a button, or on the indicator of a check box or radio button.
void Click(QAbstractButton* button);
// Opens a drop-down list, goes to an entry and takes it with Return (the
// list reports a choice even of the entry already shown).
void ChooseEntry(QComboBox* list, int index);
// A click on a row of a list.
void ClickRow(QListWidget* list, int row);

// Every control of the dialog in the order made, one line each: its kind,
// text and state (a list's entries with the chosen one starred).
QString Describe(const QWidget& dialog);
// Compares text with golden/<name>.txt; QF_REGENERATE_GOLDEN=1 writes it anew.
void ExpectGoldenText(const std::string& name, const QString& text);

// Runs act on the next modal window for which isIt holds as soon as it is
// open, from the event loop (so a blocking exec() can be answered). Fails the
// test when none opens within a few seconds.
void WhenModalOpens(std::function<void(QWidget*)> act, std::function<bool(QWidget*)> isIt,
                    int polls = 0);
template <class T>
void WhenOpen(std::function<void(T*)> act) {
  WhenModalOpens([act](QWidget* w) { act(static_cast<T*>(w)); },
                 [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; });
}

}  // namespace qf::test
