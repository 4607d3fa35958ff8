#include "qt/single_instance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>
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

// The socket's address; false when the path does not fit one.
bool AddressOf(const QString& key, sockaddr_un& address) {
  const QByteArray path = QFile::encodeName(key);
  address = {};
  address.sun_family = AF_UNIX;
  if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  return true;
}

}  // namespace

SingleInstance::SingleInstance(const QString& saveName) {
  const QByteArray hash =
      QCryptographicHash::hash(SaveIdentity(saveName).toUtf8(), QCryptographicHash::Sha1)
          .toHex()
          .left(16);
  const QString base = RuntimeFolder() + QStringLiteral("/tarvolenka-") + QString::fromLatin1(hash);
  key_ = base + QStringLiteral(".socket");
  // The kernel lets go of the lock when its holder dies, so it is never stale.
  lock_ = LockFile(QFile::encodeName(base + QStringLiteral(".lock")).toStdString());
  if (!lock_.result) {
    // A lock we cannot take for any reason but another copy holding it does not keep the
    // player from the game; the save's own writes stay whole either way.
    std::fprintf(stderr, "Tarvolenka: the lock %s cannot be used (%s); playing without it\n",
                 lock_.result.file.c_str(), lock_.result.error.c_str());
    first_ = true;
    return;
  }
  first_ = lock_.held;
  if (!first_) return;
  sockaddr_un address{};
  if (!AddressOf(key_, address)) return;  // later copies then leave without a knock
  ::unlink(address.sun_path);             // left by a copy that died; the lock is ours now
  listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listener_ < 0) return;
  if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 8) != 0) {
    ::close(listener_);
    listener_ = -1;
    return;
  }
  knocks_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
  connect(knocks_.get(), &QSocketNotifier::activated, this, [this] { Answer(); });
}

void SingleInstance::Answer() {
  while (true) {
    const int peer = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (peer < 0) return;
    [[maybe_unused]] const ssize_t sent = ::send(peer, "ok\n", 3, MSG_NOSIGNAL);
    ::close(peer);
    if (activate_) activate_();
  }
}

SingleInstance::~SingleInstance() {
  knocks_.reset();
  if (listener_ >= 0) {
    ::close(listener_);
    ::unlink(QFile::encodeName(key_).constData());
  }
}

bool SingleInstance::ActivateFirst() {
  sockaddr_un address{};
  if (!AddressOf(key_, address)) return false;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  bool answered = false;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    pollfd answer{fd, POLLIN, 0};
    char reply[4];
    answered = ::poll(&answer, 1, kAnswerWaitMs) == 1 && ::recv(fd, reply, sizeof reply, 0) > 0;
  }
  ::close(fd);
  return answered;
}

}  // namespace tarvolenka::qt
