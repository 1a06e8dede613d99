#include "shell/TVelmor.h"

namespace velmor {

TVelmor::TVelmor(Platform& p, std::string appFolder) : platform(p), AppFolder(std::move(appFolder)) {
  if (!AppFolder.empty() && AppFolder.back() != '/') AppFolder.push_back('/');

  RandomSolitaireGame1.OnClick([this](MenuItem&) { RandomSolitaireGame1Click(); });
  Solitaire1player1.OnClick([this](MenuItem&) { RandomSolitaireGame1Click(); });
  NewRandomSpecificGame1.OnClick([this](MenuItem&) { NewRandomSpecificGame1Click(); });
  NewSpecificGame1.OnClick([this](MenuItem&) { NewSpecificGame1Click(); });
  ExplorerButton1.SetHint("New game").OnClick([this](MenuItem&) { NewGame(); });

  // Options take effect at the next deal or shuffle; their handlers only flip the mark.
  for (MenuItem* option : {&Winnable, &Shuffable, &Animate})
    option->SetCheckable().OnClick([](MenuItem& item) { item.Toggle(); });
  Shuffable.SetChecked(true);
  RandomSeed1.SetCheckable();
  Vertical.SetCheckable().OnClick([this](MenuItem&) { VerticalClick(); });
  GiveHint.OnClick([this](MenuItem&) { Hint(); });
  ExplorerButton3.SetHint("Show possible moves").OnClick([this](MenuItem&) { Hint(); });

  Layout1.Add(CreateLayout1);
  Layout1.Add(Editlayout1);
  Layout1.AddSeparator();

  registry_ = {&RandomSolitaireGame1, &NewRandomSpecificGame1, &NewSpecificGame1,
               &Solitaire1player1,    &ExplorerButton1,        &Winnable,
               &Shuffable,            &Animate,                &RandomSeed1,
               &Vertical,             &GiveHint,               &ExplorerButton3,
               &Pause1,               &PauseButton,            &Layout1,
               &CreateLayout1,        &Editlayout1};
}

MenuItem* TVelmor::FindItem(const std::string& name) {
  for (MenuItem* item : registry_)
    if (item->Name() == name) return item;
  return nullptr;
}

void TVelmor::ShowStatus(const std::string& message) {
  StatusLength = static_cast<int32_t>(message.size());
  StatusMessage = message;
  StatusPos = StatusLength;
}

}  // namespace velmor
