#include "app/help_window.h"

#include <QApplication>
#include <QScrollBar>
#include <QUrl>

namespace qf {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setWindowFlag(Qt::Window);
  setWindowTitle("Quillfern Help");
  setOpenExternalLinks(true);
  resize(520, 640);
  setSource(QUrl("qrc:/help/Quillfern.htm"));
}

void HelpWindow::ShowAt(const QString& anchor) {
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality wanted =
      (modal != nullptr && modal != this) ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != wanted) {
    hide();  // modality takes effect on the next show
    setWindowModality(wanted);
  }
  show();
  raise();
  activateWindow();
  if (anchor.isEmpty()) {
    verticalScrollBar()->setValue(0);
  } else {
    scrollToAnchor(anchor);
  }
}

}  // namespace qf
