// The view's hot path: a whole-table repaint of a full ten-seat table with
// names and amounts shown, pictures already cached.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "engine/table_defaults.h"
#include "engine/table_record.h"
#include "flow/session.h"
#include "view/table_view.h"

namespace {

// Ten seats on the flop: bets, actions, a folded seat, an all-in seat.
qf::TableRecord MidHandTable() {
  qf::TableRecord table;
  qf::SetTableDefaults(table, "Ann");
  table.smallTable = 0;
  table.holeCards = qf::kTexasHoleCards;
  for (int i = 0; i < qf::kDeckSize; ++i) table.deck[i] = static_cast<uint8_t>((i * 7) % 52 + 1);
  table.cardsDealt = static_cast<uint8_t>(table.holeCards + 3);
  table.dealer = 3;
  static constexpr uint32_t kActions[] = {qf::ActionCall, qf::ActionRaise, qf::ActionCheck,
                                          qf::ActionBet, qf::ActionCall};
  for (int seat = 0; seat < qf::kSeatCount; ++seat) {
    qf::PlayerRecord& p = table.players[seat];
    p.kind = seat == 0 ? qf::KindHuman : qf::KindSmart + static_cast<uint32_t>(seat % 7);
    p.tableKind = p.kind;
    p.cardsSeen = static_cast<uint8_t>(table.holeCards + 3);
    p.chips = 150 + 37 * static_cast<uint32_t>(seat);
    p.inPot = 20 + 5 * static_cast<uint32_t>(seat % 3);
    p.status = seat % 2 == 0 ? qf::StatusCalled : qf::StatusToAct;
    p.lastAction = kActions[seat % 5];
  }
  table.players[6].status = qf::StatusFolded;
  table.players[8].chips = 0;
  return table;
}

void BM_DrawFullTable(benchmark::State& state) {
  qf::SessionState session;
  session.showNames = true;
  session.showAmounts = true;
  qf::TableView view(session);
  qf::TableRecord table = MidHandTable();
  view.DrawFullTable(table, false);  // loads the pictures once
  for (auto _ : state) {
    view.DrawFullTable(table, false);
    benchmark::DoNotOptimize(view.BackBuffer().constBits());
  }
}
BENCHMARK(BM_DrawFullTable)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
