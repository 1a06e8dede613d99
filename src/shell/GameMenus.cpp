#include "shell/GameMenus.h"

#include "shell/Commands.h"

namespace velmor {

GameMenus::GameMenus() {
  const std::span<const Command> rows = Commands();
  rowItems_.reserve(rows.size());
  for (const Command& row : rows) {
    MenuItem* item = row.item ? &(this->*row.item) : ownItems_.emplace_back(std::make_unique<MenuItem>(row.name)).get();
    item->Declare(row.caption, row.keys);
    if (row.radioGroup) item->SetRadioGroup(row.radioGroup);
    if (row.checkable) item->SetCheckable();
    item->SetHint(row.hint);
    if (row.in) {
      MenuItem& menu = this->*row.in;
      if (row.afterSeparator) menu.AddSeparator();
      menu.Add(*item);
    } else {
      roots_.push_back(item);
    }
    if (row.hidden) item->SetVisible(false);
    rowItems_.push_back(item);
  }
  // Once every row is in, whatever is listed at run time goes after a separator of its own.
  for (size_t k = 0; k < rows.size(); ++k)
    if (rows[k].listBelow) rowItems_[k]->AddSeparator();
}

MenuItem& GameMenus::Of(const Command& row) { return *rowItems_[static_cast<size_t>(&row - Commands().data())]; }

namespace {
MenuItem* Find(MenuItem& root, const std::string& name) {
  if (root.Name() == name) return &root;
  for (MenuItem* child : root.Items())
    if (MenuItem* found = Find(*child, name)) return found;
  return nullptr;
}
}  // namespace

MenuItem* GameMenus::FindItem(const std::string& name) {
  for (MenuItem* root : roots_)
    if (MenuItem* found = Find(*root, name)) return found;
  return nullptr;
}

}  // namespace velmor
