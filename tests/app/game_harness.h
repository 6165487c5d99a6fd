// Drives the game window as a player would: taps and keys on the table,
// menu commands, and dialogs answered by a script instead of waiting for a
// person. Every game runs on a data file in its own temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "dialogs/confirmation_dialog.h"
#include "dialogs/new_table_dialog.h"
#include "engine/table_defaults.h"
#include "engine/table_file.h"
#include "engine/turn.h"
#include "flow/table_geometry.h"

namespace qf::apptest {

inline QByteArray RecordBytes(const TableRecord& table) {
  return QByteArray(reinterpret_cast<const char*>(&table), sizeof table);
}

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A table ready to start a hand: the given seat kinds, everyone out of the
// hand, 100 base bets each, no splash, deals without waiting.
inline TableRecord MakeTable(std::initializer_list<uint32_t> kinds,
                             uint8_t structure = StructureFixed, uint32_t baseBet = 2) {
  TableRecord table;
  SetTableDefaults(table, "Tester");
  table.showSplash = 0;
  table.confirmDeal = 0;
  table.smallTable = kinds.size() <= 6 ? 1 : 0;
  table.betStructure = structure;
  table.baseBet = baseBet;
  table.progressiveLevel = 0;
  table.rakePercent = 0;
  PlayerRecord* next = table.players;
  for (uint32_t kind : kinds) next->kind = next->tableKind = kind, ++next;
  for (PlayerRecord& player : table.players)
    player.status = StatusOut, player.chips = 100 * baseBet;
  return table;
}

class GameHarness {
 public:
  GameHarness() : dataFile(dir.path() + "/Quillfern.dat") {}
  ~GameHarness() { window ? Close() : void(); }

  QTemporaryDir dir;
  QString dataFile;
  std::unique_ptr<MainWindow> window;
  std::vector<std::string> dialogs;  // the class names of the dialogs run, in order
  std::vector<GameSound> sounds;
  // Answers a dialog; when not set: "Go" in New Table, the first button of a
  // question, every other dialog closed at once.
  std::function<int(QDialog&)> answer;
  bool realDialogs = false;  // run dialogs with exec() (the test closes them)
  bool autoTick = false;

  void WriteTable(const TableRecord& table) {
    ASSERT_TRUE(SaveTable(dataFile.toStdString(), table));
  }

  MainWindow& Start(int zoom = 1) {
    MainWindowConfig config;
    config.dataFile = dataFile;
    config.seed = 20240611;
    config.zoom = zoom;
    config.autoTick = autoTick;
    config.pause = [](int) {};
    config.playSound = [this](GameSound sound) { sounds.push_back(sound); };
    config.runDialog = [this](QDialog& dialog) { return RunDialog(dialog); };
    window = std::make_unique<MainWindow>(std::move(config));
    window->Start();
    return *window;
  }

  int RunDialog(QDialog& dialog) {
    dialogs.push_back(dialog.metaObject()->className());
    if (realDialogs) return dialog.exec();
    if (answer) return answer(dialog);
    if (auto* newTable = qobject_cast<NewTableDialog*>(&dialog)) newTable->GoButton()->click();
    if (auto* question = qobject_cast<ConfirmationDialog*>(&dialog)) question->Button(1)->click();
    return dialog.result();
  }

  TableRecord& Table() { return window->Table(); }
  SessionState& Session() { return window->Session(); }
  Turn Next() { return NextTurn(window->Table()); }
  const std::string& Label(int button) { return Session().buttonLabel[button - 1]; }
  uint32_t InPot(int seat) { return Table().players[seat].inPot; }

  void Tick(int count = 1) {
    TickUntil([] { return false; }, count);
  }
  // Ticks until done() holds; false when it did not within limit ticks.
  bool TickUntil(const std::function<bool()>& done, int limit = 400) {
    for (int i = 0; i < limit && !done(); ++i) window->RunTick();
    return done();
  }
  // Ticks until a human seat must act (or the hand waits for "Deal" or
  // "Start"). A "Deal" shown between the last blind and the deal is dealt by
  // the next tick unless "Confirm Deal" is on.
  bool TickToPlayer(int limit = 400) {
    const auto waits = [this] { return Next().code != TurnDeal || Table().confirmDeal != 0; };
    return TickUntil([&] { return !Label(1).empty() && waits(); }, limit);
  }

  QPoint WidgetPoint(int x, int y) const {
    return QPoint(x, y) * window->Zoom() + QPoint(1, 1) * (window->Zoom() / 2);
  }
  void Press(int x, int y) {
    QTest::mousePress(window->TableArea(), Qt::LeftButton, {}, WidgetPoint(x, y));
  }
  void Release(int x, int y) {
    QTest::mouseRelease(window->TableArea(), Qt::LeftButton, {}, WidgetPoint(x, y));
  }
  void Tap(int x, int y) {
    Press(x, y), QCoreApplication::processEvents();
    Release(x, y), QCoreApplication::processEvents();
  }
  void TapButton(int button) {
    const Rect hit = ButtonHitRect(button);
    Tap((hit.left + hit.right) / 2, (hit.top + hit.bottom) / 2);
  }
  void Key(Qt::Key key) {
    QTest::keyPress(window->TableArea(), key);
    QTest::keyRelease(window->TableArea(), key);
    QCoreApplication::processEvents();
  }
  void Trigger(const char* actionName) {
    auto* action = window->findChild<QAction*>(actionName);
    ASSERT_NE(action, nullptr) << actionName;
    action->trigger();
    QCoreApplication::processEvents();
  }
  void Close() {
    window->close();
    window.reset();
    FlushDeletes();
  }
  void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace qf::apptest
