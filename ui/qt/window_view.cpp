#include "window_view.h"

#include <QCloseEvent>

#include "element_widgets.h"
#include "qt_desktop.h"

namespace tarvolenka::qt {
namespace {

Qt::WindowFlags FlagsFor(Border border) {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  switch (border) {
    case Border::FixedMain:
      return flags | Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    case Border::FixedCloseBox:
      return flags | Qt::Dialog | Qt::WindowCloseButtonHint;
    case Border::FixedNoButtons:
      return flags | Qt::Dialog;
  }
  return flags;
}

QString FromView(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

WindowView::WindowView(QtDesktop& desktop, const WindowSpec& spec)
    : QDialog(nullptr, FlagsFor(spec.border)), desktop_(desktop), id_(spec.id) {
  setWindowTitle(FromView(spec.caption));
  setObjectName(FromView(spec.className));
  setFixedSize(spec.width, spec.height);
  setSizeGripEnabled(false);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(spec.background));
  setPalette(pal);
  setAutoFillBackground(true);
}

void WindowView::CloseByGame() {
  closingByGame_ = true;
  if (id_ == WindowId::Main || !isModal())
    close();
  else
    done(0);
  closingByGame_ = false;
}

void WindowView::reject() {
  // Escape: the main window never closes by it; the others ask the game.
  if (id_ == WindowId::Main) return;
  desktop_.WindowSystemClose(id_);
}

void WindowView::closeEvent(QCloseEvent* e) {
  if (closingByGame_) {
    QDialog::closeEvent(e);
    return;
  }
  e->ignore();
  desktop_.WindowSystemClose(id_);
}

}  // namespace tarvolenka::qt
