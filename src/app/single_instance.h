// One running copy per user: the first start listens on a local socket, a
// later start asks it to raise its window and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace qf {

// "quillfern-<uid>": per user, independent of $USER.
QString DefaultInstanceName();

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process is now the running copy. False when another copy
  // answered; it has been asked to raise its window.
  bool Claim();

  const QString& Name() const { return name_; }

 signals:
  void RaiseRequested();

 private:
  void OnNewConnection();

  QString name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace qf
