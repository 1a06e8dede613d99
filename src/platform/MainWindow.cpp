#include "platform/MainWindow.h"

#include "base/Say.h"
#include "platform/Translation.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "chrome/Artwork.h"
#include "platform/BoardAccessible.h"
#include "platform/DeadEndPanel.h"
#include "platform/HelpWindow.h"
#include "platform/LayoutChooser.h"

namespace velmor {

namespace {

class ClickLabel : public QLabel {
 public:
  explicit ClickLabel(QWidget* parent) : QLabel(parent) {}
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onClick) onClick();
  }
};

QString Text(const std::string& s) { return QString::fromStdString(s); }

// An item's keys: one, or several that do the same, separated by '|'.
QList<QKeySequence> Keys(const MenuItem& item) {
  QList<QKeySequence> keys;
  for (const QString& key : Text(item.ShortCut()).split('|', Qt::SkipEmptyParts))
    keys.append(QKeySequence::fromString(key, QKeySequence::PortableText));
  return keys;
}

}  // namespace

MainWindow::MainWindow(TVelmor& game) : game_(game) {
  setWindowTitle("Velmor 5.21");

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  tools_ = new TWallpaper(central);
  tools_->SetBevels(TWallpaper::Bevel::Lowered, TWallpaper::Bevel::Raised, 1, 0);
  tools_->setFixedHeight(33);
  auto* buttons = new QHBoxLayout(tools_);
  buttons->setContentsMargins(2, 1, 2, 1);
  buttons->setSpacing(1);
  for (MenuItem* item : game_.Tools.Items()) {
    auto* button = new QToolButton(tools_);
    button->setIcon(ToolbarIcon(Text(item->Name())));
    button->setIconSize(QSize(20, 20));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFixedHeight(29);
    button->setFocusPolicy(Qt::NoFocus);
    MenuItem* model = item;
    connect(button, &QToolButton::clicked, this, [model] { model->Click(); });
    if (item == &game_.ExplorerButton1) button->installEventFilter(this);  // its right button
    buttons_[item] = button;
    buttons->addWidget(button);
    Sync(*item);
  }
  buttons->addStretch(1);
  column->addWidget(tools_);

  // The editor's panel takes the toolbar's place while a layout is being built.
  editorPanel_ = new QFrame(central);
  editorPanel_->setAutoFillBackground(true);
  editorPanel_->setFixedHeight(33);
  auto* panelRow = new QHBoxLayout(editorPanel_);
  panelRow->setContentsMargins(8, 2, 8, 2);
  tilesLeftLabel_ = new QLabel(Say(VELMOR_TEXT("Tiles left")), editorPanel_);
  panelRow->addWidget(tilesLeftLabel_);
  auto* counter = new QLabel(editorPanel_);
  counter->setMinimumWidth(40);
  counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  labels_[&game_.Label40] = counter;
  Sync(game_.Label40);
  panelRow->addWidget(counter);
  panelRow->addSpacing(20);
  layoutNameLabel_ = new QLabel(Say(VELMOR_TEXT("Layout Name")), editorPanel_);
  panelRow->addWidget(layoutNameLabel_);
  layoutName_ = new QLineEdit(editorPanel_);
  panelRow->addWidget(layoutName_, 1);
  connect(layoutName_, &QLineEdit::textEdited, this,
          [this](const QString& text) { game_.Edit1.SetCaption(text.toStdString()); });
  column->addWidget(editorPanel_);

  qApp->installEventFilter(this);  // the demo stops at any key or click
  InstallBoardAccessibility();
  area_ = new BoardArea(game_, central);
  auto button = [](Qt::MouseButton b) {
    return b == Qt::RightButton    ? TVelmor::Button::Secondary
           : b == Qt::MiddleButton ? TVelmor::Button::Middle
                                   : TVelmor::Button::Primary;
  };
  Board()->onPress = [this, button](Qt::MouseButton b, QPoint at) { game_.ButtonDown(button(b), at.x(), at.y()); };
  Board()->onMove = [this](QPoint at) { game_.FormMouseMove(at.x(), at.y()); };
  column->addWidget(area_, 1);
  setCentralWidget(central);

  status_ = statusBar();
  status_->setSizeGripEnabled(false);
  for (MenuItem* panel : game_.LigneStatus.Items()) {
    auto* label = new ClickLabel(status_);
    const bool value = panel->Name().find("Line") != std::string::npos || panel == &game_.StatusText;
    label->setFrameStyle(value ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    label->setMinimumWidth(panel == &game_.StatusText ? 120 : value ? 44 : 0);
    label->setAlignment(panel == &game_.StatusText ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    MenuItem* model = panel;
    label->onClick = [model] { model->Click(); };
    labels_[panel] = label;
    status_->addWidget(label, panel == &game_.StatusText ? 1 : 0);
    Sync(*panel);
  }

  for (MenuItem* root : {&game_.VO, &game_.EditorMenu}) {
    const std::vector<QString> captions = SayCaptions(*root);
    for (size_t k = 0; k < root->Items().size(); ++k) {
      MenuItem* menu = root->Items()[k];
      QMenu* m = menuBar()->addMenu(captions[k]);
      menus_[menu] = m;
      BuildMenu(m, *menu);
    }
  }
  // Menu entries that do what a toolbar button does show that button's picture.
  const std::pair<MenuItem*, MenuItem*> pictures[] = {{&game_.RandomSolitaireGame1, &game_.ExplorerButton1},
                                                      {&game_.TwoPlayerGame1, &game_.ExplorerButton1},
                                                      {&game_.RiversEasy1, &game_.ExplorerButton1},
                                                      {&game_.RiversHard1, &game_.ExplorerButton1},
                                                      {&game_.Undo1, &game_.ExplorerButton2},
                                                      {&game_.Redo1, &game_.RedoButton},
                                                      {&game_.GiveHint, &game_.ExplorerButton3},
                                                      {&game_.Shuffle1, &game_.ShuffleButton},
                                                      {&game_.Pause1, &game_.PauseButton},
                                                      {&game_.About1, &game_.AboutButton},
                                                      {&game_.Halloffame1, &game_.HallFameButton},
                                                      {&game_.Exit1, &game_.ExitButton}};
  for (auto [entry, button] : pictures)
    if (QAction* action = ActionOf(*entry)) action->setIcon(buttons_[button]->icon());
  // "Show Toolbar" also shows and hides the editor's panel, so its key must work while the editor
  // menu replaces the main one: the window itself carries the action too.
  if (QAction* toolbar = ActionOf(game_.Toolbar1)) addAction(toolbar);

  auto observe = [this](MenuItem& item, MenuItem::Change change) {
    if (change == MenuItem::Change::Children)
      Rebuild(item);
    else
      Sync(item);
  };
  for (MenuItem* root : {&game_.VO, &game_.Tools, &game_.LigneStatus, &game_.HofBox, &game_.NewPopup, &game_.EditorMenu,
                         &game_.EditorPanel})
    root->SetObserver(observe);
  ShowMenuBarOf(game_.VO, game_.VO.Visible());
  ShowMenuBarOf(game_.EditorMenu, game_.EditorMenu.Visible());
  Sync(game_.EditorPanel);

  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    game_.Temps();
    // A steady beat keeps its rhythm; a clock's beat is aimed at its next second.
    const int delay = game_.HeartbeatDelay();
    if (delay == 0)
      timer_.stop();
    else if (delay != timer_.interval())
      timer_.start(delay);
  });
  // Whatever started moving, however it started, is seen before the program goes to sleep (or,
  // when events are only polled for, at the next poll).
  auto look = [this] {
    if (beating_ && !closing_) WakeHeartbeat(game_.HeartbeatDelay());
  };
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, look);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this, look);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (closing_ || !isVisible()) return;
    if (state == Qt::ApplicationActive)
      game_.FormActivate();
    else if (state == Qt::ApplicationInactive)
      game_.FormDeactivate();
    WakeHeartbeat(50);
  });
  Sync(game_.Tools);
  Sync(game_.LigneStatus);
  Sync(game_.HofBox);
  ApplyToolbarLook();
}

