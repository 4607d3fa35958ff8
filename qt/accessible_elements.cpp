#include "qt/accessible_elements.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <functional>
#include <utility>

#include "qt/element_widgets.h"
#include "qt/styled_label.h"
#include "qt/window_view.h"
#include "qt/zoom_view.h"

namespace tarvolenka::qt {
namespace {

// An element in a role of its own; one that takes clicks can be pressed from the reader.
class ElementAccessible : public QAccessibleWidget {
 public:
  ElementAccessible(QWidget* widget, QAccessible::Role role, std::function<void()> press)
      : QAccessibleWidget(widget, role), press_(std::move(press)) {}

  QStringList actionNames() const override {
    return press_ ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && press_) press_();
  }

 private:
  std::function<void()> press_;
};

// A label: a text, or a button once it takes clicks. Asked each time, not fixed when the reader
// first meets it: a window built while a reader listens names its labels before their clicks.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(StyledLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}
  QAccessible::Role role() const override {
    return Label()->onClick() ? QAccessible::Button : QAccessible::StaticText;
  }
  // A label without a name of its own is read by its text.
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && Label()->accessibleName().isEmpty()) return Label()->text();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return Label()->onClick() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && Label()->onClick()) Label()->onClick()();
  }

 private:
  StyledLabel* Label() const { return static_cast<StyledLabel*>(widget()); }
};

// A caption tag reads its words.
class CaptionAccessible : public QAccessibleWidget {
 public:
  explicit CaptionAccessible(CaptionTag* tag) : QAccessibleWidget(tag, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<CaptionTag*>(widget())->text()
                                  : QAccessibleWidget::text(t);
  }
};

// A bar, frame or ring painted for the eye alone: there, but nothing a reader should stop at.
class DecorationAccessible : public QAccessibleWidget {
 public:
  explicit DecorationAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Graphic) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    return s;
  }
};

// The application's windows without the windows' contents: a content is a window of its own to
// the toolkit, living in its window's scene, and is reached through its window instead.
class ApplicationAccessible : public QAccessibleApplication {
 public:
  int childCount() const override { return static_cast<int>(Windows().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QAccessibleInterface*> windows = Windows();
    return index >= 0 && index < windows.size() ? windows[index] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return static_cast<int>(Windows().indexOf(child));
  }

 private:
  QList<QAccessibleInterface*> Windows() const {
    QList<QAccessibleInterface*> windows;
    for (int i = 0; i < QAccessibleApplication::childCount(); ++i) {
      QAccessibleInterface* window = QAccessibleApplication::child(i);
      if (window != nullptr && qobject_cast<ZoomContent*>(window->object()) == nullptr)
        windows.append(window);
    }
    return windows;
  }
};

QAccessibleInterface* ElementFactory(const QString&, QObject* object) {
  if (object == qApp) return new ApplicationAccessible;
  if (QAccessibleInterface* zoom = ZoomAccessible(object)) return zoom;
  // The main window is the game's frame; the others are its dialogs, as the toolkit says.
  if (auto* view = dynamic_cast<WindowView*>(object);
      view != nullptr && view->id() == WindowId::Main)
    return new QAccessibleWidget(view, QAccessible::Window);
  if (auto* caption = dynamic_cast<CaptionTag*>(object)) return new CaptionAccessible(caption);
  if (dynamic_cast<ShapeWidget*>(object) != nullptr || dynamic_cast<RingWidget*>(object) != nullptr)
    return new DecorationAccessible(static_cast<QWidget*>(object));
  if (auto* picture = qobject_cast<PictureWidget*>(object)) {
    if (!picture->onClick) return new ElementAccessible(picture, QAccessible::Graphic, {});
    return new ElementAccessible(picture, QAccessible::Button, [picture] { picture->onClick(); });
  }
  if (auto* label = qobject_cast<StyledLabel*>(object)) return new LabelAccessible(label);
  if (auto* gauge = qobject_cast<GaugeWidget*>(object))
    return new ElementAccessible(gauge, QAccessible::ProgressBar, {});
  if (auto* box = qobject_cast<PaintBoxWidget*>(object))
    return new ElementAccessible(box, QAccessible::Graphic, {});
  return nullptr;
}

}  // namespace

void InstallAccessibleElements() {
  static const bool installed = [] {
    QAccessible::installFactory(ElementFactory);
    return true;
  }();
  (void)installed;
}

void Announce(QWidget* source, const QString& text) {
  source->setAccessibleDescription(text);
  QAccessibleEvent alert(source, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace tarvolenka::qt
