#include "qt/keyboard.h"

namespace tarvolenka::qt {

std::optional<Key> GameKeyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held =
      event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  // Ctrl+, opens the settings, as it does in many desktop programs.
  if (held == Qt::ControlModifier && event.key() == Qt::Key_Comma) return Key::Settings;
  if (held != 0) return std::nullopt;
  const int k = event.key();
  if (k >= Qt::Key_1 && k <= Qt::Key_9) return DigitKey(k - Qt::Key_1 + 1);
  // clang-format off
  switch (k) {
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Return: case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_A: return Key::A;
    case Qt::Key_B: return Key::B;
    case Qt::Key_D: return Key::D;
    case Qt::Key_J: return Key::J;
    case Qt::Key_M: return Key::M;
    case Qt::Key_T: return Key::T;
    case Qt::Key_H: return Key::H;
    case Qt::Key_S: return Key::S;
    case Qt::Key_F1: return Key::F1;
    default: return std::nullopt;
  }
  // clang-format on
}

ZoomKey ZoomKeyOf(const QKeyEvent& event) {
  if ((event.modifiers() & Qt::ControlModifier) == 0) return ZoomKey::None;
  // clang-format off
  switch (event.key()) {
    case Qt::Key_Plus: case Qt::Key_Equal: return ZoomKey::In;
    case Qt::Key_Minus: return ZoomKey::Out;
    case Qt::Key_0: return ZoomKey::Reset;
    default: return ZoomKey::None;
  }
  // clang-format on
}

}  // namespace tarvolenka::qt