void MainWindow::StartTimer() {
  beating_ = true;
  timer_.start(50);
}

// A beat within `delay` ms (none for 0), sooner if one is already due sooner.
void MainWindow::WakeHeartbeat(int delay) {
  if (!beating_ || closing_ || delay <= 0) return;
  if (!timer_.isActive() || timer_.remainingTime() > delay) timer_.start(delay);
}

QAction* MainWindow::MakeAction(MenuItem& item, const QString& caption) {
  auto* action = new QAction(caption, this);
  lettered_[&item] = item.Caption();
  action->setCheckable(item.Checkable());
  action->setShortcuts(Keys(item));
  if (item.RadioGroup()) {
    QActionGroup*& group = groups_[item.RadioGroup()];
    if (!group) {
      group = new QActionGroup(this);
      group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    }
    group->addAction(action);
  }
  MenuItem* model = &item;
  connect(action, &QAction::triggered, this, [this, model] {
    model->Click();
    // Qt toggled the action itself, and in a radio group unchecked its neighbours too; a
    // handler that keeps the old choice (a cancelled dialog) changes no model, so every member
    // of the group is set back from the model.
    if (model->RadioGroup() == 0) {
      Sync(*model);
      return;
    }
    for (const auto& [item, member] : actions_)
      if (item->RadioGroup() == model->RadioGroup()) Sync(*item);
  });
  actions_[&item] = action;
  Sync(item);
  return action;
}

