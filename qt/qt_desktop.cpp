#include "qt/qt_desktop.h"

#include <unistd.h>

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QEventLoop>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "qt/element_widgets.h"
#include "qt/fonts.h"
#include "qt/window_view.h"

namespace tarvolenka::qt {
namespace {

QString FromView(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

Qt::Alignment AlignmentOf(const TextStyle& style) {
  Qt::Alignment a = style.verticalCentre ? Qt::AlignVCenter : Qt::AlignTop;
  // clang-format off
  switch (style.align) {
    case Align::Left: return a | Qt::AlignLeft;
    case Align::Centre: return a | Qt::AlignHCenter;
    case Align::Right: return a | Qt::AlignRight;
  }
  // clang-format on
  return a;
}

QLabel* MakeLabel(QWidget* parent, const ElementSpec& e, bool panel) {
  auto* label = new QLabel(parent);
  label->setFont(GameFont(e.style.sizePx, e.style.bold));
  label->setAlignment(panel ? Qt::AlignCenter : AlignmentOf(e.style));
  label->setText(FromView(e.text));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, ToQColor(e.style.colour));
  if (panel || e.style.opaque) {
    pal.setColor(QPalette::Window, ToQColor(panel ? e.colour : e.style.background));
    label->setAutoFillBackground(true);
  }
  label->setPalette(pal);
  if (panel) label->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return label;
}

qreal ScreenRatio(qreal requested) {
  if (requested > 0) return requested;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

bool IsInput(QEvent::Type t) {
  switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

QtDesktop::QtDesktop(qreal devicePixelRatio) : pictures_(ScreenRatio(devicePixelRatio)) {
  RegisterGameFonts();
  for (int i = 0; i < kWindowCount; ++i) Build(static_cast<WindowId>(i));
  qApp->installEventFilter(this);
}

QtDesktop::~QtDesktop() {
  qApp->removeEventFilter(this);
  for (Window& w : windows_) delete w.view;
}

void QtDesktop::Build(WindowId id) {
  const WindowSpec& desc = SpecOf(id);
  Window& w = windows_[static_cast<std::size_t>(id)];
  w.view = new WindowView(*this, desc);
  w.view->setFont(GameFont(11, false));
  if (id == WindowId::Main) {
    w.view->setWindowIcon(QIcon(pictures_.Get(Picture::AppIcon)));
  }
  for (std::size_t i = 0; i < desc.elements.size(); ++i) {
    const ElementSpec& e = desc.elements[i];
    const ElementRef ref{id, static_cast<std::uint16_t>(i)};
    Element el;
    el.kind = e.kind;
    el.picture = e.picture;
    el.pixmap = pictures_.Get(e.picture);
    const QRect rect(e.rect.left, e.rect.top, e.rect.width, e.rect.height);
    switch (e.kind) {
      case Kind::Picture: {
        auto* pic = new PictureWidget(w.view, (e.flags & kStretch) != 0);
        pic->setGeometry(rect);
        pic->SetPixmap(el.pixmap);
        pic->onClick = [this, ref] { RouteClick(ref); };
        el.widget = pic;
        break;
      }
      case Kind::PictureStore:
        break;
      case Kind::CellBuffer:
        el.pixmap = QPixmap(QSize(e.rect.width, e.rect.height) * pictures_.devicePixelRatio());
        el.pixmap.setDevicePixelRatio(pictures_.devicePixelRatio());
        el.pixmap.fill(ToQColor(desc.background));
        break;
      case Kind::Label:
      case Kind::Panel:
        el.widget = MakeLabel(w.view, e, e.kind == Kind::Panel);
        el.widget->setGeometry(rect);
        break;
      case Kind::Shape:
        el.widget = new ShapeWidget(w.view, e.colour, (e.flags & kRounded) != 0);
        el.widget->setGeometry(rect);
        break;
      case Kind::Gauge:
        el.widget = new GaugeWidget(w.view, e.colour, e.colour2);
        el.widget->setGeometry(rect);
        break;
      case Kind::PaintBox:
        el.widget = new PaintBoxWidget(w.view, e.colour, rect.size(), pictures_.devicePixelRatio());
        el.widget->setGeometry(rect);
        break;
    }
    if (el.widget != nullptr && (e.flags & kHidden) != 0) el.widget->hide();
    w.elements.push_back(std::move(el));
  }
  for (std::size_t t = 0; t < desc.timers.size(); ++t) {
    auto* timer = new QTimer(w.view);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(desc.timers[t].intervalMs);
    const auto index = static_cast<std::uint8_t>(t);
    connect(timer, &QTimer::timeout, this, [this, id, index] {
      // A blocking pause holds every game timer: its ticks are dropped, not queued.
      Window& win = windows_[static_cast<std::size_t>(id)];
      if (pausing_ == 0 && win.logic != nullptr) win.logic->TimerTick(index);
    });
    w.timers.push_back(timer);
  }
}

void QtDesktop::Attach(WindowId id, WindowLogic& logic) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  w.logic = &logic;
  const WindowSpec& desc = SpecOf(id);
  for (std::size_t t = 0; t < desc.timers.size(); ++t)
    if (desc.timers[t].running) w.timers[t]->start();
}

void QtDesktop::Start() {
  Window& main = windows_[static_cast<std::size_t>(WindowId::Main)];
  CentreWindow(WindowId::Main);
  main.shown = true;
  if (main.logic != nullptr) main.logic->OnShow();
  main.view->show();
}

void QtDesktop::EndSession() {
  if (ended_) return;
  ended_ = true;
  // A modal window's loop or a pause means game handlers wait below us on the stack; let back
  // in, they would go on paying or charging after the save, so the program ends right here.
  const bool handlersWaiting = pausing_ > 0 || std::any_of(windows_.begin(), windows_.end(),
                                                           [](const Window& w) { return w.modal; });
  Close(WindowId::Main);  // OnClose saves the game
  if (handlersWaiting) ::_exit(0);
  QCoreApplication::exit(0);
}

void QtDesktop::SaveBeforeExit() {
  if (ended_) return;
  ended_ = true;
  Window& main = windows_[static_cast<std::size_t>(WindowId::Main)];
  if (main.logic != nullptr) main.logic->OnClose();  // saves the game
}

void QtDesktop::CentreWindow(WindowId id) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  const WindowSpec& desc = SpecOf(id);
  QRect area;
  const Window& main = windows_[static_cast<std::size_t>(WindowId::Main)];
  if (!desc.centredOnScreen && main.view->isVisible()) {
    area = main.view->geometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isValid()) w.view->move(area.center() - QPoint(desc.width / 2, desc.height / 2));
}

void QtDesktop::ShowModal(WindowId id) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  if (w.logic == nullptr || w.shown) return;
  CentreWindow(id);
  w.shown = true;
  w.modal = true;
  w.logic->OnShow();
  if (w.shown) {
    w.view->setModal(true);
    w.view->exec();
  }
  w.modal = false;
}

void QtDesktop::Close(WindowId id) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  if (!w.shown) return;
  w.shown = false;
  if (w.logic != nullptr) w.logic->OnClose();
  w.view->CloseByGame();
}

