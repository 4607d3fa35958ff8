#include "qt/window_view.h"

#include <QCloseEvent>
#include <QPainter>

#include "catalogue/keys.h"
#include "catalogue/looks.h"
#include "qt/look_paint.h"

#include "qt/element_widgets.h"
#include "qt/qt_desktop.h"

namespace tarvolenka::qt {
namespace {

Qt::WindowFlags FlagsFor(Border border) {
  // Fixed-size hints keep the window managers from offering maximise; dialogs get no minimise.
  const Qt::WindowFlags fixed =
      Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  switch (border) {
    case Border::FixedMain:
      return fixed | Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    case Border::FixedCloseBox:
      return fixed | Qt::Dialog | Qt::WindowCloseButtonHint;
    case Border::FixedNoButtons:
      return fixed | Qt::Dialog;
  }
  return fixed | Qt::Dialog;
}

QString FromView(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

WindowView::WindowView(QtDesktop& desktop, const WindowSpec& desc, QWidget* owner)
    : QDialog(owner, FlagsFor(desc.border)),
      desktop_(desktop),
      id_(desc.id),
      background_(desc.background) {
  setWindowTitle(FromView(desc.caption));
  setObjectName(FromView(desc.className));
  setFixedSize(desc.width, desc.height);
  setSizeGripEnabled(false);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(desc.background));
  setPalette(pal);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void WindowView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintSurface(p, rect(), background_, looks::SurfaceOf(id_), rect());  // under the zoomed content
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
  if (!EscapeCloses(id_)) return;
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
