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

  Highlight1.SetRadioGroup(1).OnClick([this](MenuItem&) { Highlight1Click(); });
  for (MenuItem* rect : {&Highlight2, &Highlight4, &Highlight5})
    rect->SetRadioGroup(1).OnClick([this](MenuItem& item) { Highlight2Click(item); });
  Highlight3.SetRadioGroup(1).OnClick([this](MenuItem&) { Highlight3Click(); });
  Highlight4.SetChecked(true);
  Invert.SetCheckable().OnClick([this](MenuItem&) { InvertClick(); });
  Shadows.SetCheckable().OnClick([this](MenuItem&) { ShadowsClick(); });
  Shadows.SetChecked(true);

  Tileset1.Add(Load1.SetRadioGroup(2).OnClick([this](MenuItem&) { Load1Click(); }));
  Tileset1.AddSeparator();
  for (MenuItem* item : {&MahJongg1, &MahJongg2, &MahJongg3, &Lowcolor1})
    Tileset1.Add(item->SetRadioGroup(2).OnClick([this](MenuItem& i) { BuiltInTilesetClick(i); }));
  MahJongg3.SetChecked(true);
  Background1.Add(LoadBackground.SetRadioGroup(3).OnClick([this](MenuItem&) { LoadBackgroundClick(); }));
  Background1.AddSeparator();
  Background1.Add(None1.SetRadioGroup(3).OnClick([this](MenuItem&) { None1Click(); }));
  for (MenuItem* item : {&Dragons1, &Andromeda, &Kanji1, &Catpats})
    Background1.Add(item->SetRadioGroup(3).OnClick([this](MenuItem& i) { BuiltInBackgroundClick(i); }));
  Andromeda.SetChecked(true);

  Pause1.OnClick([this](MenuItem&) { PauseClick(); });
  PauseButton.SetHint("Pause game").OnClick([this](MenuItem&) { PauseClick(); });
  ShowTime.SetCheckable().OnClick([this](MenuItem&) { ShowTimeClick(); });
  Moves.SetCheckable().OnClick([this](MenuItem&) { NStatus(); });
  CoolStatus.SetCheckable().OnClick([](MenuItem& item) { item.Toggle(); });
  for (MenuItem* option : {&ShowTime, &Moves, &CoolStatus}) option->SetChecked(true);
  for (MenuItem* panel : {&TilesLeftPanel, &TilesLeftLine, &MovesLeftPanel, &MovesLeftLine, &TimePanel,
                          &TimeLine, &StatusPanel, &StatusText})
    LigneStatus.Add(*panel);
  MovesLeftPanel.OnClick([this](MenuItem&) { NStatus(); });
  TimePanel.OnClick([this](MenuItem&) { ShowTimeClick(); });

  for (MenuItem* option : {&RandomMusic, &PlayMusic, &PlaySounds, &StartMusic})
    option->SetCheckable().OnClick([](MenuItem& item) { item.Toggle(); });  // music comes later
  PlayMusic.SetChecked(true);
  PlaySounds.SetChecked(true);
  StartMusic.SetChecked(true);
  SetMusic.SetHint("Pause music");
  Music.Add(RandomMusic);
  Music.AddSeparator();

  Layout1.Add(CreateLayout1);
  Layout1.Add(Editlayout1);
  Layout1.AddSeparator();

  registry_ = {&RandomSolitaireGame1, &NewRandomSpecificGame1, &NewSpecificGame1,
               &Solitaire1player1,    &ExplorerButton1,        &Winnable,
               &Shuffable,            &Animate,                &RandomSeed1,
               &Vertical,             &GiveHint,               &ExplorerButton3,
               &Pause1,               &PauseButton,            &Layout1,
               &CreateLayout1,        &Editlayout1,            &Highlight1,
               &Highlight2,           &Highlight3,             &Highlight4,
               &Highlight5,           &Invert,                 &Shadows,
               &Tileset1,             &Load1,                  &MahJongg1,
               &MahJongg2,            &MahJongg3,              &Lowcolor1,
               &Background1,          &LoadBackground,         &None1,
               &Dragons1,             &Andromeda,              &Kanji1,
               &Catpats,              &LigneStatus,            &TilesLeftPanel,
               &TilesLeftLine,        &MovesLeftPanel,         &MovesLeftLine,
               &TimePanel,            &TimeLine,               &StatusPanel,
               &StatusText,           &ShowTime,               &Moves,
               &CoolStatus,           &Music,                  &RandomMusic,
               &PlayMusic,            &PlaySounds,             &StartMusic,
               &SetMusic};
}

MenuItem* TVelmor::FindItem(const std::string& name) {
  for (MenuItem* item : registry_)
    if (item->Name() == name) return item;
  return nullptr;
}


}  // namespace velmor
