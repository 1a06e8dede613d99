// Everything the game asks of the operating system. The Qt side implements it for the real
// window; tests use a fake with a hand-driven clock and scripted answers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Say.h"
#include "display/ArtworkStore.h"
#include "display/Picture.h"
#include "shell/MenuItem.h"

namespace velmor {

class LayoutChooserModel;

struct FileDialogRequest {
  std::string title;
  std::string filter;                    // "Description (*.ext)|*.ext" pairs separated by '|'
  std::string initialFolder;             // ends with '/'
  std::vector<std::string> hidden = {};  // files the game keeps for itself, never listed
};

// The music player: one MIDI tune at a time. Positions and lengths are in the tune's ticks.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;
  // Opens a tune (closing the one open); false with a reason when it cannot be read or played.
  virtual bool Open(const std::string& path, std::string& error) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual void Play() = 0;         // from the current position
  virtual void Stop() = 0;         // stops playing and keeps the position
  virtual void PauseResume() = 0;  // pauses a playing tune, resumes a paused one
  virtual void Rewind() = 0;       // back to the start
  virtual long long Start() const = 0;
  virtual long long Length() const = 0;
  virtual long long Position() const = 0;
  // The music's loudness from now on, the tune playing included: a share of the full amplitude,
  // 0 (silent) to 1 (the game's own level). It lasts across tunes and before the first one.
  virtual void SetVolume(double volume) = 0;
  // True when there is no sound device at all: the game then stays quiet without telling.
  virtual bool NoDevice() const { return false; }
};

// For a program without sound: nothing opens, nothing plays.
class SilentMediaPlayer : public MediaPlayer {
 public:
  VELMOR_SPEAKS(velmor)

  bool Open(const std::string&, std::string& error) override {
    error = VELMOR_TEXT("there is no sound here");
    return false;
  }
  void Close() override {}
  bool IsOpen() const override { return false; }
  void Play() override {}
  void Stop() override {}
  void PauseResume() override {}
  void Rewind() override {}
  long long Start() const override { return 0; }
  long long Length() const override { return 0; }
  long long Position() const override { return 0; }
  void SetVolume(double) override {}
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The millisecond tick counter: 32 bits, wraps after about 49.7 days.
  virtual uint32_t TickCount() = 0;
  // Milliseconds since midnight UTC, 0 .. 86 399 999.
  virtual uint32_t UtcMillisecondOfDay() = 0;

  // A question with OK and Cancel; true for OK.
  virtual bool Confirm(const std::string& caption, const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void ShowError(const std::string& text) = 0;

  // Empty when the player cancels.
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> OpenPictureDialog(const FileDialogRequest& request) = 0;

  // Lets pending window events run, so a change shows before a long operation goes on.
  virtual void ProcessMessages() = 0;
  // Puts what was presented on screen now, then waits: one step of an animation. Nothing else
  // runs meanwhile, so the game is never re-entered in the middle of a step.
  virtual void Pace(int milliseconds) = 0;

  // Reads a bitmap file into `out` (the picture takes the file's size). False with a reason.
  virtual bool LoadBitmap(const std::string& path, Picture& out, std::string& error) = 0;

  // Copies `area` of `picture` onto the same place of the board image on screen.
  virtual void PresentBoard(const Picture& picture, const Rect& area) = 0;
  // What was presented goes to the screen now, not after the rest of the handler: a pair taken
  // is seen before its sound, its save and the checks that follow it.
  virtual void ShowPresented() {}

  // The screen, and the main window placed on it. The window's size is given as the size of
  // its content: board picture (and side panel) plus the toolbar and status line shown.
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  virtual double ScreenPixelRatio() { return 1; }  // device pixels per unit of the two above
  virtual int ToolbarHeight() = 0;
  virtual int StatusBarHeight() = 0;
  virtual void PlaceWindow(int left, int top, int width, int height) = 0;
  virtual void WindowPlacement(int& left, int& top, int& width, int& height) = 0;
  // Switches the screen to another mode for this run; false when it cannot (or, with
  // `testOnly`, would not) be done.
  virtual bool ChangeDisplayMode(int width, int height, bool testOnly) = 0;
  virtual void RestoreDisplayMode() = 0;
  // 0: the default pointer; 21: the program's own "TECHNO" pointer.
  virtual void SetCursor(int cursor) = 0;
  // Copies `area` of `picture` onto the same place of the side panel on screen.
  virtual void PresentPanel(const Picture& picture, const Rect& area) = 0;
  // Opens a pop-up menu just below the toolbar button `below`.
  virtual void PopupMenu(MenuItem& menu, const MenuItem& below) = 0;
  // Draws text with its top-left corner at (x, y) in the named font, background untouched.
  struct TextStyle {
    std::string family;
    int pointSize = 10;
    bool bold = false, italic = false;
  };
  virtual void DrawText(Picture& picture, int x, int y, const std::string& text, const TextStyle& style,
                        uint32_t colour) = 0;
  // Shows the help window modally; returns when the player closes it.
  virtual void ShowHelp() = 0;
  // The music player; every call is harmless when there is no sound device.
  virtual MediaPlayer& Media() = 0;
  // Plays a wave file without waiting; a new sound cuts off the one playing.
  virtual void PlayWave(const std::string& path) = 0;
  // Gets the sound ready in the background (what can be, short of holding the device open), so
  // that the first effect is not kept waiting.
  virtual void PrepareSound() {}
  // The loudness of the effects started from now on, as for MediaPlayer::SetVolume.
  virtual void SetEffectsVolume(double volume) = 0;
  virtual void CloseMainWindow() = 0;

  // The window's shape beyond its place, as the settings keep it: a size the player chose (0 x 0
  // for the natural size) and whether it is maximised. Full screen is an option of its own.
  struct WindowShape {
    int width = 0, height = 0;
    bool maximized = false;
  };
  virtual WindowShape CurrentWindowShape() { return {}; }
  virtual void SetFullScreen(bool) {}
  virtual void SetWindowTitle(const std::string&) {}
  // The player's documents folder, ending in '/' (their home when they have none).
  virtual std::string DocumentsFolder() { return {}; }
  // A file to read that is not a picture (a saved game); empty when the player cancels.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest&) { return std::nullopt; }
  // The notice over the board that no move is left, with the ways on; false takes it away.
  virtual void ShowDeadEnd(bool) {}
  // Shows the layout chooser over the model's rows modally: the number of the layout the player
  // picked, or 0 when the chooser was closed without one.
  virtual int ChooseLayout(const LayoutChooserModel&) { return 0; }
  // The keyboard's cursor now frames `tile` (0: none), for a screen reader to follow.
  virtual void CursorMoved(int) {}

  // The language the locale settings ask for ("de_DE.UTF-8", "pt_BR"; "" when none is set).
  virtual std::string SystemLanguage() { return {}; }
  // From now on the window speaks `code` ("en", "de", "pt_BR") from the catalogues in `folder`;
  // false with a reason when its catalogue cannot be read.
  virtual bool UseLanguage(const std::string& /*code*/, const std::string& /*folder*/, std::string& /*error*/) {
    return true;
  }
  // A text in the language the window speaks, for what the core shapes itself (the status line
  // scrolls its message a character at a time).
  virtual std::string Translate(const std::string& english) { return english; }
  // Whether the files the game keeps as it goes are written on a thread of their own; a test's
  // platform writes them at once, where it can look at them.
  virtual bool WritesInBackground() { return false; }
  // Where pictures made from artwork at a large scale are kept between runs; none: made each time.
  virtual ArtworkStore* KeptLooks() { return nullptr; }
};

}  // namespace velmor
