#include "app/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace qf {
namespace {

constexpr int kConnectTimeoutMs = 500;
// A copy that has just taken the lock may not be listening yet.
constexpr int kConnectAttempts = 20;
constexpr int kConnectRetryMs = 50;
constexpr int kHashHexDigits = 16;
const QByteArray kRaiseMessage = "raise\n";

// The file's path with every link and "." or ".." resolved, also before the
// file (or some of its folders) exists.
QString CanonicalTablePath(const QString& dataFile) {
  const QFileInfo file(dataFile);
  if (file.exists()) return file.canonicalFilePath();
  QString existing = QDir::cleanPath(file.absolutePath());
  QString rest = file.fileName();
  while (!QFileInfo::exists(existing) && !QDir(existing).isRoot()) {
    rest = QFileInfo(existing).fileName() + '/' + rest;
    existing = QFileInfo(existing).path();
  }
  const QString folder = QFileInfo(existing).canonicalFilePath();
  return QDir(folder.isEmpty() ? existing : folder).filePath(rest);
}

}  // namespace

QString InstanceNameFor(const QString& dataFile) {
  const QByteArray hash =
      QCryptographicHash::hash(CanonicalTablePath(dataFile).toUtf8(), QCryptographicHash::Sha256);
  return QString("quillfern-%1-%2")
      .arg(getuid())
      .arg(QString::fromLatin1(hash.toHex().left(kHashHexDigits)));
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)), lock_(QDir::temp().filePath(name_ + ".lock")) {
  // The lock lasts as long as the copy runs; it is stale only once its
  // process has gone.
  lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
  if (server_ != nullptr) server_->close();
}

bool SingleInstance::Claim() {
  if (!lock_.tryLock() && lock_.error() == QLockFile::LockFailedError) {
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
      QLocalSocket probe;
      probe.connectToServer(name_);
      if (probe.waitForConnected(kConnectTimeoutMs)) {
        probe.write(kRaiseMessage);
        probe.waitForBytesWritten(kConnectTimeoutMs);
        probe.disconnectFromServer();
        break;
      }
      QThread::msleep(kConnectRetryMs);
    }
    return false;
  }
  // This is the running copy (or the lock cannot be made at all, for example
  // in an unwritable temporary folder: then it runs unguarded). A socket file
  // left by a crashed copy would block listen().
  QLocalServer::removeServer(name_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  if (!server_->listen(name_)) {
    delete server_;
    server_ = nullptr;
  }
  return true;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().contains("raise")) emit RaiseRequested();
    });
    if (socket->bytesAvailable() > 0 && socket->readAll().contains("raise")) emit RaiseRequested();
  }
}

}  // namespace qf
