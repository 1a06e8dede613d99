#include "shell/MenuItem.h"

#include <cctype>
#include <functional>
#include <map>
#include <set>

#include <algorithm>

namespace velmor {

void MenuItem::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Change::State);
}

MenuItem& MenuItem::SetHint(std::string hint) {
  if (hint == hint_) return *this;
  hint_ = std::move(hint);
  Notify(Change::State);
  return *this;
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

void MenuItem::AddOwned(std::vector<std::unique_ptr<MenuItem>> children) {
  if (children.empty()) return;
  for (std::unique_ptr<MenuItem>& child : children) {
    child->parent_ = this;
    items_.push_back(child.get());
    owned_.push_back(std::move(child));
  }
  Notify(Change::Children);
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

char AcceleratorOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // "&&" is an ampersand shown as such
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

namespace {
// Takes away the '&' of a caption, the "&&" of a shown ampersand aside.
std::string WithoutAccelerator(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      if (caption[i + 1] == '&') {
        out += "&&";
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}
}  // namespace

std::vector<std::string> AcceleratedCaptions(const MenuItem& menu) {
  std::vector<std::string> captions;
  for (const MenuItem* item : menu.Items())
    captions.push_back(item && !item->IsSeparator() ? item->Caption() : std::string());
  return AcceleratedCaptions(std::move(captions));
}

std::vector<std::string> AcceleratedCaptions(std::vector<std::string> captions) {
  std::set<char> taken;
  // A letter given twice (two translations choosing the same one), or an accelerator on a letter
  // outside ASCII, is given up: that entry is lettered below like one without.
  for (std::string& caption : captions) {
    const char a = AcceleratorOf(caption);
    if (a == 0) continue;
    if (static_cast<unsigned char>(a) >= 0x80 || !taken.insert(a).second) caption = WithoutAccelerator(caption);
  }
  auto usable = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
  // Each entry's candidates, word starts first as a player would guess them, then any letter or
  // digit; each with the position it stands at.
  struct Entry {
    size_t caption;
    std::vector<std::pair<char, size_t>> candidates;
  };
  std::vector<Entry> entries;
  for (size_t k = 0; k < captions.size(); ++k) {
    const std::string& caption = captions[k];
    if (caption.empty() || AcceleratorOf(caption) != 0) continue;
    Entry e{k, {}};
    std::set<char> listed;
    for (int pass = 0; pass < 2; ++pass)
      for (size_t i = 0; i < caption.size(); ++i) {
        // A byte of a letter outside ASCII neither starts a word nor is usable itself.
        const bool wordStart = i == 0 || (!usable(caption[i - 1]) && static_cast<unsigned char>(caption[i - 1]) < 0x80);
        const char c = lower(caption[i]);
        if (usable(caption[i]) && (pass == 1 || wordStart) && !taken.count(c) && listed.insert(c).second)
          e.candidates.push_back({c, i});
      }
    entries.push_back(std::move(e));
  }
  // As many entries as possible get a letter of their own: augmenting paths over the candidates,
  // tried in order of preference.
  std::map<char, size_t> owner;  // letter -> index into entries
  std::vector<int> choice(entries.size(), -1);
  std::function<bool(size_t, std::set<char>&)> place = [&](size_t e, std::set<char>& visited) {
    for (size_t c = 0; c < entries[e].candidates.size(); ++c) {
      const char letter = entries[e].candidates[c].first;
      if (!visited.insert(letter).second) continue;
      const auto held = owner.find(letter);
      if (held == owner.end() || place(held->second, visited)) {
        owner[letter] = e;
        choice[e] = static_cast<int>(c);
        return true;
      }
    }
    return false;
  };
  for (size_t e = 0; e < entries.size(); ++e) {
    std::set<char> visited;
    place(e, visited);  // a long list may run out of letters and digits
  }
  for (size_t e = 0; e < entries.size(); ++e)
    if (choice[e] >= 0)
      captions[entries[e].caption].insert(entries[e].candidates[static_cast<size_t>(choice[e])].second, 1, '&');
  return captions;
}

std::string AcceleratedCaption(const MenuItem& item) {
  const MenuItem* menu = item.Parent();
  if (!menu) return item.Caption();
  const std::vector<MenuItem*>& items = menu->Items();
  for (size_t k = 0; k < items.size(); ++k)
    if (items[k] == &item) return AcceleratedCaptions(*menu)[k];
  return item.Caption();
}

}  // namespace velmor
