// The layout chooser: a picture of every layout with its name, layers and the player's record on
// it, a field that filters the pictures by name, and the layout picked handed back to the game.
#pragma once

#include <QDialog>
#include <QFont>
#include <vector>

#include "base/Say.h"
#include "shell/LayoutChooserModel.h"

class QLabel;
class QModelIndex;
class QRect;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmor {

class LayoutChooser : public QDialog {
  VELMOR_SPEAKS(velmor)

 public:
  LayoutChooser(const LayoutChooserModel& model, QWidget* parent);
  // The number of the layout picked; 0 until one is.
  int Chosen() const { return chosen_; }
  QLineEdit* Filter() const { return filter_; }
  QListWidget* Pictures() const { return list_; }

  // The lines of text under a card's sketch, each in its font, from the view's font; and the
  // width they have on a card that takes `card` in the view.
  struct CardLine {
    QString text;
    QFont font;
  };
  static std::vector<CardLine> CardLines(const QModelIndex& index, const QFont& font);
  static int CardTextWidth(const QRect& card);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyFilter(const QString& text);
  void Play();

  const LayoutChooserModel& model_;
  QLineEdit* filter_ = nullptr;
  QListWidget* list_ = nullptr;
  QLabel* none_ = nullptr;
  QPushButton* play_ = nullptr;
  int chosen_ = 0;
};

}  // namespace velmor
