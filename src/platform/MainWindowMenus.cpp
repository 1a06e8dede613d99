// The window's menus: built from the game's menu model, lettered (in the language spoken) and kept
// in step with it; the pop-up of the New button; the menu bar of the editor or of the game.
#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "base/Say.h"
#include "platform/DeadEndPanel.h"
#include "platform/HelpWindow.h"
#include "platform/MainWindow.h"
#include "platform/Translation.h"

namespace velmor {

namespace {
// An item's keys: one, or several that do the same, separated by '|', in their portable form
// whatever the language.
QList<QKeySequence> Keys(const MenuItem& item) {
  QList<QKeySequence> keys;
  for (const QString& key : QString::fromStdString(item.ShortCut()).split('|', Qt::SkipEmptyParts))
    keys.append(QKeySequence::fromString(key, QKeySequence::PortableText));
  return keys;
}
}  // namespace

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

// One menu bar shows at a time; the hidden one's shortcuts must not fire (both use Ctrl+S and
// Ctrl+X for different things).
void MainWindow::ShowMenuBarOf(const MenuItem& root, bool shown) {
  std::function<void(const MenuItem&)> walk = [&](const MenuItem& menu) {
    for (MenuItem* item : menu.Items()) {
      if (QAction* action = ActionOf(*item); action && item != &game_.Menus.Toolbar1)
        action->setShortcuts(shown ? Keys(*item) : QList<QKeySequence>());
      walk(*item);
    }
  };
  for (MenuItem* menu : root.Items())
    if (const auto m = menus_.find(menu); m != menus_.end()) m->second->menuAction()->setVisible(shown);
  walk(root);
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
  for (const MenuItem* root : {&game_.Menus.VO, &game_.Menus.EditorMenu}) Reletter(*root);
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
  Sync(game_.Menus.TimeLine);
  // The toolbar's captions are wider or narrower in the new language: the window follows them.
  FitContent();
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

}  // namespace velmor