bool QtDesktop::IsShown(WindowId id) const {
  return windows_[static_cast<std::size_t>(id)].shown;
}

void QtDesktop::MoveWindowBy(WindowId id, int dx, int dy) {
  QWidget* view = windows_[static_cast<std::size_t>(id)].view;
  QPoint p = view->pos() + QPoint(dx, dy);
  // The window never leaves the screen, so the player can always reach its buttons.
  if (const QScreen* screen = view->screen()) {
    const QRect area = screen->availableGeometry();
    const QSize size = view->frameGeometry().size();
    p.setX(std::clamp(p.x(), area.left(), std::max(area.left(), area.right() - size.width())));
    p.setY(std::clamp(p.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
  }
  view->move(p);
}

void QtDesktop::SetText(ElementRef ref, std::string_view text) {
  if (auto* label = qobject_cast<QLabel*>(At(ref).widget)) {
    const QString t = FromView(text);
    if (label->text() != t) label->setText(t);
  }
}

void QtDesktop::SetVisible(ElementRef ref, bool visible) {
  if (QWidget* widget = At(ref).widget;
      widget != nullptr && widget->isVisibleTo(widget->parentWidget()) != visible)
    widget->setVisible(visible);
}

void QtDesktop::CopyPicture(ElementRef target, ElementRef source) {
  Element& t = At(target);
  const Element& s = At(source);
  if (t.picture == s.picture && t.kind != Kind::CellBuffer && !t.pixmap.isNull()) return;
  t.pixmap = s.pixmap;
  t.picture = s.picture;
  if (auto* pic = dynamic_cast<PictureWidget*>(t.widget)) pic->SetPixmap(t.pixmap);
}

void QtDesktop::CopyCell(ElementRef surface, ElementRef cell, int x, int y) {
  if (auto* box = dynamic_cast<PaintBoxWidget*>(At(surface).widget))
    box->DrawPixmap(x, y, At(cell).pixmap);
}

void QtDesktop::DrawLine(ElementRef surface, std::span<const Point> points, Rgb colour, int width) {
  if (auto* box = dynamic_cast<PaintBoxWidget*>(At(surface).widget)) {
    QPolygon polygon;
    for (const Point& p : points) polygon << QPoint(p.x, p.y);
    box->DrawLine(polygon, colour, width);
  }
}

void QtDesktop::SetGauge(ElementRef ref, int position) {
  if (auto* gauge = dynamic_cast<GaugeWidget*>(At(ref).widget)) gauge->SetPosition(position);
}

void QtDesktop::MoveElement(ElementRef ref, int left, int top) {
  if (QWidget* widget = At(ref).widget) widget->move(left, top);
}

void QtDesktop::SetFontSize(ElementRef ref, int points) {
  if (QWidget* widget = At(ref).widget) {
    QFont font = widget->font();
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    widget->setFont(font);
  }
}

void QtDesktop::SetPanelColour(ElementRef ref, Rgb colour) {
  if (QWidget* widget = At(ref).widget) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(pal);
  }
}

void QtDesktop::Repaint(WindowId id) {
  windows_[static_cast<std::size_t>(id)].view->repaint();
}

void QtDesktop::Pause(int ms) {
  // The window system's own housekeeping goes on (painting, pings), so the desktop never sees
  // a hung window; the game's input and timers wait, and clicks made meanwhile are dropped.
  ++pausing_;
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(ms);
  loop.exec();
  --pausing_;
}

bool QtDesktop::eventFilter(QObject* watched, QEvent* event) {
  if (pausing_ > 0 && IsInput(event->type())) return true;
  return QObject::eventFilter(watched, event);
}

void QtDesktop::StartTimer(TimerRef ref) {
  QTimer* timer = windows_[static_cast<std::size_t>(ref.window)].timers[ref.index];
  if (!timer->isActive()) timer->start();
}

void QtDesktop::StopTimer(TimerRef ref) {
  windows_[static_cast<std::size_t>(ref.window)].timers[ref.index]->stop();
}

void QtDesktop::SetTimerInterval(TimerRef ref, int ms) {
  QTimer* timer = windows_[static_cast<std::size_t>(ref.window)].timers[ref.index];
  if (timer->interval() != ms) timer->setInterval(ms);
}

bool QtDesktop::IsTimerRunning(TimerRef ref) const {
  return windows_[static_cast<std::size_t>(ref.window)].timers[ref.index]->isActive();
}

DateTime QtDesktop::NowLocal() const {
  const QDateTime now = QDateTime::currentDateTime();
  const qint64 days = now.date().toJulianDay() - QDate(1899, 12, 30).toJulianDay();
  return static_cast<double>(days) + now.time().msecsSinceStartOfDay() / kMillisPerDay;
}

std::uint32_t QtDesktop::MillisSinceMidnightUtc() const {
  return static_cast<std::uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

void QtDesktop::Later(std::function<void()> action) {
  QTimer::singleShot(0, this, std::move(action));
}

void QtDesktop::PlayCue(Cue cue) {
  cues_.Play(cue);
}

QWidget* QtDesktop::window(WindowId id) const {
  return windows_[static_cast<std::size_t>(id)].view;
}

QWidget* QtDesktop::widget(ElementRef ref) const {
  return windows_[static_cast<std::size_t>(ref.window)].elements[ref.index].widget;
}

Picture QtDesktop::PictureOf(ElementRef ref) const {
  return windows_[static_cast<std::size_t>(ref.window)].elements[ref.index].picture;
}

void QtDesktop::RouteClick(ElementRef ref) {
  Window& w = windows_[static_cast<std::size_t>(ref.window)];
  if (pausing_ > 0 || w.logic == nullptr || !w.shown) return;
  const ElementSpec& desc = SpecOf(ref);
  if (desc.click != kNoClick) w.logic->Click(desc.click, desc.number);
}

void QtDesktop::ClickElement(ElementRef ref) {
  RouteClick(ref);
}

void QtDesktop::Present(WindowId id) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  CentreWindow(id);
  w.shown = true;
  if (w.logic != nullptr) w.logic->OnShow();
  w.view->show();
}

void QtDesktop::Dismiss(WindowId id) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  w.shown = false;
  w.view->hide();
}

bool QtDesktop::WindowSystemClose(WindowId id) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  if (pausing_ > 0 || !w.shown) return false;
  if (w.logic != nullptr && !w.logic->CloseRequested()) return false;
  Close(id);
  return true;
}

}  // namespace tarvolenka::qt
