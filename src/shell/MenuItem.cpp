#include "shell/MenuItem.h"

#include <algorithm>

namespace velmor {

void MenuItem::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Change::State);
}

void MenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Notify(Change::State);
}

void MenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Change::State);
}

void MenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Notify(Change::State);
}

MenuItem& MenuItem::Add(MenuItem& child) {
  child.parent_ = this;
  items_.push_back(&child);
  Notify(Change::Children);
  return child;
}

MenuItem& MenuItem::AddOwned(std::unique_ptr<MenuItem> child) {
  MenuItem& ref = *child;
  owned_.push_back(std::move(child));
  return Add(ref);
}

MenuItem& MenuItem::AddSeparator() {
  auto sep = std::make_unique<MenuItem>("", "-");
  sep->separator_ = true;
  return AddOwned(std::move(sep));
}

int MenuItem::IndexOf(const MenuItem& child) const {
  const auto it = std::find(items_.begin(), items_.end(), &child);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void MenuItem::RemoveFrom(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  const std::vector<MenuItem*> gone(items_.begin() + index, items_.end());
  items_.resize(static_cast<size_t>(index));
  for (MenuItem* item : gone) item->parent_ = nullptr;  // those kept elsewhere belong to no menu now
  std::erase_if(owned_, [&gone](const std::unique_ptr<MenuItem>& item) {
    return std::find(gone.begin(), gone.end(), item.get()) != gone.end();
  });
  Notify(Change::Children);
}

void MenuItem::Notify(Change change) {
  for (MenuItem* m = this; m; m = m->parent_)
    if (m->observer_) {
      m->observer_(*this, change);
      return;
    }
}

void NumberedEntries::Set(int number, MenuItem& item) {
  if (number < 1) return;
  if (static_cast<size_t>(number) >= items_.size()) items_.resize(static_cast<size_t>(number) + 1, nullptr);
  items_[static_cast<size_t>(number)] = &item;
}

MenuItem* NumberedEntries::Entry(int number) const {
  return number >= 1 && number <= Count() ? items_[static_cast<size_t>(number)] : nullptr;
}

int NumberedEntries::NumberOf(const MenuItem& item) const {
  for (int k = 1; k <= Count(); ++k)
    if (items_[static_cast<size_t>(k)] == &item) return k;
  return 0;
}

void NumberedEntries::CheckOnly(int number) {
  for (int k = 1; k <= Count(); ++k)
    if (MenuItem* item = items_[static_cast<size_t>(k)]) item->SetChecked(k == number);
}

}  // namespace velmor