void MainWindow::BuildMenu(QMenu* menu, MenuItem& model) {
  // Lettering a menu weighs every entry against the others: done once for the whole menu.
  const std::vector<QString> captions = SayCaptions(model);
  for (size_t k = 0; k < model.Items().size(); ++k) {
    MenuItem* item = model.Items()[k];
    if (item->IsSeparator()) {
      menu->addSeparator();
    } else if (!item->Items().empty()) {
      QMenu* sub = menu->addMenu(captions[k]);
      menus_[item] = sub;
      BuildMenu(sub, *item);
    } else {
      menu->addAction(MakeAction(*item, captions[k]));
    }
  }
}

void MainWindow::Rebuild(MenuItem& menuModel) {
  const auto it = menus_.find(&menuModel);
  if (it == menus_.end()) return;
  // The entries may be gone with their models: their actions go too, rather than piling up.
  for (QAction* a : it->second->actions()) {
    for (auto m = actions_.begin(); m != actions_.end(); ++m)
      if (m->second == a) {
        actions_.erase(m);
        a->deleteLater();
        break;
      }
  }
  it->second->clear();
  BuildMenu(it->second, menuModel);
}

void MainWindow::Sync(const MenuItem& item) {
  if (const auto a = actions_.find(&item); a != actions_.end()) {
    QAction* action = a->second;
    // A new caption may take a letter an entry beside it had: the whole menu is lettered again.
    if (const MenuItem* menu = item.Parent(); menu && lettered_[&item] != item.Caption()) {
      lettered_[&item] = item.Caption();
      Reletter(*menu);
    }
    action->setChecked(item.Checked());
    action->setEnabled(item.Enabled());
    action->setVisible(item.Visible());
  }
  if (const auto b = buttons_.find(&item); b != buttons_.end()) {
    b->second->setText(Say(item.Caption()));
    b->second->setToolTip(Say(item.Hint()));
    // A button that shows an arrow or a mark alone is read out by what it does.
    b->second->setAccessibleName(&item == &game_.RedoButton     ? Say(VELMOR_TEXT("Redo"))
                                 : &item == &game_.WinnableMark ? Say(item.Hint())
                                                                : QString());
    b->second->setEnabled(item.Enabled());
    if (b->second->isHidden() == item.Visible()) b->second->setVisible(item.Visible());
  }
  if (const auto l = labels_.find(&item); l != labels_.end()) {
    // The status line scrolls or bounces its message a character at a time; a screen reader is
    // given the whole message once, as it comes ("No more moves", a result): a new name tells it.
    if (const QString whole = Text(game_.Status.Message);
        &item == &game_.StatusText && !whole.trimmed().isEmpty() && l->second->accessibleName() != whole)
      l->second->setAccessibleName(whole);
    // The core shapes the status line's frames from a message it was given translated.
    l->second->setText(&item == &game_.StatusText ? Text(item.Caption()) : Say(item.Caption()));
  }
  if (&item == &game_.Tools || &item == &game_.LigneStatus || &item == &game_.HofBox) {
    tools_->setVisible(game_.Tools.Visible());
    status_->setVisible(game_.LigneStatus.Visible());
    HallPanel()->setVisible(game_.HofBox.Visible());
    FitContent();
  }
  if (&item == &game_.CoolToolbar || &item == &game_.FlatButtons) ApplyToolbarLook();
  if (&item == &game_.VO || &item == &game_.EditorMenu) ShowMenuBarOf(item, item.Visible());
  if (&item == &game_.EditorPanel && editorPanel_) {
    editorPanel_->setVisible(item.Visible());
    FitContent();
  }
  if (&item == &game_.Edit1 && layoutName_ && layoutName_->text() != Text(item.Caption()))
    layoutName_->setText(Text(item.Caption()));
}

void MainWindow::ApplyToolbarLook() {
  tools_->SetWallpaper(game_.CoolToolbar.Checked() ? MakeToolBitmap() : QPixmap());
  for (auto& [item, button] : buttons_) button->setAutoRaise(game_.FlatButtons.Checked());
}

