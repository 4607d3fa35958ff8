#pragma once

#include <QKeyEvent>
#include <vector>

namespace tarvolenka::qt {

// Which keys are down, so that a held key acts once however its repeats arrive. The X server
// repeats a held key as a release and a press with the same time; the toolkit marks the press
// a repeat only when the press is already queued as it reads the release, so on a busy machine
// the pair arrives as a plain release and press. A server told to repeat without releases sends
// presses alone. A real press always comes after its release, and on a key that is up.
class HeldKeys {
 public:
  // Records the press; whether it is the key's first since it went down.
  bool Press(const QKeyEvent& event);
  void Release(const QKeyEvent& event);
  // Forgets every key: their releases go elsewhere while another application has the keyboard.
  void Clear() { keys_.clear(); }

 private:
  struct Key {
    quint32 code = 0;
    bool down = false;
    quint64 releasedAt = 0;  // the server's time of its last release, 0 when unknown
  };
  Key& Find(const QKeyEvent& event);

  std::vector<Key> keys_;
};

}  // namespace tarvolenka::qt
