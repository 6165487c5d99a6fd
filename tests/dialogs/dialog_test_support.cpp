#include "dialogs/dialog_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

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
