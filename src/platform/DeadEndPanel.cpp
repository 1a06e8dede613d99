#include "platform/DeadEndPanel.h"

#include "base/Say.h"
#include "platform/Translation.h"

#include <QAccessible>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmor {

DeadEndPanel::DeadEndPanel(QWidget* board, const std::vector<Way>& ways, int scale)
    : QFrame(board), scale_(std::max(scale, 1)) {
  setObjectName("DeadEndPanel");
  setAccessibleName(Say(VELMOR_TEXT("No more moves")));
  const int s = scale_;
  // Dark and opaque enough to read over any background and tileset, without hiding the board.
  setStyleSheet(
      QString("#DeadEndPanel { background: rgba(20, 24, 32, 225); border: %1px solid rgba(255, 255, 255, 170);"
              " border-radius: %2px; }"
              "#DeadEndPanel QLabel { color: white; font-size: %3pt; font-weight: bold;"
              " background: transparent; }"
              "#DeadEndPanel QLabel#Advice { font-size: %4pt; font-weight: normal; }"
              "#DeadEndPanel QPushButton { padding: %5px %6px; font-size: %7pt; }")
          .arg(2 * s)
          .arg(10 * s)
          .arg(17 * s)
          .arg(12 * s)
          .arg(5 * s)
          .arg(14 * s)
          .arg(font().pointSizeF() * s));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(22 * s, 16 * s, 22 * s, 18 * s);
  column->setSpacing(14 * s);
  auto* title = new QLabel(Say(VELMOR_TEXT("No more moves")), this);
  title->setAlignment(Qt::AlignCenter);
  column->addWidget(title);
  advice_ = new QLabel(this);
  advice_->setObjectName("Advice");
  advice_->setAlignment(Qt::AlignCenter);
  advice_->hide();
  column->addWidget(advice_);
  auto* row = new QHBoxLayout();
  row->setSpacing(8 * s);
  for (const Way& way : ways) {
    auto* button = new QPushButton(way.caption, this);
    button->setFocusPolicy(Qt::StrongFocus);
    connect(button, &QPushButton::clicked, this, way.take);
    row->addWidget(button);
    buttons_.push_back(button);
  }
  column->addLayout(row);
  board->installEventFilter(this);
  adjustSize();
  Centre();
}

void DeadEndPanel::SetAdvice(const QString& advice) {
  if (advice_->text() == advice && advice_->isHidden() == advice.isEmpty()) return;
  advice_->setText(advice);
  advice_->setVisible(!advice.isEmpty());
  setAccessibleDescription(advice);
  adjustSize();
  Centre();
}

QString DeadEndPanel::Advice() const { return advice_->isHidden() ? QString() : advice_->text(); }

void DeadEndPanel::Announce() {
  if (!buttons_.empty()) Choose(0);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

int DeadEndPanel::Chosen() const {
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->hasFocus()) return static_cast<int>(i);
  return -1;
}

void DeadEndPanel::Choose(int index) {
  const int count = static_cast<int>(buttons_.size());
  buttons_[static_cast<size_t>((index % count + count) % count)]->setFocus(Qt::TabFocusReason);
}

bool DeadEndPanel::Key(const QKeyEvent& event) {
  if (buttons_.empty() || event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const int chosen = Chosen();
  switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Right:
      Choose(chosen + 1);
      return true;
    case Qt::Key_Backtab:
    case Qt::Key_Left:
      Choose(chosen < 0 ? -1 : chosen - 1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (chosen < 0) {
        Choose(0);
        return true;
      }
      buttons_[static_cast<size_t>(chosen)]->click();
      return true;
    default:
      return false;
  }
}

bool DeadEndPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) Centre();
  return QFrame::eventFilter(watched, event);
}

void DeadEndPanel::Centre() {
  const QWidget* board = parentWidget();
  move((board->width() - width()) / 2, (board->height() - height()) / 2);
}

}  // namespace velmor
