// Ctrl+C in the terminal, a logout or a kill: the window closes as by "Exit",
// so the table is saved as usual instead of being lost.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace qf {

// Blocks SIGINT, SIGTERM and SIGHUP in the calling thread and every thread
// it starts later; call first thing in main().
void BlockQuitSignals();

// Reads the blocked quit signals through a descriptor watched by the event
// loop and calls quit for each one.
class QuitOnSignals : public QObject {
  Q_OBJECT
 public:
  explicit QuitOnSignals(std::function<void()> quit, QObject* parent = nullptr);
  ~QuitOnSignals() override;

 private:
  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  std::function<void()> quit_;
};

}  // namespace qf
