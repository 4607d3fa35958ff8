#include "qt/qt_desktop.h"

#include <unistd.h>

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <utility>

#include "catalogue/looks.h"
#include "catalogue/spoken_names.h"
#include "qt/accessible_elements.h"
#include "qt/after_first_frame.h"
#include "qt/element_widgets.h"
#include "qt/fonts.h"
#include "qt/look_paint.h"
#include "qt/save_dialogs.h"
#include "qt/styled_label.h"
#include "qt/window_decor.h"
#include "qt/window_icon.h"
#include "qt/window_view.h"
#include "qt/zoom_view.h"

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

QLabel* MakeLabel(QWidget* parent, ElementRef ref, const ElementSpec& e, bool panel) {
  auto* label =
      new StyledLabel(parent, looks::LookOf(ref), panel, panel ? e.colour : e.style.background);
  label->setFont(GameFont(e.style.sizePx, e.style.bold));
  // A panel centres its text, unless it is a row of a list that takes clicks.
  const bool centred = panel && (e.click == kNoClick || e.style.align == Align::Centre);
  label->setAlignment(centred ? Qt::AlignCenter : AlignmentOf(e.style));
  label->setText(FromView(e.text));
  label->setWordWrap((e.flags & kWrap) != 0);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, ToQColor(e.style.colour));
  // The plate is painted by the label itself, from its palette's window colour.
  if (panel || e.style.opaque)
    pal.setColor(QPalette::Window, ToQColor(panel ? e.colour : e.style.background));
  label->setPalette(pal);
  return label;
}

// Where a label is drawn: tags of a row share one top; the new level is shown large.
QRect DrawnRect(ElementRef ref, const QRect& rect) {
  if (ref == Ref(LevelUpEl::LevelNumber)) {
    return QRect(rect.center().x() - 70, rect.top() + 2, 141, looks::kLevelNumberPx + 12);
  }
  for (const looks::LevelRow& row : looks::kLevelRows) {
    // Values share the first row's right edge.
    if (ref == Ref(row.value)) {
      const Rect first = SpecOf(Ref(looks::kLevelRows[0].value)).rect;
      return QRect(first.left, rect.top(), first.width, rect.height());
    }
    // A caption sits on its value's middle line.
    if (ref == Ref(row.caption)) {
      const Rect v = SpecOf(Ref(row.value)).rect;
      return QRect(rect.left(), v.top + (v.height - rect.height()) / 2 + 1, rect.width(),
                   rect.height());
    }
  }
  if (ref == Ref(DoubleUpEl::Amount)) {
    // The amount in hand fills the window of its panel's art.
    return QRect(rect.left() + 7, rect.top() - 3, rect.width() - 14, 19);
  }
  QRect r = rect;
  r.moveTop(looks::TagTop(ref));
  return r;
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

QtDesktop::QtDesktop(qreal devicePixelRatio, const QString& pictureCache)
    : pictures_(ScreenRatio(devicePixelRatio), pictureCache) {
  screenRatio_ = pictures_.devicePixelRatio();
  RegisterGameFonts();  // before any drawing's lettering is set
  InstallAccessibleElements();
  pictures_.Prefetch(PicturesAtStart());
  for (int i = 0; i < kWindowCount; ++i) MakeTimers(static_cast<WindowId>(i));
  Build(WindowId::Main);
  qApp->installEventFilter(this);
  QAccessible::installActivationObserver(this);
}

// What the main window shows as it opens, in the order it needs them: its icon, the reels'
// symbols, then its pictures in their order; the workers make them while the windows are built.
std::vector<Picture> QtDesktop::PicturesAtStart() {
  std::vector<Picture> pictures{Picture::AppIcon};
  for (int symbol = 1; symbol <= 15; ++symbol)
    pictures.push_back(Nth(Picture::SymbolChips, symbol - 1));
  for (const ElementSpec& e : SpecOf(WindowId::Main).elements)
    if (e.kind == Kind::Picture && (e.flags & kHidden) == 0) pictures.push_back(e.picture);
  return pictures;
}

QtDesktop::~QtDesktop() {
  QAccessible::removeActivationObserver(this);
  qApp->removeEventFilter(this);
  // The dialogs first: the main window owns them and would take them with it.
  static_assert(static_cast<int>(WindowId::Main) == 0, "the main window comes first");
  for (auto w = windows_.rbegin(); w != windows_.rend(); ++w) delete w->view;
}

QtDesktop::Window& QtDesktop::Built(WindowId id) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  if (w.view == nullptr) Build(id);
  return w;
}

