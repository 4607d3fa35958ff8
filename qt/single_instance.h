#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>

#include "core/file_access.h"

namespace tarvolenka::qt {

// One game per save file. The first copy started on a save holds a lock named after where the
// save lives and listens for later copies; a later copy finds the lock taken, asks the first
// to bring its window to the front, and leaves without touching the save. Copies started in
// different folders have different saves and run side by side. The copies talk over a plain
// Unix socket: Qt Network, with the Kerberos and proxy libraries under it, cost start-up time
// and memory for this one knock on the door.
class SingleInstance : public QObject {
 public:
  // `saveName` is the save file's name, relative to the working folder.
  explicit SingleInstance(const QString& saveName);
  ~SingleInstance() override;
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Whether this copy holds the lock and plays.
  bool first() const { return first_; }
  // A later copy: asks the first to show itself; returns whether it answered.
  bool ActivateFirst();
  // The first copy: what to do when a later one asks.
  void OnActivation(std::function<void()> activate) { activate_ = std::move(activate); }

 private:
  void Answer();
  QString key_;
  FileLock lock_;
  int listener_ = -1;
  std::unique_ptr<QSocketNotifier> knocks_;
  bool first_ = false;
  std::function<void()> activate_;
};

}  // namespace tarvolenka::qt
