// What every menu item, toolbar button and status panel does, and when it can.
#include "shell/Commands.h"

#include "shell/Settings.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {
void Toggle(TVelmor&, MenuItem& item) { item.Toggle(); }

const Command CommandRows[] = {
    // New games.
    {&GameMenus::RandomSolitaireGame1, [](TVelmor& g, MenuItem&) { g.RandomSolitaireGame1Click(); }, nullptr,
     &GameMenus::ExplorerButton1},
    {&GameMenus::Solitaire1player1, [](TVelmor& g, MenuItem&) { g.RandomSolitaireGame1Click(); }},
    {&GameMenus::NewRandomSpecificGame1, [](TVelmor& g, MenuItem&) { g.NewRandomSpecificGame1Click(); }},
    {&GameMenus::NewSpecificGame1, [](TVelmor& g, MenuItem&) { g.NewSpecificGame1Click(); }},
    {&GameMenus::TwoPlayerGame1, [](TVelmor& g, MenuItem&) { g.TwoPlayers(); }, nullptr, &GameMenus::ExplorerButton1},
    {&GameMenus::Solitaire2player1, [](TVelmor& g, MenuItem&) { g.TwoPlayers(); }},
    {&GameMenus::RiversEasy1, [](TVelmor& g, MenuItem&) { g.FourRivers(false); }, nullptr, &GameMenus::ExplorerButton1},
    {&GameMenus::RiversHard1, [](TVelmor& g, MenuItem&) { g.FourRivers(true); }, nullptr, &GameMenus::ExplorerButton1},
    {&GameMenus::MJRiversEasy1, [](TVelmor& g, MenuItem&) { g.FourRivers(false); }},
    {&GameMenus::MJRiversHard1, [](TVelmor& g, MenuItem&) { g.FourRivers(true); }},
    {&GameMenus::SaveGame1, [](TVelmor& g, MenuItem&) { g.Keeper.SaveAs(); }},
    {&GameMenus::LoadGame1, [](TVelmor& g, MenuItem&) { g.Keeper.Load(); }},
    {&GameMenus::Exit1, [](TVelmor& g, MenuItem&) { g.platform.CloseMainWindow(); }, nullptr, &GameMenus::ExitButton},
    // Play.
    {&GameMenus::GiveHint, [](TVelmor& g, MenuItem&) { g.Hint(); }, &PlayCommands::hint, &GameMenus::ExplorerButton3},
    {&GameMenus::Pause1, [](TVelmor& g, MenuItem&) { g.PauseClick(); }, nullptr, &GameMenus::PauseButton},
    {&GameMenus::Stoppe, [](TVelmor& g, MenuItem&) { g.Stop(); }},
    {&GameMenus::Undo1, [](TVelmor& g, MenuItem&) { g.Back(); }, &PlayCommands::back, &GameMenus::ExplorerButton2},
    {&GameMenus::Redo1, [](TVelmor& g, MenuItem&) { g.Undo.Redo(); }, &PlayCommands::redo, &GameMenus::RedoButton},
    {&GameMenus::Restart1, [](TVelmor& g, MenuItem&) { g.Undo.Restart(); }, &PlayCommands::restart},
    {&GameMenus::CanIStillWin1, [](TVelmor& g, MenuItem&) { g.Solver.CanIStillWin(); }},
    {&GameMenus::Demo1, [](TVelmor& g, MenuItem&) { g.Solver.StartDemo(); }},
    {&GameMenus::WatchWinnability,
     [](TVelmor& g, MenuItem& i) {
       i.Toggle();
       g.Solver.PositionChanged();
     }},
    {&GameMenus::WinnableMark, [](TVelmor& g, MenuItem&) { g.Solver.CanIStillWin(); }},
    {&GameMenus::Shuffle1, [](TVelmor& g, MenuItem&) { g.Shuffle1Click(); }, &PlayCommands::shuffle,
     &GameMenus::ShuffleButton},
    {&GameMenus::Vertical, [](TVelmor& g, MenuItem&) { g.VerticalClick(); }},
    // View.
    {&GameMenus::Toolbar1, [](TVelmor& g, MenuItem&) { g.Toolbar1Click(); }},
    {&GameMenus::ShowTitle, [](TVelmor& g, MenuItem&) { g.ShowTitleClick(); }},
    {&GameMenus::ShowHallFame, [](TVelmor& g, MenuItem&) { g.ShowHallPanel(); }},
    {&GameMenus::FullScreen,
     [](TVelmor& g, MenuItem& i) {
       i.Toggle();
       g.platform.SetFullScreen(i.Checked());
     }},
    {&GameMenus::Moves, [](TVelmor& g, MenuItem&) { g.NStatus(); }},
    {&GameMenus::ShowTime, [](TVelmor& g, MenuItem&) { g.ShowTimeClick(); }},
    {&GameMenus::ShowCurrentTile, [](TVelmor& g, MenuItem&) { g.ShowCurrentTileClick(); }},
    {&GameMenus::OnlyPossibleMoves, Toggle},
    {&GameMenus::Invert, Toggle},
    {&GameMenus::Shadows, [](TVelmor& g, MenuItem&) { g.ShadowsClick(); }},
    {&GameMenus::CoolToolbar, Toggle},
    {&GameMenus::FlatButtons, Toggle},
    {&GameMenus::CoolMenu1, Toggle},  // plain menus here: the option keeps its mark
    {&GameMenus::CoolMouse, [](TVelmor& g, MenuItem&) { g.CoolMouseClick(); }},
    {&GameMenus::CoolStatus, Toggle},
    // Configuration: options that take effect at the next deal, shuffle or start.
    {&GameMenus::Winnable, Toggle},
    {&GameMenus::Shuffable, Toggle},
    {&GameMenus::Animate, Toggle},
    {&GameMenus::StartDirectly, Toggle},
    {&GameMenus::Res800, Toggle},
    {&GameMenus::StartMusic, Toggle},
    {&GameMenus::AnimateTileRivers, Toggle},
    {&GameMenus::EnableHall, Toggle},
    {&GameMenus::ResumeLastGame, Toggle},
    {&GameMenus::PlaySounds,
     [](TVelmor& g, MenuItem& i) {
       i.Toggle();
       if (i.Checked()) g.platform.PrepareSound();
     }},
    {&GameMenus::PlayMusic, [](TVelmor& g, MenuItem&) { g.Tunes.PlayMusicClick(); }},
    {&GameMenus::RandomMusic, [](TVelmor& g, MenuItem&) { g.Tunes.RandomMusicClick(); }},
    // Highlight, tileset and background: one choice each.
    {&GameMenus::Highlight1, [](TVelmor& g, MenuItem&) { g.Highlights.None(); }},
    {&GameMenus::Highlight2, [](TVelmor& g, MenuItem& i) { g.Highlights.Frame(i); }},
    {&GameMenus::Highlight4, [](TVelmor& g, MenuItem& i) { g.Highlights.Frame(i); }},
    {&GameMenus::Highlight5, [](TVelmor& g, MenuItem& i) { g.Highlights.Frame(i); }},
    {&GameMenus::Highlight3, [](TVelmor& g, MenuItem&) { g.Highlights.ColouredTile(); }},
    {&GameMenus::Load1, [](TVelmor& g, MenuItem&) { g.Looks.Load1Click(); }},
    {&GameMenus::MahJongg1, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }},
    {&GameMenus::MahJongg2, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }},
    {&GameMenus::MahJongg3, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }},
    {&GameMenus::Lowcolor1, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }},
    {&GameMenus::HighContrast1, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }},
    {&GameMenus::LoadBackground, [](TVelmor& g, MenuItem&) { g.Looks.LoadBackgroundClick(); }},
    {&GameMenus::None1, [](TVelmor& g, MenuItem&) { g.Looks.None1Click(); }},
    {&GameMenus::Dragons1, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInBackgroundClick(i); }},
    {&GameMenus::Andromeda, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInBackgroundClick(i); }},
    {&GameMenus::Kanji1, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInBackgroundClick(i); }},
    {&GameMenus::Catpats, [](TVelmor& g, MenuItem& i) { g.Looks.BuiltInBackgroundClick(i); }},
    // The toolbar and the status line.
    {&GameMenus::ExplorerButton1, [](TVelmor& g, MenuItem&) { g.NewGame(); }},
    {&GameMenus::ExplorerButton2, [](TVelmor& g, MenuItem&) { g.Back(); }, &PlayCommands::back},
    {&GameMenus::RedoButton, [](TVelmor& g, MenuItem&) { g.Undo.Redo(); }, &PlayCommands::redo},
    {&GameMenus::ExplorerButton3, [](TVelmor& g, MenuItem&) { g.Hint(); }, &PlayCommands::hint},
    {&GameMenus::ShuffleButton, [](TVelmor& g, MenuItem&) { g.Shuffle1Click(); }, &PlayCommands::shuffle},
    {&GameMenus::PauseButton, [](TVelmor& g, MenuItem&) { g.PauseClick(); }},
    {&GameMenus::SetMusic, [](TVelmor& g, MenuItem&) { g.Tunes.SetMusicClick(); }},
    {&GameMenus::ExitButton, [](TVelmor& g, MenuItem&) { g.platform.CloseMainWindow(); }},
    {&GameMenus::MovesLeftPanel, [](TVelmor& g, MenuItem&) { g.NStatus(); }},
    {&GameMenus::TimePanel, [](TVelmor& g, MenuItem&) { g.ShowTimeClick(); }},
    // Help, the tiles, the options and the Hall of Fame: all in the help window.
    {&GameMenus::Contents1, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Help); }},
    {&GameMenus::HelpButton, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Help); }},
    {&GameMenus::WhatsNew1, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Whatsnew); }},
    {&GameMenus::French1, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Francais); }},
    {&GameMenus::ViewTiles1, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::SeeTiles); }},
    {&GameMenus::About1, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Hello); }, nullptr, &GameMenus::AboutButton},
    {&GameMenus::AboutButton, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Hello); }},
    {&GameMenus::Changeplayername, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoOptions); }},
    {&GameMenus::RandomSeed1, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoOptions); }},
    {&GameMenus::Halloffame1, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoHall); }, nullptr,
     &GameMenus::HallFameButton},
    {&GameMenus::Statistics1, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoStatistics); }},
    {&GameMenus::HallFameButton, [](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoHall); }},
    // Layouts by their pictures, and from other games.
    {&GameMenus::ChooseLayout1, [](TVelmor& g, MenuItem&) { g.Choice.Choose(); }},
    {&GameMenus::ImportLayout1, [](TVelmor& g, MenuItem&) { g.Choice.Import(); }},
    // The layout editor.
    {&GameMenus::CreateLayout1, [](TVelmor& g, MenuItem&) { g.Editor.Enter(true); }},
    {&GameMenus::Editlayout1, [](TVelmor& g, MenuItem&) { g.Editor.Enter(false); }},
    {&GameMenus::Save1, [](TVelmor& g, MenuItem& i) { g.Editor.SaveAndExit(i); }},
    {&GameMenus::SaveAs1, [](TVelmor& g, MenuItem& i) { g.Editor.SaveAndExit(i); }},
    {&GameMenus::TryIt1, [](TVelmor& g, MenuItem& i) { g.Editor.SaveAndExit(i); }},
    {&GameMenus::Cancel2, [](TVelmor& g, MenuItem&) { g.Editor.Cancel(); }},
    {&GameMenus::Movetoleft1, [](TVelmor& g, MenuItem&) { g.Editor.Move(-1, 0); }},
    {&GameMenus::Movetoright1, [](TVelmor& g, MenuItem&) { g.Editor.Move(1, 0); }},
    {&GameMenus::Movetotop1, [](TVelmor& g, MenuItem&) { g.Editor.Move(0, -1); }},
    {&GameMenus::Movetobottom1, [](TVelmor& g, MenuItem&) { g.Editor.Move(0, 1); }},
};
}  // namespace

std::span<const Command> Commands() { return CommandRows; }

void TVelmor::BuildMenus() {
  for (const Command& command : Commands())
    (Menus.*command.item).OnClick([this, run = command.run](MenuItem& item) { run(*this, item); });
  // The defaults of a first start, before any settings are read.
  VelmorSettings(*this).ApplyDefaults();
}

void TVelmor::UpdateCommands() {
  const PlayCommands can = CommandsFor(Current);
  for (const Command& command : Commands())
    if (command.enabled) (Menus.*command.item).SetEnabled(can.*command.enabled);
}

}  // namespace velmor
