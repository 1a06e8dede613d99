// The notice over the board when no move is left: what happened, and a button for each way on.
#pragma once

#include <QFrame>
#include <functional>
#include <vector>
#include "base/Say.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace velmor {

class DeadEndPanel : public QFrame {
  VELMOR_SPEAKS(velmor)

 public:
  struct Way {
    QString caption;
    std::function<void()> take;
  };
  // Kept centred over `board` as it changes size; drawn `scale` times as large as the board's
  // pictures are.
  DeadEndPanel(QWidget* board, const std::vector<Way>& ways, int scale);
  const std::vector<QPushButton*>& Buttons() const { return buttons_; }
  int Scale() const { return scale_; }
  // The line under the title (how far to go back); hidden when empty.
  void SetAdvice(const QString& advice);
  QString Advice() const;
  // Brings the keyboard to the first way, and tells a screen reader what happened.
  void Announce();
  // The keys of the notice while it shows: Tab and the arrows go from way to way, Return, Enter
  // and Space take the one chosen. False for a key it leaves to the board.
  bool Key(const QKeyEvent& event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Centre();
  int Chosen() const;
  void Choose(int index);
  std::vector<QPushButton*> buttons_;
  QLabel* advice_ = nullptr;
  int scale_ = 1;
};

}  // namespace velmor
