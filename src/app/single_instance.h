// One running copy per table file: the first start on a file holds a lock
// and listens on a local socket named after the file; a later start on the
// same file asks it to raise its window and ends. Other files are other
// tables and run side by side, so one file is never written by two copies.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace qf {

// "quillfern-<uid>-<hash>": per user (independent of $USER) and per table
// file, the hash taken over the file's canonical path. A file that does not
// exist yet is placed through the deepest of its folders that does.
QString InstanceNameFor(const QString& dataFile);

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process is now the running copy. False when another copy
  // holds the name; it has been asked to raise its window.
  bool Claim();

  const QString& Name() const { return name_; }

 signals:
  void RaiseRequested();

 private:
  void OnNewConnection();

  QString name_;
  QLockFile lock_;
  QLocalServer* server_ = nullptr;
};

}  // namespace qf
