// What every menu item, toolbar button and status panel says, where it sits, what it does and
// when it can.
#include "shell/Commands.h"

#include "shell/Settings.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {
using M = GameMenus;

void Toggle(TVelmor&, MenuItem& item) { item.Toggle(); }

// In the order they show, each menu's entries after the menu. Laid out by hand, one row a line or
// one call a line: the formatter would join short rows and break handlers in two.
// clang-format off
constexpr Command CommandRows[] = {
    Row(&M::VO, ""),  // the main menu bar
    // New games, saved games.
    Row(&M::File1, VELMOR_TEXT("&File")).In(&M::VO),
    Row(&M::RandomSolitaireGame1, VELMOR_TEXT("Mah-Jongg Solitaire : New Fully Random Game"), "F2")
        .In(&M::File1)
        .Does([](TVelmor& g, MenuItem&) { g.RandomSolitaireGame1Click(); })
        .Shows(&M::ExplorerButton1),
    Row(&M::NewRandomSpecificGame1, VELMOR_TEXT("Mah-Jongg Solitaire : New Random Specific Game"))
        .In(&M::File1)
        .Does([](TVelmor& g, MenuItem&) { g.NewRandomSpecificGame1Click(); }),
    Row(&M::NewSpecificGame1, VELMOR_TEXT("Mah-Jongg Solitaire : New Specific Game"))
        .In(&M::File1)
        .Does([](TVelmor& g, MenuItem&) { g.NewSpecificGame1Click(); }),
    Row(&M::TwoPlayerGame1, VELMOR_TEXT("Mah-Jongg Solitaire : New 2-Player Game"), "Shift+F2")
        .In(&M::File1)
        .Does([](TVelmor& g, MenuItem&) { g.TwoPlayers(); })
        .Shows(&M::ExplorerButton1),
    Row(&M::RiversEasy1, VELMOR_TEXT("Mah-Jongg Rivers : New Game (Easy)"), "F3")
        .In(&M::File1)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.FourRivers(false); })
        .Shows(&M::ExplorerButton1),
    Row(&M::RiversHard1, VELMOR_TEXT("Mah-Jongg Rivers : New Game (Hard)"))
        .In(&M::File1)
        .Does([](TVelmor& g, MenuItem&) { g.FourRivers(true); })
        .Shows(&M::ExplorerButton1),
    Row(&M::SaveGame1, VELMOR_TEXT("&Save Game…"))
        .In(&M::File1)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.Keeper.SaveAs(); }),
    Row(&M::LoadGame1, VELMOR_TEXT("&Load Game…")).In(&M::File1).Does([](TVelmor& g, MenuItem&) { g.Keeper.Load(); }),
    Row(&M::Exit1, VELMOR_TEXT("E&xit"))
        .In(&M::File1)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.platform.CloseMainWindow(); })
        .Shows(&M::ExitButton),
    // Play.
    Row(&M::Play1, VELMOR_TEXT("&Play")).In(&M::VO),
    Row(&M::Undo1, VELMOR_TEXT("&Back"), "Ctrl+Z")
        .In(&M::Play1)
        .Does([](TVelmor& g, MenuItem&) { g.Back(); })
        .When(&PlayCommands::back)
        .Shows(&M::ExplorerButton2),
    Row(&M::Redo1, VELMOR_TEXT("R&edo"), "Ctrl+Shift+Z|Ctrl+Y")
        .In(&M::Play1)
        .Does([](TVelmor& g, MenuItem&) { g.Undo.Redo(); })
        .When(&PlayCommands::redo)
        .Shows(&M::RedoButton),
    Row(&M::Restart1, VELMOR_TEXT("&Restart"), "Ctrl+R")
        .In(&M::Play1)
        .Does([](TVelmor& g, MenuItem&) { g.Undo.Restart(); })
        .When(&PlayCommands::restart),
    Row(&M::Stoppe, VELMOR_TEXT("&Stop"), "Ctrl+X").In(&M::Play1).Does([](TVelmor& g, MenuItem&) { g.Stop(); }),
    Row(&M::Shuffle1, VELMOR_TEXT("Shu&ffle"), "Ctrl+S")
        .In(&M::Play1)
        .Does([](TVelmor& g, MenuItem&) { g.Shuffle1Click(); })
        .When(&PlayCommands::shuffle)
        .Shows(&M::ShuffleButton),
    Row(&M::GiveHint, VELMOR_TEXT("&Hint"), "Ctrl+H")
        .In(&M::Play1)
        .Does([](TVelmor& g, MenuItem&) { g.Hint(); })
        .When(&PlayCommands::hint)
        .Shows(&M::ExplorerButton3),
    Row(&M::Pause1, VELMOR_TEXT("&Pause"), "F12")
        .In(&M::Play1)
        .Does([](TVelmor& g, MenuItem&) { g.PauseClick(); })
        .Shows(&M::PauseButton),
    Row(&M::CanIStillWin1, VELMOR_TEXT("Can I Still &Win?"), "Ctrl+W")
        .In(&M::Play1)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.Solver.CanIStillWin(); }),
    Row(&M::Demo1, VELMOR_TEXT("&Demo"), "F5").In(&M::Play1).Does([](TVelmor& g, MenuItem&) { g.Solver.StartDemo(); }),
    Row(&M::Vertical, VELMOR_TEXT("Vertical Variation"))
        .In(&M::Play1)
        .AfterSeparator()
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.VerticalClick(); }),
    // Layouts by their pictures, from other games, and made in the editor; the entries of the
    // layout files follow the second separator.
    Row(&M::Layout1, VELMOR_TEXT("&Layout")).In(&M::VO).ListBelow(),
    Row(&M::ChooseLayout1, VELMOR_TEXT("&Choose Layout…"), "Ctrl+O")
        .In(&M::Layout1)
        .Does([](TVelmor& g, MenuItem&) { g.Choice.Choose(); }),
    Row(&M::ImportLayout1, VELMOR_TEXT("&Import Layout…"))
        .In(&M::Layout1)
        .Does([](TVelmor& g, MenuItem&) { g.Choice.Import(); }),
    Row(&M::CreateLayout1, VELMOR_TEXT("Create Layout"))
        .In(&M::Layout1)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.Editor.Enter(true); }),
    Row(&M::Editlayout1, VELMOR_TEXT("Edit Layout"))
        .In(&M::Layout1)
        .Does([](TVelmor& g, MenuItem&) { g.Editor.Enter(false); }),
    // View.
    Row(&M::View1, VELMOR_TEXT("&View")).In(&M::VO),
    Row(&M::Toolbar1, VELMOR_TEXT("Show &Toolbar"), "Ctrl+T")
        .In(&M::View1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.Toolbar1Click(); }),
    Row(&M::ShowTitle, VELMOR_TEXT("Show Status Bar"), "Ctrl+B")
        .In(&M::View1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.ShowTitleClick(); }),
    Row(&M::ShowHallFame, VELMOR_TEXT("Show Hall of &Fame"), "Ctrl+F")
        .In(&M::View1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.ShowHallPanel(); }),
    Row(&M::FullScreen, VELMOR_TEXT("F&ull Screen"), "F11")
        .In(&M::View1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem& i) {
          i.Toggle();
          g.platform.SetFullScreen(i.Checked());
        }),
    Row(&M::Moves, VELMOR_TEXT("Show &Moves Left"), "Ctrl+M")
        .In(&M::View1)
        .AfterSeparator()
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.NStatus(); }),
    Row(&M::ShowTime, VELMOR_TEXT("&Show Time Left"), "Ctrl+L")
        .In(&M::View1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.ShowTimeClick(); }),
    Row(&M::ShowCurrentTile, VELMOR_TEXT("Show Current Tile"))
        .In(&M::View1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.ShowCurrentTileClick(); }),
    Row(&M::OnlyPossibleMoves, VELMOR_TEXT("Only Possible Moves")).In(&M::View1).Checkable().Does(Toggle),
    Row(&M::Shadows, VELMOR_TEXT("Enable 3D shadows on tilesets"))
        .In(&M::View1)
        .AfterSeparator()
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.ShadowsClick(); }),
    Row(&M::Invert, VELMOR_TEXT("&Invert selection")).In(&M::View1).Checkable().Does(Toggle),
    Row(&M::CoolToolbar, VELMOR_TEXT("Cool Toolbar")).In(&M::View1).AfterSeparator().Checkable().Does(Toggle),
    Row(&M::FlatButtons, VELMOR_TEXT("Cool Buttons")).In(&M::View1).Checkable().Does(Toggle),
    // Plain menus here: the option keeps its mark.
    Row(&M::CoolMenu1, VELMOR_TEXT("Cool Menu")).In(&M::View1).Checkable().Does(Toggle),
    Row(&M::CoolMouse, VELMOR_TEXT("Cool Mouse"))
        .In(&M::View1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.CoolMouseClick(); }),
    Row(&M::CoolStatus, VELMOR_TEXT("Cool Status")).In(&M::View1).Checkable().Does(Toggle),
    // Configuration: options that take effect at the next deal, shuffle or start.
    Row(&M::Configuration1, VELMOR_TEXT("&Configuration")).In(&M::VO),
    Row(&M::Winnable, VELMOR_TEXT("Winnable Layouts (in at least one way)"))
        .In(&M::Configuration1)
        .Checkable()
        .Does(Toggle),
    Row(&M::Shuffable, VELMOR_TEXT("Winnable Shuffles (in at least one way)"))
        .In(&M::Configuration1)
        .Checkable()
        .Does(Toggle),
    Row(&M::Animate, VELMOR_TEXT("Animate Board while building the tiles"))
        .In(&M::Configuration1)
        .Checkable()
        .Does(Toggle),
    Row(&M::AnimateTileRivers, VELMOR_TEXT("Animate Tile Rivers in Voverizo Dadazu"))
        .In(&M::Configuration1)
        .Checkable()
        .Does(Toggle),
    Row(&M::EnableHall, VELMOR_TEXT("Enable time tracking for the Hall of fame"))
        .In(&M::Configuration1)
        .AfterSeparator()
        .Checkable()
        .Does(Toggle),
    Row(&M::WatchWinnability, VELMOR_TEXT("Watch Winnability"))
        .In(&M::Configuration1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem& i) {
          i.Toggle();
          g.Solver.PositionChanged();
        }),
    Row(&M::PlayMusic, VELMOR_TEXT("Play music"))
        .In(&M::Configuration1)
        .AfterSeparator()
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.Tunes.PlayMusicClick(); }),
    Row(&M::PlaySounds, VELMOR_TEXT("Play sound effects"))
        .In(&M::Configuration1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem& i) {
          i.Toggle();
          if (i.Checked()) g.platform.PrepareSound();
        }),
    Row(&M::StartMusic, VELMOR_TEXT("Run music automatically at startup"))
        .In(&M::Configuration1)
        .Checkable()
        .Does(Toggle),
    // The volumes' steps come with SoundLevels, each wired as it is made.
    Row(&M::MusicVolume, VELMOR_TEXT("Music &Volume")).In(&M::Configuration1),
    Row(&M::EffectsVolume, VELMOR_TEXT("E&ffects Volume")).In(&M::Configuration1),
    Row(&M::StartDirectly, VELMOR_TEXT("Begin game directly at startup"))
        .In(&M::Configuration1)
        .AfterSeparator()
        .Checkable()
        .Does(Toggle),
    Row(&M::ResumeLastGame, VELMOR_TEXT("Resume Last Game")).In(&M::Configuration1).Checkable().Does(Toggle),
    Row(&M::Res800, VELMOR_TEXT("Switch to 800x600 at startup")).In(&M::Configuration1).Checkable().Does(Toggle),
    // The player's name and the seed are set in the help window's options.
    Row(&M::Changeplayername, VELMOR_TEXT("&Player Name"))
        .In(&M::Configuration1)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoOptions); }),
    Row(&M::RandomSeed1, VELMOR_TEXT("Random Seed"))
        .In(&M::Configuration1)
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoOptions); }),
    // Its entries come with the language choice.
    Row(&M::Language1, VELMOR_TEXT("Language")).In(&M::Configuration1).AfterSeparator(),
    // Highlight, tileset and background: one choice each.
    Row(&M::HighlightMenu, VELMOR_TEXT("Hi&ghlight")).In(&M::VO),
    Row(&M::Highlight1, VELMOR_TEXT("None"))
        .In(&M::HighlightMenu)
        .Radio(1)
        .Does([](TVelmor& g, MenuItem&) { g.Highlights.None(); }),
    Row(&M::Highlight2, VELMOR_TEXT("Red Rectangle"))
        .In(&M::HighlightMenu)
        .Radio(1)
        .Does([](TVelmor& g, MenuItem& i) { g.Highlights.Frame(i); }),
    Row(&M::Highlight3, VELMOR_TEXT("Colored Tile"))
        .In(&M::HighlightMenu)
        .Radio(1)
        .Does([](TVelmor& g, MenuItem&) { g.Highlights.ColouredTile(); }),
    Row(&M::Highlight4, VELMOR_TEXT("Green Rectangle"))
        .In(&M::HighlightMenu)
        .Radio(1)
        .Does([](TVelmor& g, MenuItem& i) { g.Highlights.Frame(i); }),
    Row(&M::Highlight5, VELMOR_TEXT("Blue Rectangle"))
        .In(&M::HighlightMenu)
        .Radio(1)
        .Does([](TVelmor& g, MenuItem& i) { g.Highlights.Frame(i); }),
    Row(&M::Tileset1, VELMOR_TEXT("Tileset")).In(&M::VO),
    Row(&M::Load1, VELMOR_TEXT("Load from disk"))
        .In(&M::Tileset1)
        .Radio(2)
        .Does([](TVelmor& g, MenuItem&) { g.Looks.Load1Click(); }),
    Row(&M::MahJongg1, VELMOR_TEXT("Orange borders"))
        .In(&M::Tileset1)
        .AfterSeparator()
        .Radio(2)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }),
    Row(&M::MahJongg2, VELMOR_TEXT("Dark borders"))
        .In(&M::Tileset1)
        .Radio(2)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }),
    Row(&M::MahJongg3, VELMOR_TEXT("Blue borders"))
        .In(&M::Tileset1)
        .Radio(2)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }),
    Row(&M::Lowcolor1, VELMOR_TEXT("Few Colors"))
        .In(&M::Tileset1)
        .Radio(2)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }),
    Row(&M::HighContrast1, VELMOR_TEXT("High Contrast"))
        .In(&M::Tileset1)
        .Radio(2)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInTilesetClick(i); }),
    Row(&M::Background1, VELMOR_TEXT("Background")).In(&M::VO),
    Row(&M::LoadBackground, VELMOR_TEXT("Load from disk"))
        .In(&M::Background1)
        .Radio(3)
        .Does([](TVelmor& g, MenuItem&) { g.Looks.LoadBackgroundClick(); }),
    Row(&M::None1, VELMOR_TEXT("None"))
        .In(&M::Background1)
        .AfterSeparator()
        .Radio(3)
        .Does([](TVelmor& g, MenuItem&) { g.Looks.None1Click(); }),
    Row(&M::Dragons1, VELMOR_TEXT("&Dragons"))
        .In(&M::Background1)
        .Radio(3)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInBackgroundClick(i); }),
    Row(&M::Andromeda, VELMOR_TEXT("Andromeda"))
        .In(&M::Background1)
        .Radio(3)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInBackgroundClick(i); }),
    Row(&M::Kanji1, VELMOR_TEXT("&Kanji (classic)"))
        .In(&M::Background1)
        .Radio(3)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInBackgroundClick(i); }),
    Row(&M::Catpats, VELMOR_TEXT("Catpats"))
        .In(&M::Background1)
        .Radio(3)
        .Does([](TVelmor& g, MenuItem& i) { g.Looks.BuiltInBackgroundClick(i); }),
    // "Random Music", a separator, then one entry per tune.
    Row(&M::Music, VELMOR_TEXT("M&usic")).In(&M::VO).ListBelow(),
    Row(&M::RandomMusic, VELMOR_TEXT("Random Music"))
        .In(&M::Music)
        .Checkable()
        .Does([](TVelmor& g, MenuItem&) { g.Tunes.RandomMusicClick(); }),
    // Help, the tiles, the options and the Hall of Fame: all in the help window.
    Row(&M::Help1, VELMOR_TEXT("&Help")).In(&M::VO),
    Row(&M::Contents1, VELMOR_TEXT("&Contents"), "F1")
        .In(&M::Help1)
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Help); }),
    Row(&M::WhatsNew1, VELMOR_TEXT("What's New"))
        .In(&M::Help1)
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Whatsnew); }),
    Row(&M::French1, VELMOR_TEXT("French Help"))
        .In(&M::Help1)
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Francais); }),
    Row(&M::ViewTiles1, VELMOR_TEXT("View Tiles"))
        .In(&M::Help1)
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::SeeTiles); }),
    Row(&M::Halloffame1, VELMOR_TEXT("&Hall of Fame"), "F10")
        .In(&M::Help1)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoHall); })
        .Shows(&M::HallFameButton),
    Row(&M::Statistics1, VELMOR_TEXT("&Statistics"))
        .In(&M::Help1)
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoStatistics); }),
    // No key: F11 is the desktop's key for full screen.
    Row(&M::About1, VELMOR_TEXT("&About..."))
        .In(&M::Help1)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Hello); })
        .Shows(&M::AboutButton),

    // The toolbar.
    Row(&M::Tools, ""),
    Row(&M::ExplorerButton1, VELMOR_TEXT("New"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("New game"))
        .Does([](TVelmor& g, MenuItem&) { g.NewGame(); }),
    Row(&M::ExplorerButton2, VELMOR_TEXT("Back"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Undo move"))
        .Does([](TVelmor& g, MenuItem&) { g.Back(); })
        .When(&PlayCommands::back),
    Row(&M::RedoButton, VELMOR_TEXT("Redo"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Redo move"))
        .Does([](TVelmor& g, MenuItem&) { g.Undo.Redo(); })
        .When(&PlayCommands::redo),
    Row(&M::ExplorerButton3, VELMOR_TEXT("Hint"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Show possible moves"))
        .Does([](TVelmor& g, MenuItem&) { g.Hint(); })
        .When(&PlayCommands::hint),
    Row(&M::ShuffleButton, VELMOR_TEXT("Shuffle"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Shuffle tiles"))
        .Does([](TVelmor& g, MenuItem&) { g.Shuffle1Click(); })
        .When(&PlayCommands::shuffle),
    Row(&M::PauseButton, VELMOR_TEXT("Pause"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Pause game"))
        .Does([](TVelmor& g, MenuItem&) { g.PauseClick(); }),
    Row(&M::SetMusic, VELMOR_TEXT("Music"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Pause music"))
        .Does([](TVelmor& g, MenuItem&) { g.Tunes.SetMusicClick(); }),
    Row(&M::HelpButton, VELMOR_TEXT("Help"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Help"))
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Help); }),
    Row(&M::AboutButton, VELMOR_TEXT("About"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("About Velmor"))
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::Hello); }),
    Row(&M::HallFameButton, VELMOR_TEXT("Hall of Fame"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Hall of Fame"))
        .Does([](TVelmor& g, MenuItem&) { g.CallHelp(HelpPage::GoHall); }),
    Row(&M::ExitButton, VELMOR_TEXT("Exit"))
        .In(&M::Tools)
        .Hint(VELMOR_TEXT("Quit Velmor"))
        .Does([](TVelmor& g, MenuItem&) { g.platform.CloseMainWindow(); }),
    // Shown while the watch is on; its hint says what its mark means.
    Row(&M::WinnableMark, "").In(&M::Tools).Hidden().Does([](TVelmor& g, MenuItem&) { g.Solver.CanIStillWin(); }),
    // The New button's pop-up.
    Row(&M::NewPopup, ""),
    Row(&M::Solitaire1player1, VELMOR_TEXT("Solitaire (1-player)"))
        .In(&M::NewPopup)
        .Does([](TVelmor& g, MenuItem&) { g.RandomSolitaireGame1Click(); }),
    Row(&M::Solitaire2player1, VELMOR_TEXT("Solitaire (2-player)"))
        .In(&M::NewPopup)
        .Does([](TVelmor& g, MenuItem&) { g.TwoPlayers(); }),
    Row(&M::MJRiversEasy1, VELMOR_TEXT("MJ Rivers (Easy)"))
        .In(&M::NewPopup)
        .Does([](TVelmor& g, MenuItem&) { g.FourRivers(false); }),
    Row(&M::MJRiversHard1, VELMOR_TEXT("MJ Rivers (Hard)"))
        .In(&M::NewPopup)
        .Does([](TVelmor& g, MenuItem&) { g.FourRivers(true); }),

    // The status line: four captions and four values; two captions switch what their value shows.
    Row(&M::LigneStatus, ""),
    Row(&M::TilesLeftPanel, VELMOR_TEXT("Tiles")).In(&M::LigneStatus),
    Row(&M::TilesLeftLine, "--").In(&M::LigneStatus),
    Row(&M::MovesLeftPanel, VELMOR_TEXT("Moves left"))
        .In(&M::LigneStatus)
        .Does([](TVelmor& g, MenuItem&) { g.NStatus(); }),
    Row(&M::MovesLeftLine, "--").In(&M::LigneStatus),
    Row(&M::TimePanel, VELMOR_TEXT("Time")).In(&M::LigneStatus).Does([](TVelmor& g, MenuItem&) { g.ShowTimeClick(); }),
    Row(&M::TimeLine, "--:--").In(&M::LigneStatus),
    Row(&M::StatusPanel, VELMOR_TEXT("Status")).In(&M::LigneStatus),
    Row(&M::StatusText, " ").In(&M::LigneStatus),
    // The Hall of Fame side panel: its visibility.
    Row(&M::HofBox, ""),

    // The layout editor: its own menu bar, shown instead of VO while editing, ...
    Row(&M::EditorMenu, "").Hidden(),
    Row(&M::EditorExit, VELMOR_TEXT("Exit")).In(&M::EditorMenu),
    Row(&M::Save1, VELMOR_TEXT("Save"))
        .In(&M::EditorExit)
        .Does([](TVelmor& g, MenuItem& i) { g.Editor.SaveAndExit(i); }),
    Row(&M::SaveAs1, VELMOR_TEXT("Save as..."))
        .In(&M::EditorExit)
        .Does([](TVelmor& g, MenuItem& i) { g.Editor.SaveAndExit(i); }),
    Row(&M::TryIt1, VELMOR_TEXT("Try it"))
        .In(&M::EditorExit)
        .Does([](TVelmor& g, MenuItem& i) { g.Editor.SaveAndExit(i); }),
    Row(&M::Cancel2, VELMOR_TEXT("Exit"))
        .In(&M::EditorExit)
        .AfterSeparator()
        .Does([](TVelmor& g, MenuItem&) { g.Editor.Cancel(); }),
    Row(&M::MoveBoard1, VELMOR_TEXT("Move Board")).In(&M::EditorMenu),
    Row(&M::Movetoleft1, VELMOR_TEXT("Move to left <"), "Ctrl+S")
        .In(&M::MoveBoard1)
        .Does([](TVelmor& g, MenuItem&) { g.Editor.Move(-1, 0); }),
    Row(&M::Movetoright1, VELMOR_TEXT("Move to right >"), "Ctrl+D")
        .In(&M::MoveBoard1)
        .Does([](TVelmor& g, MenuItem&) { g.Editor.Move(1, 0); }),
    Row(&M::Movetotop1, VELMOR_TEXT("Move to top /\\"), "Ctrl+E")
        .In(&M::MoveBoard1)
        .Does([](TVelmor& g, MenuItem&) { g.Editor.Move(0, -1); }),
    Row(&M::Movetobottom1, VELMOR_TEXT("Move to bottom \\/"), "Ctrl+X")
        .In(&M::MoveBoard1)
        .Does([](TVelmor& g, MenuItem&) { g.Editor.Move(0, 1); }),
    // ... and its panel, in place of the toolbar: the tiles left to place and the layout's name.
    Row(&M::EditorPanel, "").Hidden(),
    Row(&M::Label40, "144").In(&M::EditorPanel),
    Row(&M::Edit1, "").In(&M::EditorPanel),  // the layout's name, as typed
};
// clang-format on
}  // namespace

std::span<const Command> Commands() { return CommandRows; }

void TVelmor::BuildMenus() {
  for (const Command& command : Commands())
    if (command.run) Menus.Of(command).OnClick([this, run = command.run](MenuItem& item) { run(*this, item); });
  // The defaults of a first start, before any settings are read.
  VelmorSettings(*this).ApplyDefaults();
}

void TVelmor::UpdateCommands() {
  const PlayCommands can = CommandsFor(Current);
  for (const Command& command : Commands())
    if (command.enabled) Menus.Of(command).SetEnabled(can.*command.enabled);
}

}  // namespace velmor
