#include "qt/held_keys.h"

#include <algorithm>

namespace tarvolenka::qt {

HeldKeys::Key& HeldKeys::Find(const QKeyEvent& event) {
  // The key's place on the keyboard where the platform gives it, which Shift does not change;
  // otherwise its code.
  const quint32 code =
      event.nativeScanCode() != 0 ? event.nativeScanCode() : static_cast<quint32>(event.key());
  const auto known =
      std::find_if(keys_.begin(), keys_.end(), [code](const Key& k) { return k.code == code; });
  if (known != keys_.end()) return *known;
  keys_.push_back({.code = code});
  return keys_.back();
}

bool HeldKeys::Press(const QKeyEvent& event) {
  Key& key = Find(event);
  const bool wasDown = key.down;
  key.down = true;
  if (event.isAutoRepeat() || wasDown) return false;
  // The press of a repeat's pair carries its release's time.
  return event.timestamp() == 0 || event.timestamp() != key.releasedAt;
}

void HeldKeys::Release(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return;  // the key stays down
  Key& key = Find(event);
  key.down = false;
  key.releasedAt = event.timestamp();
}

}  // namespace tarvolenka::qt
