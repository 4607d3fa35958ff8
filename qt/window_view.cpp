#include "qt/window_view.h"

#include <QCloseEvent>

#include "qt/element_widgets.h"
#include "qt/qt_desktop.h"

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

WindowView::WindowView(QtDesktop& desktop, const WindowSpec& desc)
    : QDialog(nullptr, FlagsFor(desc.border)), desktop_(desktop), id_(desc.id) {
  setWindowTitle(FromView(desc.caption));
  setObjectName(FromView(desc.className));
  setFixedSize(desc.width, desc.height);
  setSizeGripEnabled(false);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(desc.background));
  setPalette(pal);
  setAutoFillBackground(true);
}

void WindowView::CloseByGame() {
  if (inCloseEvent_) {
    // Inside the window system's close: accepting that event closes the window.
    closedDuringEvent_ = true;
    return;
  }
  closingByGame_ = true;
  if (isModal())
    done(0);
  else
    close();
  closingByGame_ = false;
}

void WindowView::reject() {
  // Escape closes only the legend: one stray press must never end a game window early.
  if (id_ != WindowId::Legend) return;
  desktop_.WindowSystemClose(id_);
}

void WindowView::closeEvent(QCloseEvent* e) {
  // QDialog's own handler would turn the close into reject(), which asks the game again.
  if (closingByGame_) {
    e->accept();
    return;
  }
  inCloseEvent_ = true;
  closedDuringEvent_ = false;
  desktop_.WindowSystemClose(id_);
  inCloseEvent_ = false;
  e->setAccepted(closedDuringEvent_);
}

}  // namespace tarvolenka::qt
