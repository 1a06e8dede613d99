// The main window: menu bar, toolbar, board picture, side panel and status line, each built
// from the game object's items and kept in step with them.
#pragma once

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <map>

#include "base/Say.h"
#include "chrome/Wallpaper.h"
#include "platform/BoardArea.h"
#include "shell/TVelmor.h"

class QActionGroup;
class QLineEdit;
class QMenu;
class QStatusBar;

namespace velmor {

class MainWindow : public QMainWindow {
  VELMOR_SPEAKS(velmor)

 public:
  explicit MainWindow(TVelmor& game);

  BoardView* Board() { return area_->Board(); }
  PictureView* HallPanel() { return area_->Panel(); }
  BoardArea* Area() { return area_; }
  int ToolbarHeight() const;
  int StatusBarHeight() const;
  // Sizes the window around the parts that are shown, keeping the board's scale; a maximised or
  // full-screen window keeps its size and fits the board inside.
  void FitContent();
  void SetFullScreen(bool on);
  // Shows the window as the player left it: its size, maximised or full screen, fitted to the
  // screen it opens on. A first start opens at a comfortable share of that screen.
  void ShowAsSaved(int width, int height, bool maximized, bool firstStart);
  // What the settings keep: the size when neither maximised nor full screen (0 x 0 at the natural
  // size, so that the board stays exactly 1:1 whatever the toolbar and status line do).
  Platform::WindowShape Shape() const;
  // The heartbeat runs only while something moves or counts (see TVelmor::HeartbeatDelay).
  void StartTimer();
  bool HeartbeatRunning() const { return timer_.isActive(); }
  // Clicks the action that mirrors `item`, as the player would.
  QAction* ActionOf(const MenuItem& item) const;
  QToolButton* ButtonOf(const MenuItem& item) const;
  QLabel* LabelOf(const MenuItem& item) const;
  // Opens the pop-up `menu` in true screen coordinates just below the toolbar button `below`.
  void Popup(MenuItem& menu, const MenuItem& below);
  QMenu* PopupShown() const { return popup_; }
  // The notice over the board that no move is left; made when first needed.
  void ShowDeadEnd(bool shown);
  // Every caption, hint and label again in the language now spoken.
  void Retranslate();
  class DeadEndPanel* DeadEnd() const {
    return deadEnd_;
  }
  // The layout chooser over `model`, run modally: the layout picked, or 0.
  int ChooseLayout(const LayoutChooserModel& model);
  class LayoutChooser* Chooser() const {
    return chooser_;
  }
  // The help window, made when it is first needed.
  void ShowHelp();
  class HelpWindow* Help() const {
    return help_;
  }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenu(QMenu* menu, MenuItem& model);
  QAction* MakeAction(MenuItem& item, const QString& caption);
  // The caption each entry was lettered with: a new one letters its menu again.
  std::map<const MenuItem*, std::string> lettered_;
  void Sync(const MenuItem& item);
  void Rebuild(MenuItem& menuModel);
  void ApplyToolbarLook();
  // The buttons keep their captions while the toolbar has room for them, and show their pictures
  // alone (their hints still name them) where it has not: a small screen at a large scale.
  void FitToolbarButtons();
  // Arrows, Tab, Home, Space, Return and Escape for the board's cursor; false when not for it.
  bool BoardKey(QObject* receiver, QKeyEvent* event);

  TVelmor& game_;
  BoardArea* area_ = nullptr;
  bool wasMaximized_ = false;  // what leaving full screen returns to
  TWallpaper* tools_ = nullptr;
  QWidget* editorPanel_ = nullptr;
  QVBoxLayout* column_ = nullptr;  // toolbar, editor's panel, board
  void BuildEditorPanel();
  class DeadEndPanel* deadEnd_ = nullptr;
  QLineEdit* layoutName_ = nullptr;
  class QLabel *tilesLeftLabel_ = nullptr, *layoutNameLabel_ = nullptr;
  void ShowMenuBarOf(const MenuItem& root, bool shown);
  QStatusBar* status_ = nullptr;
  QTimer timer_;
  bool beating_ = false;  // the heartbeat was started: it may sleep and wake from now on
  void WakeHeartbeat(int delay);
  bool closing_ = false;
  bool swallowKey_ = false;  // the key press whose shortcut check stopped the demo
  std::map<const MenuItem*, QAction*> actions_;
  std::map<const MenuItem*, QMenu*> menus_;
  std::map<const MenuItem*, QToolButton*> buttons_;
  std::map<const MenuItem*, QLabel*> labels_;
  std::map<int, QActionGroup*> groups_;
  QMenu* popup_ = nullptr;
  // Captions of a menu's entries (and submenus' titles), translated and lettered together.
  void Reletter(const MenuItem& menu);
  class HelpWindow* help_ = nullptr;
  class LayoutChooser* chooser_ = nullptr;  // while it is open
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace velmor
