#include "dialogs/dialog_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

std::vector<uint32_t> DialogBench::Kinds() const {
  std::vector<uint32_t> kinds;
  for (const PlayerRecord& player : table.players) kinds.push_back(player.kind);
  return kinds;
}

void Click(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  QPoint at = button->rect().center();
  // A stretched box is clickable only on its indicator and text: aim at the
  // indicator, wherever the layout direction puts it.
  const bool isCheck = qobject_cast<QCheckBox*>(button) != nullptr;
  const bool isRadio = qobject_cast<QRadioButton*>(button) != nullptr;
  if (isCheck || isRadio) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    at = button->style()
             ->subElementRect(
                 isCheck ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option,
                 button)
             .center();
  }
  QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void ChooseEntry(QComboBox* list, int index) {
  ASSERT_NE(list, nullptr);
  ASSERT_GE(index, 0);
  ASSERT_LT(index, list->count());
  list->showPopup();
  QAbstractItemView* view = list->view();
  view->setFocus();
  int row = view->currentIndex().isValid() ? view->currentIndex().row() : 0;
  view->setCurrentIndex(view->model()->index(row, 0));
  while (row < index) {
    QTest::keyClick(view, Qt::Key_Down);
    ++row;
  }
  while (row > index) {
    QTest::keyClick(view, Qt::Key_Up);
    --row;
  }
  ASSERT_EQ(view->currentIndex().row(), index);
  QTest::keyClick(view, Qt::Key_Return);
}

void ClickRow(QListWidget* list, int row) {
  ASSERT_NE(list, nullptr);
  QListWidgetItem* item = list->item(row);
  ASSERT_NE(item, nullptr);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QStringList Entries(const QComboBox* list) {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
  return entries;
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
  EXPECT_EQ(text.toStdString(), QString::fromUtf8(file.readAll()).toStdString())
      << path.toStdString();
}

namespace {

constexpr int kPollMs = 10;
constexpr int kMostPolls = 500;

// Looks for the expected modal window, and again a little later until it opens.
void PollForModal(std::function<void(QWidget*)> act, std::function<bool(QWidget*)> isIt,
                  int polls) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && isIt(modal)) return act(modal);
  if (polls >= kMostPolls) {
    ADD_FAILURE() << "the expected modal window did not open";
    if (modal != nullptr) modal->close();
    return;
  }
  QTimer::singleShot(kPollMs, [=] { PollForModal(act, isIt, polls + 1); });
}

}  // namespace

void WhenModalOpens(std::function<void(QWidget*)> act, std::function<bool(QWidget*)> isIt) {
  QTimer::singleShot(kPollMs, [=] { PollForModal(act, isIt, 1); });
}

}  // namespace qf::test
