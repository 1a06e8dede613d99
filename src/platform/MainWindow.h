// The main window: menu bar, toolbar, board picture, side panel and status line, each built
// from the game object's items and kept in step with them.
#pragma once

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <map>

#include "chrome/Wallpaper.h"
#include "shell/TVelmor.h"

class QActionGroup;
class QLineEdit;
class QMenu;
class QStatusBar;

namespace velmor {

// Shows the game's pictures at 1:1 and reports the pointer in its own pixels. A picture shown
// whole is painted straight from the game's memory; only a mix of two pictures needs a copy.
class PictureView : public QWidget {
 public:
  PictureView(int width, int height, QWidget* parent);
  // What the view shows now, as a picture of its own size.
  QImage Shown() const;
  // Shows `area` of `picture` at the same place and repaints that part.
  void Present(const Picture& picture, const Rect& area);
  std::function<void(Qt::MouseButton, QPoint)> onPress;
  std::function<void(QPoint)> onMove;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;

 private:
  QImage Wrap(const Picture& picture) const;
  const Picture* source_ = nullptr;
  QImage mixed_;
};

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(TVelmor& game);

  PictureView* Board() { return board_; }
  PictureView* HallPanel() { return hof_; }
  int ToolbarHeight() const;
  int StatusBarHeight() const;
  // Sizes the window around the parts that are shown.
  void FitContent();
  void StartTimer() { timer_.start(50); }
  // Clicks the action that mirrors `item`, as the player would.
  QAction* ActionOf(const MenuItem& item) const;
  QToolButton* ButtonOf(const MenuItem& item) const;
  QLabel* LabelOf(const MenuItem& item) const;
  // Opens the pop-up `menu` in true screen coordinates just below the toolbar button `below`.
  void Popup(MenuItem& menu, const MenuItem& below);
  QMenu* PopupShown() const { return popup_; }
  // The help window, made when it is first needed.
  void ShowHelp();
  class HelpWindow* Help() const {
    return help_;
  }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenu(QMenu* menu, MenuItem& model);
  QAction* MakeAction(MenuItem& item);
  void Sync(const MenuItem& item);
  void Rebuild(MenuItem& menuModel);
  void ApplyToolbarLook();

  TVelmor& game_;
  PictureView* board_ = nullptr;
  PictureView* hof_ = nullptr;
  TWallpaper* tools_ = nullptr;
  QWidget* editorPanel_ = nullptr;
  QLineEdit* layoutName_ = nullptr;
  void ShowMenuBarOf(const MenuItem& root, bool shown);
  QStatusBar* status_ = nullptr;
  QTimer timer_;
  bool closing_ = false;
  std::map<const MenuItem*, QAction*> actions_;
  std::map<const MenuItem*, QMenu*> menus_;
  std::map<const MenuItem*, QToolButton*> buttons_;
  std::map<const MenuItem*, QLabel*> labels_;
  std::map<int, QActionGroup*> groups_;
  QMenu* popup_ = nullptr;
  class HelpWindow* help_ = nullptr;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace velmor
