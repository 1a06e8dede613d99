#include "platform/MainWindow.h"

#include "base/Say.h"
#include "base/Version.h"
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
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "chrome/Artwork.h"
#include "platform/BoardAccessible.h"
#include "platform/ClockAccessible.h"
#include "platform/DeadEndPanel.h"
#include "platform/HelpWindow.h"
#include "platform/LayoutChooser.h"
#include "shell/Commands.h"

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

}  // namespace

MainWindow::MainWindow(TVelmor& game) : game_(game) {
  setWindowTitle(VELMOR_NAME_AND_VERSION);

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
  for (MenuItem* item : game_.Menus.Tools.Items()) {
    auto* button = new QToolButton(tools_);
    button->setIcon(ToolbarIcon(Text(item->Name())));
    button->setIconSize(QSize(20, 20));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFixedHeight(29);
    button->setFocusPolicy(Qt::NoFocus);
    // A greyed-out command stays readable over the light wallpaper: dimmed, not washed away.
    QPalette dimmed = button->palette();
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
      dimmed.setColor(QPalette::Disabled, role, QColor(118, 118, 118));
    button->setPalette(dimmed);
    MenuItem* model = item;
    connect(button, &QToolButton::clicked, this, [model] { model->Click(); });
    if (item == &game_.Menus.ExplorerButton1) button->installEventFilter(this);  // its right button
    buttons_[item] = button;
    buttons->addWidget(button);
    Sync(*item);
  }
  buttons->addStretch(1);
  // The buttons' captions must not hold the window wider than the screen: the toolbar still asks
  // for its natural width, but gives way below it (FitToolbarButtons).
  buttons->setSizeConstraint(QLayout::SetNoConstraint);
  tools_->setMinimumWidth(1);
  column->addWidget(tools_);

  // The editor's panel takes the toolbar's place while a layout is being built; it is made the
  // first time the editor opens (BuildEditorPanel), here below the toolbar.
  column_ = column;

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
  for (MenuItem* panel : game_.Menus.LigneStatus.Items()) {
    auto* label = new ClickLabel(status_);
    const bool value = panel->Name().find("Line") != std::string::npos || panel == &game_.Menus.StatusText;
    label->setFrameStyle(value ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    label->setMinimumWidth(panel == &game_.Menus.StatusText ? 120 : value ? 44 : 0);
    label->setAlignment(panel == &game_.Menus.StatusText ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    MenuItem* model = panel;
    label->onClick = [model] { model->Click(); };
    labels_[panel] = label;
    status_->addWidget(label, panel == &game_.Menus.StatusText ? 1 : 0);
    Sync(*panel);
  }

  for (MenuItem* root : {&game_.Menus.VO, &game_.Menus.EditorMenu}) {
    const std::vector<QString> captions = SayCaptions(*root);
    for (size_t k = 0; k < root->Items().size(); ++k) {
      MenuItem* menu = root->Items()[k];
      QMenu* m = menuBar()->addMenu(captions[k]);
      menus_[menu] = m;
      BuildMenu(m, *menu);
    }
  }
  // Menu entries that do what a toolbar button does show that button's picture.
  for (const Command& command : Commands())
    if (QAction* action = command.picture ? ActionOf(game_.Menus.Of(command)) : nullptr)
      action->setIcon(buttons_[&(game_.Menus.*command.picture)]->icon());
  // "Show Toolbar" also shows and hides the editor's panel, so its key must work while the editor
  // menu replaces the main one: the window itself carries the action too.
  if (QAction* toolbar = ActionOf(game_.Menus.Toolbar1)) addAction(toolbar);

  auto observe = [this](MenuItem& item, MenuItem::Change change) {
    if (change == MenuItem::Change::Children)
      Rebuild(item);
    else
      Sync(item);
  };
  for (MenuItem* root : {&game_.Menus.VO, &game_.Menus.Tools, &game_.Menus.LigneStatus, &game_.Menus.HofBox,
                         &game_.Menus.NewPopup, &game_.Menus.EditorMenu, &game_.Menus.EditorPanel})
    root->SetObserver(observe);
  ShowMenuBarOf(game_.Menus.VO, game_.Menus.VO.Visible());
  ShowMenuBarOf(game_.Menus.EditorMenu, game_.Menus.EditorMenu.Visible());
  Sync(game_.Menus.EditorPanel);

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
  Sync(game_.Menus.Tools);
  Sync(game_.Menus.LigneStatus);
  Sync(game_.Menus.HofBox);
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

void MainWindow::BuildEditorPanel() {
  editorPanel_ = new QFrame(centralWidget());
  editorPanel_->setAutoFillBackground(true);
  editorPanel_->setFixedHeight(33);
  auto* panelRow = new QHBoxLayout(editorPanel_);
  panelRow->setContentsMargins(8, 2, 8, 2);
  tilesLeftLabel_ = new QLabel(Say(VELMOR_TEXT("Tiles left")), editorPanel_);
  panelRow->addWidget(tilesLeftLabel_);
  auto* counter = new QLabel(editorPanel_);
  counter->setMinimumWidth(40);
  counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  labels_[&game_.Menus.Label40] = counter;
  Sync(game_.Menus.Label40);
  panelRow->addWidget(counter);
  panelRow->addSpacing(20);
  layoutNameLabel_ = new QLabel(Say(VELMOR_TEXT("Layout Name")), editorPanel_);
  panelRow->addWidget(layoutNameLabel_);
  layoutName_ = new QLineEdit(editorPanel_);
  panelRow->addWidget(layoutName_, 1);
  connect(layoutName_, &QLineEdit::textEdited, this,
          [this](const QString& text) { game_.Menus.Edit1.SetCaption(text.toStdString()); });
  column_->insertWidget(column_->indexOf(tools_) + 1, editorPanel_);
  Sync(game_.Menus.Edit1);
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
    if (const QString caption = Say(item.Caption()); b->second->text() != caption) {
      b->second->setText(caption);
      if (tools_->isVisible()) FitToolbarButtons();  // a translation may not fit where the English did
    }
    b->second->setToolTip(Say(item.Hint()));
    // The winnability mark shows a sign alone: it is read out by what the sign means.
    b->second->setAccessibleName(&item == &game_.Menus.WinnableMark ? Say(item.Hint()) : QString());
    b->second->setEnabled(item.Enabled());
    if (b->second->isHidden() == item.Visible()) b->second->setVisible(item.Visible());
  }
  if (const auto l = labels_.find(&item); l != labels_.end()) {
    // The status line scrolls or bounces its message a character at a time; a screen reader is
    // given the whole message once, as it comes ("No more moves", a result): a new name tells it.
    if (const QString whole = Text(game_.Current.Status.Message);
        &item == &game_.Menus.StatusText && !whole.trimmed().isEmpty() && l->second->accessibleName() != whole)
      l->second->setAccessibleName(whole);
    // The clock is read when asked for, not heard at every tick: it keeps the name of its caption.
    if (&item == &game_.Menus.TimeLine) MakeReadableClock(l->second, Say(game_.Menus.TimePanel.Caption()));
    // The core shapes the status line's frames from a message it was given translated.
    l->second->setText(&item == &game_.Menus.StatusText ? Text(item.Caption()) : Say(item.Caption()));
  }
  if (&item == &game_.Menus.Tools || &item == &game_.Menus.LigneStatus || &item == &game_.Menus.HofBox) {
    tools_->setVisible(game_.Menus.Tools.Visible());
    status_->setVisible(game_.Menus.LigneStatus.Visible());
    HallPanel()->setVisible(game_.Menus.HofBox.Visible());
    FitContent();
  }
  if (&item == &game_.Menus.CoolToolbar || &item == &game_.Menus.FlatButtons) ApplyToolbarLook();
  if (&item == &game_.Menus.VO || &item == &game_.Menus.EditorMenu) ShowMenuBarOf(item, item.Visible());
  if (&item == &game_.Menus.EditorPanel) {
    if (!editorPanel_ && item.Visible()) BuildEditorPanel();
    if (editorPanel_) editorPanel_->setVisible(item.Visible());
    FitContent();
  }
  if (&item == &game_.Menus.Edit1 && layoutName_ && layoutName_->text() != Text(item.Caption()))
    layoutName_->setText(Text(item.Caption()));
}

void MainWindow::ApplyToolbarLook() {
  const int scale = static_cast<int>(std::lround(devicePixelRatioF()));
  tools_->SetWallpaper(game_.Menus.CoolToolbar.Checked() ? MakeToolBitmap(scale) : QPixmap());
  for (auto& [item, button] : buttons_) button->setAutoRaise(game_.Menus.FlatButtons.Checked());
}

int MainWindow::ToolbarHeight() const { return tools_->height(); }
int MainWindow::StatusBarHeight() const { return status_->sizeHint().height(); }

void MainWindow::FitContent() {
  if (isMaximized() || isFullScreen()) {
    area_->Fit();
    FitToolbarButtons();
    return;
  }
  // The natural size is the one with every caption shown.
  for (auto& [item, button] : buttons_) button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  centralWidget()->adjustSize();
  adjustSize();
  resize(sizeHint());
  area_->Fit();
  FitToolbarButtons();
}

void MainWindow::FitToolbarButtons() {
  const auto show = [this](Qt::ToolButtonStyle style) {
    for (auto& [item, button] : buttons_)
      if (button->toolButtonStyle() != style) button->setToolButtonStyle(style);
  };
  show(Qt::ToolButtonTextBesideIcon);
  if (tools_->layout()->sizeHint().width() > tools_->width()) show(Qt::ToolButtonIconOnly);
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

void MainWindow::ShowAsSaved(int width, int height, bool maximized, bool firstStart) {
  const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
  // Room for the frame the window manager adds, which is not known before the window shows.
  const QRect room = on ? on->availableGeometry().adjusted(0, 0, -16, -48) : QRect(0, 0, 1 << 14, 1 << 14);
  QSize size = width > 0 && height > 0 ? QSize(width, height) : QSize();
  if (!size.isValid() && firstStart && !maximized) {
    // About two thirds of the screen's width, as the other tile games open; the natural size when
    // that is close, so that the board stays 1:1.
    const QSize natural = sizeHint();
    const double f = std::min(0.65 * room.width() / natural.width(), 0.85 * room.height() / natural.height());
    if (std::abs(f - 1) > 0.1) size = (QSizeF(natural) * f).toSize();
  }
  if (!size.isValid() && !maximized) size = sizeHint();
  if (size.isValid()) {
    // A size saved on a larger screen, or at a smaller scale, is brought within this one.
    const QSize least = minimumSizeHint();
    size = size.boundedTo(room.size()).expandedTo(least);
    if (size != this->size()) resize(size);
    // Kept on screen: a place saved on another screen must not leave the window out of reach.
    QPoint at = firstStart ? room.center() - QPoint(size.width() / 2, size.height() / 2) : pos();
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    if (at != pos()) move(at);
  }
  wasMaximized_ = maximized;
  if (game_.Menus.FullScreen.Checked())
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
    game_.Menus.FullScreen.Click();
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
  if (type == QEvent::Resize && watched == tools_) FitToolbarButtons();
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
  if (event->type() == QEvent::MouseButtonRelease && watched == ButtonOf(game_.Menus.ExplorerButton1)) {
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
  // The notice's ways come first while it shows: no move is left on the board anyway.
  if (deadEnd_ && deadEnd_->isVisible() && deadEnd_->Key(*event)) return true;
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

void MainWindow::ShowDeadEnd(bool shown) {
  if (!deadEnd_ && !shown) return;
  // The board's pictures are drawn at a whole scale for the screen's pixels; the notice, laid
  // out in the window's own units, takes the part of it that is the window's size.
  const int scale = std::max(1, static_cast<int>(std::lround(game_.Pictures.Scale / Board()->devicePixelRatioF())));
  if (deadEnd_ && shown && deadEnd_->Scale() != scale) {
    deadEnd_->deleteLater();
    deadEnd_ = nullptr;
  }
  if (!deadEnd_) {
    auto way = [this](const char* caption, MenuItem& item) {
      return DeadEndPanel::Way{Say(caption), [&item] { item.Click(); }};
    };
    deadEnd_ = new DeadEndPanel(
        Board(),
        {way(VELMOR_TEXT("Back"), game_.Menus.Undo1), way(VELMOR_TEXT("Shuffle"), game_.Menus.Shuffle1),
         way(VELMOR_TEXT("Restart"), game_.Menus.Restart1), way(VELMOR_TEXT("New Game"), game_.Menus.ExplorerButton1)},
        scale);
  }
  const bool appearing = shown && deadEnd_->isHidden();
  deadEnd_->SetAdvice(Say(game_.DeadEnds.Advice()));
  deadEnd_->setVisible(shown);
  if (shown) deadEnd_->raise();
  if (appearing) deadEnd_->Announce();
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
  if (event->type() == QEvent::WindowStateChange && game_.Menus.FullScreen.Checked() != isFullScreen())
    game_.Menus.FullScreen.SetChecked(isFullScreen());
}

}  // namespace velmor