void QtDesktop::BuildRemainingWindows() {
  const auto unbuilt =
      std::find_if(windows_.begin(), windows_.end(), [](const Window& w) { return !w.view; });
  if (unbuilt == windows_.end()) return;
  Build(static_cast<WindowId>(unbuilt - windows_.begin()));
  Later([this] { BuildRemainingWindows(); });
}

void QtDesktop::Build(WindowId id) {
  const WindowSpec& desc = SpecOf(id);
  Window& w = windows_[static_cast<std::size_t>(id)];
  QWidget* const owner =
      id == WindowId::Main ? nullptr : windows_[static_cast<std::size_t>(WindowId::Main)].view;
  w.view = new WindowView(*this, desc, owner);
  w.view->setFont(GameFont(11, false));
  w.canvas = new ZoomView(w.view, QSize(desc.width, desc.height));
  w.canvas->SetZoom(zoomPercent_ / 100.0);
  QWidget* const parent = w.canvas->content();
  w.canvas->SetBackground(
      [this, id, background = desc.background](QPainter& p, const QRect& r, const QRect& exposed) {
        PaintSurface(p, r, background, looks::SurfaceOf(id), exposed);
        DecorateWindow(
            p, id,
            [this](ElementRef ref) {
              const QWidget* widget = At(ref).widget;
              return widget != nullptr && widget->isVisibleTo(widget->parentWidget());
            },
            exposed);
      });
  for (std::size_t i = 0; i < desc.elements.size(); ++i) {
    const ElementSpec& e = desc.elements[i];
    const ElementRef ref{id, static_cast<std::uint16_t>(i)};
    Element el;
    el.kind = e.kind;
    el.picture = e.picture;
    const QRect rect = DrawnRect(ref, QRect(e.rect.left, e.rect.top, e.rect.width, e.rect.height));
    switch (e.kind) {
      case Kind::Picture: {
        auto* pic = new PictureWidget(parent, (e.flags & kStretch) != 0);
        pic->setGeometry(rect);
        if (e.click != kNoClick) {
          pic->onClick = [this, ref] { RouteClick(ref); };
          pic->setCursor(Qt::PointingHandCursor);  // the hover cue of a choice or button
        }
        el.widget = pic;
        break;
      }
      case Kind::PictureStore:
        break;
      case Kind::CellBuffer:  // blank, made when first used: most are given a picture first
        break;
      case Kind::Label:
      case Kind::Panel:
        el.widget = MakeLabel(parent, ref, e, e.kind == Kind::Panel);
        if (e.click != kNoClick)
          static_cast<StyledLabel*>(el.widget)->TakeClicks([this, ref] { RouteClick(ref); });
        if (ref == Ref(LevelUpEl::LevelNumber))
          el.widget->setFont(GameFont(looks::kLevelNumberPx, true));
        if (ref == Ref(DoubleUpEl::Amount)) el.widget->setFont(GameFont(16, true));
        el.widget->setGeometry(rect);
        if ((e.flags & kFitText) != 0) static_cast<StyledLabel*>(el.widget)->FitText(rect.height());
        if ((e.flags & kShrinkText) != 0)
          static_cast<StyledLabel*>(el.widget)->ShrinkText(e.style.sizePx);
        break;
      case Kind::Shape:
        if ((e.flags & kRing) != 0)
          el.widget = new RingWidget(parent, e.colour);
        else
          el.widget = new ShapeWidget(parent, e.colour, (e.flags & kRounded) != 0);
        el.widget->setGeometry(rect);
        break;
      case Kind::Gauge:
        el.widget = new GaugeWidget(parent, e.colour, e.colour2);
        el.widget->setGeometry(rect);
        break;
      case Kind::PaintBox:
        el.widget = new PaintBoxWidget(parent, e.colour, rect.size(), pictures_.devicePixelRatio());
        el.widget->setGeometry(rect);
        break;
    }
    if (el.widget != nullptr && (e.flags & kHidden) != 0) el.widget->hide();
    if (el.widget != nullptr) {
      const std::string_view tip = looks::TooltipOf(ref);
      if (!tip.empty()) el.widget->setToolTip(FromView(tip));
    }
    w.elements.push_back(std::move(el));
    if (e.kind == Kind::Picture) ShowPictureOf(ref);
    NameForReaders(ref);
  }
  for (const looks::Caption& c : looks::kCaptions) {
    if (c.element.window != id) continue;
    auto* tag = new CaptionTag(parent, FromView(c.text), w.elements[c.element.index].widget);
    tag->setGeometry(c.rect.left, c.rect.top, c.rect.width, c.rect.height);
  }
  AddKeyHints(id);
  // Last, so that the workers make the icon while the elements are built; the dialogs, all built
  // after the main window, carry its icon too.
  const QWidget* main = windows_[static_cast<std::size_t>(WindowId::Main)].view;
  w.view->setWindowIcon(id == WindowId::Main ? WindowIcon(pictures_.Get(Picture::AppIcon))
                                             : main->windowIcon());
}

