// A question with one to three answers, each a full-width button.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace qf {

class ConfirmationDialog : public QDialog {
  Q_OBJECT

 public:
  ConfirmationDialog(const QString& message, const QStringList& buttons, QWidget* parent = nullptr);

  // 1..3 for the button chosen, 0 when the window was closed without one.
  int Answer() const { return answer_; }

  QLabel* MessageLabel() const { return message_; }
  QPushButton* Button(int answer) const;  // 1..3; nullptr when not shown

 protected:
  void reject() override;

 private:
  void Choose(int answer);

  QLabel* message_ = nullptr;
  QList<QPushButton*> buttons_;
  int answer_ = 0;
};

}  // namespace qf
