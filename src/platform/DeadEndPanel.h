// The notice over the board when no move is left: what happened, and a button for each way on.
#pragma once

#include <QFrame>
#include <functional>
#include <vector>
#include "base/Say.h"

class QPushButton;

namespace velmor {

class DeadEndPanel : public QFrame {
  VELMOR_SPEAKS(velmor)

 public:
  struct Way {
    QString caption;
    std::function<void()> take;
  };
  // Kept centred over `board` as it changes size.
  DeadEndPanel(QWidget* board, const std::vector<Way>& ways);
  const std::vector<QPushButton*>& Buttons() const { return buttons_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Centre();
  std::vector<QPushButton*> buttons_;
};

}  // namespace velmor
