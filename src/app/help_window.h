// The help document in a window of its own, scrolled to the place asked for.
#pragma once

#include <QString>
#include <QTextBrowser>

namespace qf {

class HelpWindow : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the window at anchor ("" for the top of the document) and brings it
  // forward. Opened while a dialog is up, it is modal over that dialog, so it
  // can be read and closed; otherwise it stays beside the game.
  void ShowAt(const QString& anchor);
};

}  // namespace qf