// The timers live apart from the window, so a window not built yet keeps its game timers.
void QtDesktop::MakeTimers(WindowId id) {
  const WindowSpec& desc = SpecOf(id);
  Window& w = windows_[static_cast<std::size_t>(id)];
  for (std::size_t t = 0; t < desc.timers.size(); ++t) {
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(desc.timers[t].intervalMs);
    const auto index = static_cast<std::uint8_t>(t);
    connect(timer, &QTimer::timeout, this, [this, id, index] {
      // A pause holds every game timer: its ticks are dropped, not queued.
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
  if (quitStatus_) return;  // the player quit over the save file before the game began
  AfterFirstFrame(main.view, [this] { BuildRemainingWindows(); });
  main.view->show();
  started_ = true;
}

void QtDesktop::EndSession() {
  if (ended_) return;
  ended_ = true;
  // Before the game has begun, or while a question about the save file waits, nothing of the
  // player's is in memory that the file lacks: the question, if any, goes unanswered, the
  // start-up ends and the save stays as it is.
  if (!started_ || asking_ > 0) {
    quitStatus_ = quitStatus_.value_or(1);
    QCoreApplication::exit(*quitStatus_);
    return;
  }
  // Nothing of the game waits on the stack: a pause or an open window is only a step not yet
  // taken, which never runs, since the loop ends with the save.
  Close(WindowId::Main);  // OnClose saves the game
  QCoreApplication::exit(0);
}

void QtDesktop::SaveBeforeExit() {
  if (ended_) return;
  ended_ = true;
  Window& main = windows_[static_cast<std::size_t>(WindowId::Main)];
  if (main.logic != nullptr) main.logic->OnClose();  // saves the game
}

void QtDesktop::CentreWindow(WindowId id) {
  Window& w = Built(id);
  const WindowSpec& desc = SpecOf(id);
  QRect area;
  const Window& main = windows_[static_cast<std::size_t>(WindowId::Main)];
  if (!desc.centredOnScreen && main.view->isVisible()) {
    area = main.view->geometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isValid())
    w.view->move(area.center() - QPoint(w.view->width() / 2, w.view->height() / 2));
}

void QtDesktop::Open(WindowId id, std::function<void()> closed) {
  Window& w = Built(id);
  if (w.logic == nullptr || w.shown) {
    AfterPauses(std::move(closed));
    return;
  }
  CentreWindow(id);
  w.shown = true;
  w.closed = std::move(closed);
  w.logic->OnShow();
  if (w.shown) {
    w.view->setModal(true);
    w.view->show();
  }
}

void QtDesktop::AfterPauses(std::function<void()> action) {
  if (!action) return;
  if (pausing_ > 0)
    afterPauses_.push_back(std::move(action));
  else
    Later(std::move(action));
}

void QtDesktop::Close(WindowId id) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  if (!w.shown) return;
  w.shown = false;
  if (w.logic != nullptr) w.logic->OnClose();
  w.view->CloseByGame();
  AfterPauses(std::exchange(w.closed, {}));
}

bool QtDesktop::IsShown(WindowId id) const {
  return windows_[static_cast<std::size_t>(id)].shown;
}

void QtDesktop::MoveWindowBy(WindowId id, int dx, int dy) {
  QWidget* view = Built(id).view;
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
    if (label->text() == t) return;
    label->setText(t);
    if (auto* styled = dynamic_cast<StyledLabel*>(label)) styled->Refit();
    NameForReaders(ref);
  }
}

void QtDesktop::accessibilityActiveChanged(bool active) {
  readersListen_ = active;
  if (!active) return;
  for (std::size_t w = 0; w < windows_.size(); ++w)
    for (std::size_t i = 0; i < windows_[w].elements.size(); ++i)
      NameForReaders({static_cast<WindowId>(w), static_cast<std::uint16_t>(i)});
}

void QtDesktop::NameForReaders(ElementRef ref) {
  if (!readersListen_) return;
  Element& el = At(ref);
  if (el.widget == nullptr) return;
  QString name = FromView(SpokenNameOf(ref));
  if (el.kind == Kind::Picture) {
    if (name.isEmpty()) name = FromView(SpokenNameOf(el.picture));
    // One of a row of alike pictures, as hats or cups, says which it is.
    if (const int number = SpecOf(ref).number; number > 0 && !name.isEmpty())
      name += QLatin1Char(' ') + QString::number(number);
  } else if (auto* label = qobject_cast<QLabel*>(el.widget); label != nullptr && !name.isEmpty()) {
    if (!label->text().isEmpty()) name += QLatin1Char(' ') + label->text();  // "ЛИНИИ 50"
  }
  // A label without a name of its own says its text.
  if (el.widget->accessibleName() != name) el.widget->setAccessibleName(name);
}

void QtDesktop::SetVisible(ElementRef ref, bool visible) {
  if (QWidget* widget = At(ref).widget;
      widget != nullptr && widget->isVisibleTo(widget->parentWidget()) != visible)
    widget->setVisible(visible);
}

void QtDesktop::CopyPicture(ElementRef target, ElementRef source) {
  Element& t = At(target);
  Element& s = At(source);
  if (t.picture == s.picture && t.picture != Picture::None && t.kind != Kind::CellBuffer) return;
  t.pixmap = s.kind == Kind::CellBuffer && s.picture == Picture::None ? PixmapOf(source) : s.pixmap;
  t.picture = s.picture;
  ShowPictureOf(target);
  NameForReaders(target);
}

const QPixmap& QtDesktop::PixmapOf(ElementRef ref) {
  Element& element = At(ref);
  if (!element.pixmap.isNull()) return element.pixmap;
  if (element.picture != Picture::None) {
    element.pixmap = pictures_.Get(element.picture);
  } else if (element.kind == Kind::CellBuffer) {
    // A blank reel cell is its window's background.
    const qreal dpr = pictures_.devicePixelRatio();
    const Rect& rect = SpecOf(ref).rect;
    element.pixmap = QPixmap(QSize(rect.width, rect.height) * dpr);
    element.pixmap.setDevicePixelRatio(dpr);
    element.pixmap.fill(ToQColor(SpecOf(ref.window).background));
  }
  return element.pixmap;
}

void QtDesktop::ShowPictureOf(ElementRef ref) {
  Element& el = At(ref);
  auto* pic = dynamic_cast<PictureWidget*>(el.widget);
  if (pic == nullptr) return;
  if (!el.pixmap.isNull() || el.picture == Picture::None) {
    pic->SetPixmap(el.pixmap);
    return;
  }
  const PictureSpec& desc = SpecOf(el.picture);
  pic->SetPixmapSource(QSize(desc.width, desc.height), [this, ref] { return PixmapOf(ref); });
}

void QtDesktop::CopyCell(ElementRef surface, ElementRef cell, int x, int y) {
  if (auto* box = dynamic_cast<PaintBoxWidget*>(At(surface).widget))
    box->DrawPixmap(x, y, PixmapOf(cell));
}

void QtDesktop::DrawLine(ElementRef surface, std::span<const Point> points, Rgb colour, int width) {
  if (auto* box = dynamic_cast<PaintBoxWidget*>(At(surface).widget)) {
    QPolygon polygon;
    for (const Point& p : points) polygon << QPoint(p.x, p.y);
    box->DrawLine(polygon, colour, width);
  }
}

void QtDesktop::FrameCell(ElementRef surface, Rect cell, Rgb colour) {
  if (auto* box = dynamic_cast<PaintBoxWidget*>(At(surface).widget))
    box->FrameCell(QRect(cell.left, cell.top, cell.width, cell.height), colour);
}

void QtDesktop::ShowWinBanner(ElementRef surface, const WinBanner& banner) {
  auto* box = dynamic_cast<PaintBoxWidget*>(At(surface).widget);
  if (box == nullptr) return;
  const Rect& r = banner.plate;
  // Said once as the banner comes up, not again with every frame of it.
  if (box->ShowWinBanner(QRect(r.left, r.top, r.width, r.height), FromView(banner.title),
                         FromView(banner.amount), banner.tier, banner.celebration))
    Announce(box, FromView(banner.spoken));
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
  if (auto* label = qobject_cast<StyledLabel*>(At(ref).widget)) label->SetPlate(colour);
  if (QWidget* widget = At(ref).widget) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(pal);
  }
}

