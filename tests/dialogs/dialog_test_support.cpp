#include "dialogs/dialog_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "engine/table_defaults.h"

namespace qf::test {

DialogBench::DialogBench()
    : ctx{table,
          session,
          rng,
          [this](const QString& anchor) { helpAnchors << anchor; },
          [this](int sound) { sounds.push_back(sound); },
          1} {
  SetTableDefaults(table, "You");
}

void DialogBench::SeatKinds(std::initializer_list<SeatKind> kinds) {
  int seat = 0;
  for (SeatKind kind : kinds) table.players[seat++].kind = kind;
}

void Click(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  // A stretched box is clickable only on its indicator and text: aim at the
  // indicator, wherever the layout direction puts it.
  QStyleOptionButton option;
  option.initFrom(button);
  const auto element = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxIndicator
                                                        : QStyle::SE_RadioButtonIndicator;
  const bool box = button->isCheckable() && !qobject_cast<QPushButton*>(button);
  QTest::mouseClick(button, Qt::LeftButton, {},
                    box ? button->style()->subElementRect(element, &option, button).center()
                        : button->rect().center());
}

void ChooseEntry(QComboBox* list, int index) {
  ASSERT_TRUE(list != nullptr && index >= 0 && index < list->count());
  list->showPopup();
  list->view()->setFocus();
  list->view()->setCurrentIndex(list->view()->model()->index(index, 0));
  QTest::keyClick(list->view(), Qt::Key_Return);
}

void ClickRow(QListWidget* list, int row) {
  ASSERT_NE(list, nullptr);
  QListWidgetItem* item = list->item(row);
  ASSERT_NE(item, nullptr);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QString Describe(const QWidget& dialog) {
  QStringList lines;
  const auto mark = [](bool on, const QString& text) { return (on ? "*" : "") + text; };
  for (const QWidget* w : dialog.findChildren<QWidget*>()) {
    QString line;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      line = "label " + (label->pixmap().isNull() ? label->text() : "<picture>") +
             (label->font().bold() ? " (bold)" : "");
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      line =
          (button->isCheckable() ? mark(button->isChecked(), "box ") : "button ") + button->text();
      if (!button->icon().isNull())  // a colour swatch
        line += "swatch " + QColor(button->icon().pixmap(16).toImage().pixel(8, 8)).name();
    } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
      QStringList entries;
      for (int i = 0; i < list->count(); ++i)
        entries << mark(i == list->currentIndex(), list->itemText(i));
      line = "list " + entries.join(" | ");
    } else if (const auto* rows = qobject_cast<const QListWidget*>(w)) {
      QStringList entries;
      for (int i = 0; i < rows->count(); ++i)
        entries << mark(rows->item(i)->isSelected(), rows->item(i)->text());
      line = "rows " + entries.join(" | ");
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
      line = QString("edit %1 (at most %2)").arg(edit->text()).arg(edit->maxLength());
    } else {
      continue;
    }
    if (!w->isVisibleTo(&dialog)) line += " (hidden)";
    if (!w->isEnabled()) line += " (disabled)";
    lines << line;
  }
  return dialog.windowTitle() + "\n" + lines.join('\n') + '\n';
}

void ExpectGoldenText(const std::string& name, const QString& text) {
  const QString path = QString::fromStdString(
      (std::filesystem::path(__FILE__).parent_path() / "golden" / (name + ".txt")).string());
  QFile file(path);
  if (!qEnvironmentVariableIsEmpty("QF_REGENERATE_GOLDEN")) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text.toUtf8());
    return;
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << path.toStdString();
  const QStringList want = QString::fromUtf8(file.readAll()).split('\n'), got = text.split('\n');
  for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
    if (want.value(i) != got.value(i)) {
      ADD_FAILURE() << path.toStdString() << ":" << i + 1 << ": want \""
                    << want.value(i).toStdString() << "\", got \"" << got.value(i).toStdString()
                    << "\"";
      return;
    }
  }
}

void WhenModalOpens(std::function<void(QWidget*)> act, std::function<bool(QWidget*)> isIt,
                    int polls) {
  QTimer::singleShot(10, [=] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && isIt(modal)) return act(modal);
    if (polls < 500) return WhenModalOpens(act, isIt, polls + 1);
    ADD_FAILURE() << "the expected modal window did not open";
    if (modal != nullptr) modal->close();
  });
}

}  // namespace qf::test
