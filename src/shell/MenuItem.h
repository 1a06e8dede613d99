// Menu entries, toolbar buttons and captions as plain objects: the check mark *is* the option.
// The window layer mirrors each item and calls Click(); it learns of changes through Observer.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velmor {

class MenuItem {
 public:
  enum class Change { State, Children };
  using Observer = std::function<void(MenuItem&, Change)>;

  MenuItem() = default;
  explicit MenuItem(std::string name, std::string caption = {}, std::string shortcut = {})
      : name_(std::move(name)), caption_(std::move(caption)), shortcut_(std::move(shortcut)) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  const std::string& ShortCut() const { return shortcut_; }
  const std::string& Hint() const { return hint_; }
  bool Checked() const { return checked_; }
  bool Enabled() const { return enabled_; }
  bool Visible() const { return visible_; }
  bool Checkable() const { return checkable_; }
  bool IsSeparator() const { return separator_; }
  int RadioGroup() const { return radioGroup_; }

  // The caption and keys its row of the command table gives it, before it joins a menu: no one is
  // told, as no window mirrors it yet.
  MenuItem& Declare(std::string caption, std::string shortcut) {
    caption_ = std::move(caption);
    shortcut_ = std::move(shortcut);
    return *this;
  }
  void SetCaption(std::string caption);
  void SetChecked(bool checked);
  void Toggle() { SetChecked(!checked_); }
  void SetEnabled(bool enabled);
  void SetVisible(bool visible);
  // The tooltip and, for a button showing a mark alone, what a screen reader says: a change is
  // told like a new caption, or the window would keep showing the old one beside the new mark.
  MenuItem& SetHint(std::string hint);
  MenuItem& SetCheckable(bool checkable = true) {
    checkable_ = checkable;
    return *this;
  }
  MenuItem& SetRadioGroup(int group) {
    checkable_ = true;
    radioGroup_ = group;
    return *this;
  }
  MenuItem& OnClick(std::function<void(MenuItem&)> handler) {
    handler_ = std::move(handler);
    return *this;
  }

  // Runs the item's handler, as the menu or the button does.
  void Click() {
    if (handler_) handler_(*this);
  }

  // Sub-entries, in menu order. Add() keeps a pointer; AddOwned() keeps the entry alive too.
  const std::vector<MenuItem*>& Items() const { return items_; }
  const MenuItem* Parent() const { return parent_; }
  MenuItem& Add(MenuItem& child);
  MenuItem& AddOwned(std::unique_ptr<MenuItem> child);
  // Appends them all, and the window rebuilds the menu once rather than once per entry.
  void AddOwned(std::vector<std::unique_ptr<MenuItem>> children);
  MenuItem& AddSeparator();
  // 0-based position of `child` among the entries, -1 when it is not one of them.
  int IndexOf(const MenuItem& child) const;
  // Takes away the entries from 0-based position `index` on; the owned ones are destroyed.
  void RemoveFrom(int index);

  // One observer for the whole tree: set on the root, found by every descendant through parent_.
  void SetObserver(Observer observer) { observer_ = std::move(observer); }

 private:
  void Notify(Change change);

  std::string name_, caption_, shortcut_, hint_;
  bool checked_ = false, enabled_ = true, visible_ = true, checkable_ = false, separator_ = false;
  int radioGroup_ = 0;
  std::function<void(MenuItem&)> handler_;
  std::vector<MenuItem*> items_;
  std::vector<std::unique_ptr<MenuItem>> owned_;
  MenuItem* parent_ = nullptr;
  Observer observer_;
};

// Every entry's caption as the window shows it: entries without an accelerator ('&' before a
// letter) get one, the first letter of a word not taken in the menu, else any letter or digit not
// taken, so each can be reached from the keyboard. Aligned with menu.Items() ("" for separators).
std::vector<std::string> AcceleratedCaptions(const MenuItem& menu);
// The same over captions given in menu order ("" for separators), such as translated ones: an
// accelerator that repeats one before it, or stands on a letter outside ASCII, is replaced.
std::vector<std::string> AcceleratedCaptions(std::vector<std::string> captions);
// The accelerator of a caption, lower case; 0 when it has none.
char AcceleratorOf(const std::string& caption);
// The item's caption from its menu's AcceleratedCaptions (its own caption outside a menu).
std::string AcceleratedCaption(const MenuItem& item);

// The entries of a menu that lists files (layouts, tunes), numbered from 1 as the settings and the
// Hall of Fame count them.
class NumberedEntries {
 public:
  void Clear() { items_.assign(1, nullptr); }
  void Set(int number, MenuItem& item);
  int Count() const { return static_cast<int>(items_.size()) - 1; }
  MenuItem* Entry(int number) const;         // nullptr outside 1..Count()
  int NumberOf(const MenuItem& item) const;  // 0 when it is none of them
  // Checks entry `number` alone; none when `number` is no entry.
  void CheckOnly(int number);

 private:
  std::vector<MenuItem*> items_{nullptr};
};

}  // namespace velmor
