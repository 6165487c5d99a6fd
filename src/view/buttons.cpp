// The three action buttons below the table.
#include <QGuiApplication>
#include <QPainter>

#include "view/table_view.h"

namespace qf {

void TableView::DrawButton(int button, const std::string& label, bool lit) {
  if (button < 1 || button > 3) return;
  const Rect hit = ButtonHitRect(button);
  DrawPicture(lit ? picture::kButtonLit : picture::kButtonPlain, hit.left, hit.top);
  QPainter painter(&canvas_.Image());
  painter.setFont(QGuiApplication::font());
  painter.setPen(Qt::white);
  painter.drawText(QRect(hit.left, hit.top, hit.Width(), hit.Height()),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size())));
}

void TableView::EraseButton(int button) {
  if (button < 1 || button > 3) return;
  FillFelt(ButtonEraseRect(button));
}

}  // namespace qf
