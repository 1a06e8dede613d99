// The help window: eight pages over the game object's help state, shown modally.
#pragma once

#include <QDialog>

#include "base/Say.h"
#include "shell/TVelmor.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTextBrowser;

namespace velmor {

class HelpWindow : public QDialog {
  VELMOR_SPEAKS(velmor)

 public:
  HelpWindow(TVelmor& game, QWidget* parent);
  // Brings every page up to date with the game's help state, then runs the window modally.
  void Run();
  QTabWidget* Pages() const { return pages_; }
  QTableWidget* Scores() const { return scores_; }
  QLineEdit* NameField() const { return hallEdit_; }
  QLabel* RecordLabel() const { return hallLabel_; }
  QComboBox* Chooser() const { return chooser_; }
  QTableWidget* StatisticsTable() const { return statistics_; }

 private:
  void Refresh();
  void FillScores();
  void FillStatistics();
  QWidget* PicturePage(const QString& html, bool withTiles);

  TVelmor& game_;
  QTabWidget* pages_ = nullptr;
  QTextBrowser* help_ = nullptr;
  QTextBrowser* whatsnew_ = nullptr;
  QLabel* tiles_ = nullptr;
  QLineEdit* playerName_ = nullptr;
  QLineEdit* randomSeed_ = nullptr;
  QTableWidget* scores_ = nullptr;
  QTableWidget* statistics_ = nullptr;
  QLabel* statisticsNone_ = nullptr;
  QComboBox* chooser_ = nullptr;
  QPushButton* reset_ = nullptr;
  QLabel* hallLabel_ = nullptr;
  QLineEdit* hallEdit_ = nullptr;
  QPixmap background_;
  bool filling_ = false;
};

}  // namespace velmor
