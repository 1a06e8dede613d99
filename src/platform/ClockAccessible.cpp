#include "platform/ClockAccessible.h"

#include <QAccessibleWidget>

namespace velmor {

namespace {

constexpr char ClockObject[] = "velmor-clock";

// A label's name is what a reader keeps and speaks on every change: a label without a name of its
// own renames itself with each new text, so a running clock would be announced every second. This
// one keeps a fixed name and gives its time as text, which readers fetch each time they read it.
class ClockAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ClockAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString text(int start, int end) const override { return Time().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Time().size()); }
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  // The time is short and read whole: its place on the screen is the label's.
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return 0; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  QString Time() const { return static_cast<QLabel*>(widget())->text(); }
};

QAccessibleInterface* ClockFactory(const QString&, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  return label && label->objectName() == QLatin1String(ClockObject) ? new ClockAccessible(label) : nullptr;
}

}  // namespace

void MakeReadableClock(QLabel* label, const QString& name) {
  static const bool installed = [] {
    QAccessible::installFactory(ClockFactory);
    return true;
  }();
  (void)installed;
  label->setObjectName(QLatin1String(ClockObject));
  // Setting a name tells readers of it even when it is the same.
  if (label->accessibleName() != name) label->setAccessibleName(name);
}

}  // namespace velmor