// One menu bar shows at a time; the hidden one's shortcuts must not fire (both use Ctrl+S and
// Ctrl+X for different things).
void MainWindow::ShowMenuBarOf(const MenuItem& root, bool shown) {
  std::function<void(const MenuItem&)> walk = [&](const MenuItem& menu) {
    for (MenuItem* item : menu.Items()) {
      if (QAction* action = ActionOf(*item); action && item != &game_.Toolbar1)
        action->setShortcuts(shown ? Keys(*item) : QList<QKeySequence>());
      walk(*item);
    }
  };
  for (MenuItem* menu : root.Items())
    if (const auto m = menus_.find(menu); m != menus_.end()) m->second->menuAction()->setVisible(shown);
  walk(root);
}

int MainWindow::ToolbarHeight() const { return tools_->height(); }
int MainWindow::StatusBarHeight() const { return status_->sizeHint().height(); }

void MainWindow::FitContent() {
  if (isMaximized() || isFullScreen()) {
    area_->Fit();
    return;
  }
  centralWidget()->adjustSize();
  adjustSize();
  resize(sizeHint());
  area_->Fit();
}

void MainWindow::SetFullScreen(bool on) {
  if (on == isFullScreen()) return;
  if (on) {
    wasMaximized_ = isMaximized();
    showFullScreen();
  } else if (wasMaximized_) {
    showMaximized();
  } else {
    showNormal();
  }
}

void MainWindow::ShowAsSaved(int width, int height, bool maximized) {
  if (width > 0 && height > 0) {
    const QSize least = minimumSizeHint();
    resize(std::max(width, least.width()), std::max(height, least.height()));
  }
  wasMaximized_ = maximized;
  if (game_.FullScreen.Checked())
    showFullScreen();
  else if (maximized)
    showMaximized();
  else
    show();
}

