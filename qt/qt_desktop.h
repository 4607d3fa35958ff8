#pragma once

#include <QAccessible>
#include <QKeyEvent>
#include <QObject>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/desktop.h"
#include "qt/cue_player.h"
#include "qt/destroyed_windows.h"
#include "qt/held_keys.h"
#include "qt/picture_loader.h"

namespace tarvolenka::qt {

class PaintBoxWidget;
class WindowView;
class ZoomView;

// The desktop of the real program: builds every window of the catalogue as Qt widgets, routes
// clicks and timer ticks to the game logic, and carries out the logic's operations.
class QtDesktop : public QObject, public Desktop, private QAccessible::ActivationObserver {
 public:
  // Builds the main window, hidden; every other window is built when first needed, or once the
  // main window has shown its first frame. With a picture cache folder, rendered pictures are
  // kept there for the next start.
  explicit QtDesktop(qreal devicePixelRatio = 0, const QString& pictureCache = {});
  ~QtDesktop() override;

  // Shows the main window and runs its start-up.
  void Start();
  // The session ends (a signal, logout, a request to quit): saves exactly as closing the main
  // window does, then ends the event loop, also with a window open or a pause running.
  void EndSession();
  // The program is exiting under the game (the display connection broke and the platform
  // called exit): saves as closing the main window does, touching no window.
  void SaveBeforeExit();

  void Attach(WindowId window, WindowLogic& logic) override;
  void Open(WindowId window, std::function<void()> closed) override;
  void Close(WindowId window) override;
  bool IsShown(WindowId window) const override;
  void MoveWindowBy(WindowId window, int dx, int dy) override;
  void SetText(ElementRef element, std::string_view text) override;
  void SetVisible(ElementRef element, bool visible) override;
  void CopyPicture(ElementRef target, ElementRef source) override;
  void CopyCell(ElementRef surface, ElementRef cell, int x, int y) override;
  void DrawLine(ElementRef surface, std::span<const Point> points, Rgb colour, int width) override;
  void FrameCell(ElementRef surface, Rect cell, Rgb colour) override;
  void ShowWinBanner(ElementRef surface, const WinBanner& banner) override;
  void SetGauge(ElementRef gauge, int position) override;
  void MoveElement(ElementRef element, int left, int top) override;
  void SetFontSize(ElementRef element, int points) override;
  void SetPanelColour(ElementRef element, Rgb colour) override;
  void Repaint(WindowId window) override;
  void Pause(int ms, std::function<void()> then) override;
  void StartTimer(TimerRef timer) override;
  void StopTimer(TimerRef timer) override;
  void SetTimerInterval(TimerRef timer, int ms) override;
  bool IsTimerRunning(TimerRef timer) const override;
  DateTime NowLocal() const override;
  std::uint32_t MillisSinceMidnightUtc() const override;
  std::int64_t SteadyMicros() const override;
  void PlayCue(Cue cue) override;
  void SetVolume(int percent) override;
  bool AskNewGameOverUnusableSave(std::string_view message) override;
  void AskRetryFailedSave(std::string_view message,
                          std::function<void(bool retry)> answered) override;
  void Log(std::string_view line) override;
  void Quit(int status) override;
  // The status the game asked to end with, once it has asked.
  std::optional<int> quitStatus() const { return quitStatus_; }

  // Scales every window to `percent` (100..250, in steps of 25), pictures rendered anew.
  void SetZoom(int percent);
  int zoomPercent() const override { return zoomPercent_; }
  // The player's zoom, by key or from the settings: set, and remembered through
  // `onZoomChanged`. It steps up only as far as ZoomLimit.
  void SetZoomPercent(int percent) override;
  // The largest step at which every window, framed, fits the main window's screen.
  int ZoomLimit() const;
  std::function<void(int)> onZoomChanged;
  void Later(std::function<void()> action) override;

