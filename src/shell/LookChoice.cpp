#include "shell/LookChoice.h"

#include <utility>

namespace velmor {

LookChoice::LookChoice(const std::string& folder, MenuItem& fromDisk, std::vector<Entry> entries,
                       FileDialogRequest dialog, Loaders loaders)
    : folder_(folder), fromDisk_(fromDisk), dialog_(std::move(dialog)), loaders_(std::move(loaders)) {
  entries_.push_back({&fromDisk, ""});
  entries_.insert(entries_.end(), entries.begin(), entries.end());
}

void LookChoice::Show(MenuItem* item) {
  for (const Entry& entry : entries_) entry.item->SetChecked(entry.item == item);
}

void LookChoice::Use(MenuItem& item) {
  Show(&item);
  inUse_ = &item;
}

// At start-up there is no look in use to keep: the caller's default is taken once instead, and
// whatever that leaves is final even when it fails too.
void LookChoice::KeepInUse() {
  if (inUse_ || fallingBack_) {
    Show(inUse_);
    return;
  }
  fallingBack_ = true;
  loaders_.fallBack();
  fallingBack_ = false;
}

void LookChoice::Choose(MenuItem& item) {
  Show(&item);
  for (const Entry& entry : entries_)
    if (entry.item == &item && !entry.file.empty()) Load(folder_ + entry.file);
}

bool LookChoice::Load(const std::string& path) {
  if (!loaders_.exists(path)) {
    remembered.clear();
    Show(&fromDisk_);
    LoadFromDisk();
    return inUse_ == &fromDisk_;
  }
  MenuItem* chosen = nullptr;
  for (const Entry& entry : entries_)
    if (entry.item->Checked()) chosen = entry.item;
  if (!loaders_.read(path)) {
    KeepInUse();
    return false;
  }
  inUse_ = chosen;
  return true;
}

void LookChoice::LoadFromDisk() {
  for (;;) {
    const std::string previous = remembered;
    const bool ask = fromDisk_.Checked() || remembered.empty();
    if (ask) {
      FileDialogRequest request = dialog_;
      request.initialFolder = folder_ + dialog_.initialFolder;
      const auto chosen = loaders_.ask(request);
      if (!chosen) {
        KeepInUse();
        return;
      }
      remembered = *chosen;
    }
    if (loaders_.exists(remembered)) {
      Show(&fromDisk_);
      // A file that cannot be read is not remembered, or the next click would read it again
      // instead of asking for another.
      if (!Load(std::string(remembered))) remembered = ask ? previous : std::string();
      return;
    }
    remembered.clear();
    Show(&fromDisk_);
  }
}

MenuItem& LookChoice::StartUpChoice(std::initializer_list<MenuItem*> preferred, MenuItem& otherwise) {
  if (fromDisk_.Checked()) {
    fromDisk_.SetChecked(false);
    return fromDisk_;
  }
  for (MenuItem* item : preferred)
    if (item->Checked()) return *item;
  return otherwise;
}

}  // namespace velmor
