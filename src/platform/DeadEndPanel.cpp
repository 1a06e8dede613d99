#include "platform/DeadEndPanel.h"

#include "base/Say.h"
#include "platform/Translation.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmor {

DeadEndPanel::DeadEndPanel(QWidget* board, const std::vector<Way>& ways) : QFrame(board) {
  setObjectName("DeadEndPanel");
  setAccessibleName(Say(VELMOR_TEXT("No more moves")));
  // Dark and opaque enough to read over any background and tileset, without hiding the board.
  setStyleSheet(
      "#DeadEndPanel { background: rgba(20, 24, 32, 225); border: 2px solid rgba(255, 255, 255, 170);"
      " border-radius: 10px; }"
      "#DeadEndPanel QLabel { color: white; font-size: 17pt; font-weight: bold; background: transparent; }"
      "#DeadEndPanel QPushButton { padding: 5px 14px; }");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(22, 16, 22, 18);
  column->setSpacing(14);
  auto* title = new QLabel(Say(VELMOR_TEXT("No more moves")), this);
  title->setAlignment(Qt::AlignCenter);
  column->addWidget(title);
  auto* row = new QHBoxLayout();
  row->setSpacing(8);
  for (const Way& way : ways) {
    auto* button = new QPushButton(way.caption, this);
    connect(button, &QPushButton::clicked, this, way.take);
    row->addWidget(button);
    buttons_.push_back(button);
  }
  column->addLayout(row);
  board->installEventFilter(this);
  adjustSize();
  Centre();
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
