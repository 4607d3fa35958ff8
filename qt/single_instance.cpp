#include "qt/single_instance.h"

#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <filesystem>

namespace tarvolenka::qt {
namespace {

// Where the save lives, as the file system knows it: the device and inode of its folder (of
// the link's target when the save is a link) and its name. Unlike a path, this is the same
// however the folder was reached and works in folders deeper than PATH_MAX; unlike the save's
// own inode, it survives the renames every save makes.
QString SaveIdentity(const QString& saveName) {
  std::filesystem::path file = saveName.toStdString();
  std::error_code error;
  if (std::filesystem::is_symlink(file, error)) {
    const auto target = std::filesystem::canonical(file, error);
    if (!error) file = target;
  }
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) return QString::fromStdString(file.string());
  return QStringLiteral("%1:%2:%3")
      .arg(status.st_dev)
      .arg(status.st_ino)
      .arg(QString::fromStdString(file.filename().string()));
}

QString RuntimeFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QDir().mkpath(folder);
  return folder;
}

constexpr int kAnswerWaitMs = 2000;

}  // namespace

SingleInstance::SingleInstance(const QString& saveName) {
  const QByteArray hash =
      QCryptographicHash::hash(SaveIdentity(saveName).toUtf8(), QCryptographicHash::Sha1)
          .toHex()
          .left(16);
  const QString base = RuntimeFolder() + QStringLiteral("/tarvolenka-") + QString::fromLatin1(hash);
  key_ = base + QStringLiteral(".socket");
  lock_ = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
  lock_->setStaleLockTime(0);  // a game may run for days: only a dead holder's lock is stale
  first_ = lock_->tryLock(0);
  if (!first_) return;
  QLocalServer::removeServer(key_);  // left by a copy that died; the lock is ours now
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
      connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      peer->write("ok\n");
      peer->flush();
      if (activate_) activate_();
    }
  });
  server_.listen(key_);
}

SingleInstance::~SingleInstance() {
  server_.close();
  if (first_) lock_->unlock();
}

bool SingleInstance::ActivateFirst() {
  QLocalSocket socket;
  socket.connectToServer(key_);
  if (!socket.waitForConnected(kAnswerWaitMs)) return false;
  return socket.waitForReadyRead(kAnswerWaitMs);
}

}  // namespace tarvolenka::qt
