#include "app/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace qf {
namespace {

constexpr int kConnectTimeoutMs = 500;
const QByteArray kRaiseMessage = "raise\n";

}  // namespace

QString DefaultInstanceName() {
  return QString("quillfern-%1").arg(getuid());
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
  if (server_ != nullptr) server_->close();
}

bool SingleInstance::Claim() {
  {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
      probe.write(kRaiseMessage);
      probe.waitForBytesWritten(kConnectTimeoutMs);
      probe.disconnectFromServer();
      return false;
    }
  }
  // Nobody answered: a socket file left by a crashed copy would block listen().
  QLocalServer::removeServer(name_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  if (!server_->listen(name_)) {
    // Cannot listen (for example an unwritable temporary folder): run anyway,
    // only without the single-instance guard.
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