Platform::WindowShape MainWindow::Shape() const {
  Platform::WindowShape shape;
  shape.maximized = isFullScreen() ? wasMaximized_ : isMaximized();
  const QSize normal = normalGeometry().size().isValid() ? normalGeometry().size() : size();
  if (std::abs(area_->ShownScale() - devicePixelRatioF()) > 1e-9 || isMaximized() || isFullScreen()) {
    shape.width = normal.width();
    shape.height = normal.height();
  }
  return shape;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && isFullScreen()) {
    game_.FullScreen.Click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

QAction* MainWindow::ActionOf(const MenuItem& item) const {
  const auto it = actions_.find(&item);
  return it == actions_.end() ? nullptr : it->second;
}

QToolButton* MainWindow::ButtonOf(const MenuItem& item) const {
  const auto it = buttons_.find(&item);
  return it == buttons_.end() ? nullptr : it->second;
}

QLabel* MainWindow::LabelOf(const MenuItem& item) const {
  const auto it = labels_.find(&item);
  return it == labels_.end() ? nullptr : it->second;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // While the demo plays, the first key or click anywhere in the program takes the game back and
  // does nothing else. A key first comes as a shortcut check: accepted, no menu command runs.
  const QEvent::Type type = event->type();
  // The player's hand may change what the status line and the clock show: one beat soon after.
  if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
      type == QEvent::MouseButtonDblClick || type == QEvent::Wheel || (type == QEvent::Resize && watched == this))
    WakeHeartbeat(50);
  if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress || type == QEvent::MouseButtonPress) {
    if (game_.Solver.DemoRunning()) {
      game_.Solver.StopDemo();
      swallowKey_ = type == QEvent::ShortcutOverride;
      event->accept();
      return true;
    }
    if (type == QEvent::KeyPress && swallowKey_) {
      swallowKey_ = false;
      return true;
    }
    if (type != QEvent::ShortcutOverride) swallowKey_ = false;
  }
  // The board's keys, wherever the focus is in the main window, before Tab moves the focus.
  if (type == QEvent::KeyPress && BoardKey(watched, static_cast<QKeyEvent*>(event))) return true;
  if (event->type() == QEvent::MouseButtonRelease && watched == ButtonOf(game_.ExplorerButton1)) {
    const auto* release = static_cast<QMouseEvent*>(event);
    if (release->button() == Qt::RightButton) {
      game_.ExplorerButton1MouseUp(TVelmor::Button::Secondary);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::BoardKey(QObject* receiver, QKeyEvent* event) {
  // Only keys meant for this window: a dialog's Return or Escape is the dialog's.
  const auto* widget = qobject_cast<QWidget*>(receiver);
  if (!widget || widget->window() != this || QApplication::activePopupWidget() ||
      qobject_cast<QLineEdit*>(QApplication::focusWidget()) ||
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
    return false;
  using Key = KeyboardPlay::Key;
  Key key;
  switch (event->key()) {
    case Qt::Key_Left:
      key = Key::Left;
      break;
    case Qt::Key_Right:
      key = Key::Right;
      break;
    case Qt::Key_Up:
      key = Key::Up;
      break;
    case Qt::Key_Down:
      key = Key::Down;
      break;
    case Qt::Key_Tab:
      key = Key::Tab;
      break;
    case Qt::Key_Backtab:
      key = Key::BackTab;
      break;
    case Qt::Key_Home:
      key = Key::Home;
      break;
    case Qt::Key_PageUp:
      key = Key::PageUp;
      break;
    case Qt::Key_PageDown:
      key = Key::PageDown;
      break;
    case Qt::Key_Delete:
      key = Key::Delete;
      break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      key = Key::Activate;
      break;
    case Qt::Key_Escape:
      if (isFullScreen()) return false;  // Escape leaves full screen first
      key = Key::Cancel;
      break;
    default:
      return false;
  }
  return game_.Keys.Press(key);
}

void MainWindow::Reletter(const MenuItem& menu) {
  const std::vector<QString> captions = SayCaptions(menu);
  for (size_t k = 0; k < captions.size(); ++k) {
    const MenuItem* item = menu.Items()[k];
    if (item) lettered_[item] = item->Caption();
    if (const auto a = actions_.find(item); a != actions_.end()) a->second->setText(captions[k]);
    if (const auto m = menus_.find(item); m != menus_.end()) m->second->setTitle(captions[k]);
  }
}

void MainWindow::Retranslate() {
  for (const MenuItem* root : {&game_.VO, &game_.EditorMenu}) Reletter(*root);
  for (const auto& [menu, shown] : menus_) Reletter(*menu);
  for (const auto& [item, button] : buttons_) Sync(*item);
  for (const auto& [item, label] : labels_) Sync(*item);
  if (tilesLeftLabel_) tilesLeftLabel_->setText(Say(VELMOR_TEXT("Tiles left")));
  if (layoutNameLabel_) layoutNameLabel_->setText(Say(VELMOR_TEXT("Layout Name")));
  // Built again, in the new language, the next time they are needed.
  if (help_ && !help_->isVisible()) {
    help_->deleteLater();
    help_ = nullptr;
  }
  if (popup_ && !popup_->isVisible()) {
    popup_->deleteLater();
    popup_ = nullptr;
  }
  if (deadEnd_) {
    const bool shown = deadEnd_->isVisible();
    deadEnd_->deleteLater();
    deadEnd_ = nullptr;
    if (shown) ShowDeadEnd(true);
  }
  if (Board()) Board()->setAccessibleName(Say(VELMOR_TEXT("Board")));
  if (HallPanel()) HallPanel()->setAccessibleName(Say(VELMOR_TEXT("Hall of Fame")));
}

void MainWindow::Popup(MenuItem& menu, const MenuItem& below) {
  if (!popup_) {
    popup_ = new QMenu(this);
    BuildMenu(popup_, menu);
  }
  QWidget* anchor = ButtonOf(below);
  const QPoint at = anchor ? anchor->mapToGlobal(QPoint(0, anchor->height())) : QCursor::pos();
  popup_->popup(at);
}

void MainWindow::ShowDeadEnd(bool shown) {
  if (!deadEnd_ && !shown) return;
  if (!deadEnd_) {
    auto way = [this](const char* caption, MenuItem& item) {
      return DeadEndPanel::Way{Say(caption), [&item] { item.Click(); }};
    };
    deadEnd_ = new DeadEndPanel(
        Board(), {way(VELMOR_TEXT("Back"), game_.Undo1), way(VELMOR_TEXT("Shuffle"), game_.Shuffle1),
                  way(VELMOR_TEXT("Restart"), game_.Restart1), way(VELMOR_TEXT("New Game"), game_.ExplorerButton1)});
  }
  deadEnd_->setVisible(shown);
  if (shown) deadEnd_->raise();
}

int MainWindow::ChooseLayout(const LayoutChooserModel& model) {
  LayoutChooser chooser(model, this);
  chooser_ = &chooser;
  chooser.exec();
  chooser_ = nullptr;
  return chooser.Chosen();
}

void MainWindow::ShowHelp() {
  if (!help_) help_ = new HelpWindow(game_, this);
  help_->Run();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    timer_.stop();
    game_.FormCloseQuery();
  }
  event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  game_.FormShow();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // The window manager may end full screen itself; the menu's check mark follows.
  if (event->type() == QEvent::WindowStateChange && game_.FullScreen.Checked() != isFullScreen())
    game_.FullScreen.SetChecked(isFullScreen());
}

}  // namespace velmor