void QtDesktop::Repaint(WindowId id) {
  // A window not built yet shows nothing to repaint.
  const Window& w = windows_[static_cast<std::size_t>(id)];
  if (w.view == nullptr) return;
  // The elements live in the view's scene, outside the window's own widgets: repainting the
  // window redraws the scene as it was last told, so the content is marked changed itself, and
  // the whole surface with it, whose decorations follow the elements shown.
  if (w.canvas != nullptr) w.canvas->content()->update();
  w.view->update();
}

void QtDesktop::Pause(int ms, std::function<void()> then) {
  // The windows go on painting and the window system's housekeeping goes on, so nothing looks
  // hung; the game's input and timers wait, and clicks made meanwhile are dropped.
  ++pausing_;
  QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, then = std::move(then)] {
    if (then) then();
    if (--pausing_ > 0) return;
    for (auto& action : std::exchange(afterPauses_, {})) Later(std::move(action));
  });
}

bool QtDesktop::eventFilter(QObject* watched, QEvent* event) {
  // The audio system opens at the first press, ahead of the sound the press brings.
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
    cues_.Prepare();
  if (event->type() == QEvent::WindowStateChange &&
      watched == windows_[static_cast<std::size_t>(WindowId::Main)].view)
    RestoreDialogs();
  if (SwallowsHeldKey(watched, *event)) return true;
  if (pausing_ > 0 && IsInput(event->type())) return true;
  if (event->type() == QEvent::KeyPress && HandleKey(watched, static_cast<QKeyEvent&>(*event)))
    return true;
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
  // localtime_r reads the time zone once; QDateTime::currentDateTime looks at /etc/localtime on
  // every call, a file system call a second while the countdown runs.
  const std::int64_t ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();
  const std::time_t seconds = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) {
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = now.date().toJulianDay() - QDate(1899, 12, 30).toJulianDay();
    return static_cast<double>(days) + now.time().msecsSinceStartOfDay() / kMillisPerDay;
  }
  return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, std::min(local.tm_sec, 59),
                      static_cast<int>(ms - static_cast<std::int64_t>(seconds) * 1000));
}