  // For the adapter's own tests and tools; a window not built yet is built first.
  QWidget* window(WindowId window);
  QWidget* widget(ElementRef element);
  Picture PictureOf(ElementRef element);
  bool pausing() const { return pausing_ > 0; }
  // Routes a click as the mouse would, for tools that drive the windows without a mouse.
  void ClickElement(ElementRef element);
  // Runs a window's opening and shows it without a modal loop, for pictures of the windows.
  void Present(WindowId window);
  void Dismiss(WindowId window);

  // Called by the window views.
  void RouteClick(ElementRef element);
  // A game key that clicks no element of `window`, for the window's own use (a ring's arrows).
  void RouteKey(WindowId window, Key key);
  bool WindowSystemClose(WindowId window);
  // The display server has destroyed the window at another client's request. It counts as
  // closed by the player, by the window's own rules: one that refuses shows again in a new
  // native window, and the main window ends the session as a signal does, saved.
  void LoseWindow(WindowId window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Element {
    QWidget* widget = nullptr;
    Kind kind = Kind::Picture;
    QPixmap pixmap;  // null until first used
    Picture picture = Picture::None;
  };
  struct Window {
    WindowView* view = nullptr;  // null until the window is built
    ZoomView* canvas = nullptr;  // the view's inside, which holds the elements
    WindowLogic* logic = nullptr;
    std::vector<Element> elements;
    std::vector<QTimer*> timers;
    bool shown = false;
    std::function<void()> closed;  // what the opener does once the window has closed
  };

  // The window, built at the current zoom if it was not yet: a window is built only when the
  // game or the player first reaches it, or after the main window's first frame.
  Window& Built(WindowId id);
  void Build(WindowId id);
  // Builds the next window not built yet, and queues the one after, a window per turn of the loop.
  void BuildRemainingWindows();
  void MakeTimers(WindowId id);
  Element& At(ElementRef ref) { return Built(ref.window).elements[ref.index]; }
  void CentreWindow(WindowId id);
  // Runs `action` from the event loop once no pause runs.
  void AfterPauses(std::function<void()> action);
  // Keys: a game key clicks the element it stands for; Ctrl with + - 0 zooms.
  bool HandleKey(QObject* watched, const QKeyEvent& event);
  // A held key acts once: its repeats, however they come, end at the window.
  bool SwallowsHeldKey(const QObject* watched, const QEvent& event);
  void AddKeyHints(WindowId id);
  void RenderPicturesAgain();
  static std::vector<Picture> PicturesAtStart();
  void NativeWindowDestroyed(WId native);
  // Shows again the open dialogs minimised apart from the main window, once it is not minimised.
  void RestoreDialogs();
  // An element's pixels, rasterised on first use; shared with every element of its picture.
  const QPixmap& PixmapOf(ElementRef ref);
  // Puts the element's picture into its picture widget, to be rasterised when it first shows.
  void ShowPictureOf(ElementRef ref);
  // The name a screen reader says for the element, kept up with its text and picture while a
  // reader listens; without one, naming would only make the toolkit's reader objects early.
  void NameForReaders(ElementRef ref);
  // A reader has come (or gone): every element built so far is named.
  void accessibilityActiveChanged(bool active) override;

  PictureLoader pictures_;
  CuePlayer cues_;
  HeldKeys heldKeys_;
  std::array<Window, kWindowCount> windows_;
  int pausing_ = 0;
  std::vector<std::function<void()>> afterPauses_;
  int asking_ = 0;  // a question about the save file is open
  bool started_ = false;
  qreal screenRatio_ = 1.0;
  int zoomPercent_ = 100;
  bool ended_ = false;
  bool readersListen_ = QAccessible::isActive();  // a screen reader is there
  std::optional<int> quitStatus_;
  DestroyedWindows destroyedWindows_{[this](WId native) { NativeWindowDestroyed(native); }};
};

}  // namespace tarvolenka::qt
