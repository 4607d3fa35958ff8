#include "qt/accessible_elements.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <functional>
#include <utility>

#include "qt/element_widgets.h"
#include "qt/styled_label.h"
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

QAccessibleInterface* ElementFactory(const QString&, QObject* object) {
  if (QAccessibleInterface* zoom = ZoomAccessible(object)) return zoom;
  if (auto* picture = qobject_cast<PictureWidget*>(object)) {
    if (!picture->onClick) return new ElementAccessible(picture, QAccessible::Graphic, {});
    return new ElementAccessible(picture, QAccessible::Button, [picture] { picture->onClick(); });
  }
  if (auto* label = qobject_cast<StyledLabel*>(object); label != nullptr && label->onClick())
    return new ElementAccessible(label, QAccessible::Button, [label] { label->onClick()(); });
  if (auto* gauge = qobject_cast<GaugeWidget*>(object))
    return new ElementAccessible(gauge, QAccessible::ProgressBar, {});
  if (auto* box = qobject_cast<PaintBoxWidget*>(object))
    return new ElementAccessible(box, QAccessible::Graphic, {});
  return nullptr;  // a label that shows text is the toolkit's static text
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