std::int64_t QtDesktop::SteadyMicros() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
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

void QtDesktop::SetVolume(int percent) {
  cues_.SetVolume(percent);
}

bool QtDesktop::AskNewGameOverUnusableSave(std::string_view message) {
  if (ended_) return false;  // the session ended during the start-up: the save stays
  ++asking_;
  const bool newGame = qt::AskNewGameOverUnusableSave(window(WindowId::Main), FromView(message));
  --asking_;
  return newGame;
}

void QtDesktop::AskRetryFailedSave(std::string_view message,
                                   std::function<void(bool retry)> answered) {
  // The session is ending: there is nobody to answer.
  if (ended_) return Later([answered = std::move(answered)] { answered(false); });
  qt::AskRetryFailedSave(window(WindowId::Main), FromView(message), std::move(answered));
}

void QtDesktop::Log(std::string_view line) {
  const std::string text = std::string(line) + "\n";
  [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, text.data(), text.size());
}

void QtDesktop::Quit(int status) {
  quitStatus_ = status;
  ended_ = true;
  QCoreApplication::exit(status);  // when the loop runs; before it, main reads quitStatus()
}

QWidget* QtDesktop::window(WindowId id) {
  return Built(id).view;
}

QWidget* QtDesktop::widget(ElementRef ref) {
  return At(ref).widget;
}

Picture QtDesktop::PictureOf(ElementRef ref) {
  return At(ref).picture;
}

void QtDesktop::RouteClick(ElementRef ref) {
  Window& w = windows_[static_cast<std::size_t>(ref.window)];
  if (pausing_ > 0 || w.logic == nullptr || !w.shown) return;
  const ElementSpec& desc = SpecOf(ref);
  if (desc.click != kNoClick) w.logic->Click(desc.click, desc.number);
}

void QtDesktop::RouteKey(WindowId id, Key key) {
  Window& w = windows_[static_cast<std::size_t>(id)];
  if (pausing_ > 0 || w.logic == nullptr || !w.shown) return;
  w.logic->KeyPressed(key);
}

void QtDesktop::ClickElement(ElementRef ref) {
  RouteClick(ref);
}

void QtDesktop::Present(WindowId id) {
  Window& w = Built(id);
  CentreWindow(id);
  w.shown = true;
  if (w.logic != nullptr) w.logic->OnShow();
  w.view->show();
}

void QtDesktop::Dismiss(WindowId id) {
  Window& w = Built(id);
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
