// A platform for tests: a clock moved by hand, scripted dialog answers, and records of what the
// game showed.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/Platform.h"

namespace velmor {

// A music player that plays nothing: the test moves the position by hand.
class FakeMediaPlayer : public MediaPlayer {
 public:
  std::string opened;  // path of the tune open, empty when none
  bool playing = false, failOpen = false;
  long long start = 0, length = 1000, position = 0;
  std::vector<std::string> log;  // calls, in order

  bool Open(const std::string& path, std::string& error) override {
    log.push_back("open " + path.substr(path.rfind('/') + 1));
    if (failOpen) {
      error = "no tune device";
      return false;
    }
    opened = path;
    position = 0;
    playing = false;
    return true;
  }
  void Close() override {
    log.push_back("close");
    opened.clear();
    playing = false;
  }
  bool IsOpen() const override { return !opened.empty(); }
  void Play() override {
    log.push_back("play");
    playing = IsOpen();
  }
  void Stop() override {
    log.push_back("stop");
    playing = false;
  }
  void PauseResume() override {
    log.push_back("pause");
    playing = !playing && IsOpen();
  }
  void Rewind() override {
    log.push_back("rewind");
    position = start;
  }
  long long Start() const override { return start; }
  long long Length() const override { return length; }
  long long Position() const override { return position; }
  double volume = 1;
  void SetVolume(double v) override { volume = v; }
  bool noDevice = false;
  bool NoDevice() const override { return noDevice; }
};

class FakePlatform : public Platform {
 public:
  uint32_t tick = 1000;
  uint32_t timeOfDay = 12345678;                       // ms since midnight UTC
  std::deque<bool> confirmAnswers;                     // empty: every question is answered OK
  std::deque<std::optional<std::string>> saveAnswers;  // empty: the dialog is cancelled
  std::deque<std::optional<std::string>> openAnswers;

  struct Question {
    std::string caption, text;
  };
  std::vector<Question> questions;
  std::vector<std::string> messages, errors;
  std::vector<FileDialogRequest> saveDialogs, openDialogs;
  int processed = 0;
  std::map<std::string, Picture> bitmaps;  // what LoadBitmap finds, by path
  Picture screen{704, 468};                // the board image as the player sees it
  std::vector<Rect> presented;
  int screenWidth = 1280, screenHeight = 1024;
  int toolbarHeight = 33, statusBarHeight = 19;
  struct Placement {
    int left = 0, top = 0, width = 0, height = 0;
  } window;
  bool displayModeAvailable = false;
  int modeChanges = 0, modeRestores = 0;
  int cursor = -1;
  bool closed = false;
  Picture panel{92, 468};           // the side panel as the player sees it
  std::vector<std::string> sounds;  // wave files played, in order
  double effectsVolume = 1;
  std::vector<std::string> popups;  // pop-up menus opened

  uint32_t TickCount() override { return tick; }
  uint32_t UtcMillisecondOfDay() override { return timeOfDay; }
  bool Confirm(const std::string& caption, const std::string& text) override {
    questions.push_back({caption, text});
    if (confirmAnswers.empty()) return true;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& r) override {
    saveDialogs.push_back(r);
    return Next(saveAnswers);
  }
  std::optional<std::string> OpenPictureDialog(const FileDialogRequest& r) override {
    openDialogs.push_back(r);
    return Next(openAnswers);
  }
  void ProcessMessages() override { ++processed; }
  int pacedMs = 0;
  void Pace(int milliseconds) override { pacedMs += milliseconds; }
  bool LoadBitmap(const std::string& path, Picture& out, std::string& error) override {
    const auto it = bitmaps.find(path);
    if (it == bitmaps.end()) {
      error = "not a bitmap picture";
      return false;
    }
    out = it->second;
    return true;
  }
  int ScreenWidth() override { return screenWidth; }
  int ScreenHeight() override { return screenHeight; }
  int ToolbarHeight() override { return toolbarHeight; }
  int StatusBarHeight() override { return statusBarHeight; }
  void PlaceWindow(int left, int top, int width, int height) override { window = {left, top, width, height}; }
  void WindowPlacement(int& left, int& top, int& width, int& height) override {
    left = window.left;
    top = window.top;
    width = window.width;
    height = window.height;
  }
  bool ChangeDisplayMode(int width, int height, bool testOnly) override {
    if (!displayModeAvailable) return false;
    if (!testOnly) {
      ++modeChanges;
      screenWidth = width;
      screenHeight = height;
    }
    return true;
  }
  void RestoreDisplayMode() override { ++modeRestores; }
  void SetCursor(int c) override { cursor = c; }
  void CloseMainWindow() override { closed = true; }
  WindowShape shape;
  WindowShape CurrentWindowShape() override { return shape; }
  bool fullScreen = false;
  std::string title;
  void SetWindowTitle(const std::string& t) override { title = t; }
  void SetFullScreen(bool on) override { fullScreen = on; }
  std::string documents;
  std::string DocumentsFolder() override { return documents; }
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& r) override {
    openDialogs.push_back(r);
    return Next(openAnswers);
  }
  bool deadEndShown = false;
  void ShowDeadEnd(bool shown) override { deadEndShown = shown; }
  std::string systemLanguage;          // what the locale settings ask for
  std::vector<std::string> languages;  // every language the window was told to speak
  std::set<std::string> missingCatalogues;
  std::string SystemLanguage() override { return systemLanguage; }
  bool UseLanguage(const std::string& code, const std::string&, std::string& error) override {
    if (missingCatalogues.count(code)) {
      error = "no catalogue for " + code;
      return false;
    }
    languages.push_back(code);
    return true;
  }
  void PresentPanel(const Picture& picture, const Rect& area) override {
    BitBlt(panel, area.left, area.top, area.width(), area.height(), picture, area.left, area.top, RasterOp::SRCCOPY);
  }
  void PopupMenu(MenuItem& menu, const MenuItem&) override { popups.push_back(menu.Name()); }
  struct Text {
    int x, y;
    std::string text;
    TextStyle style;
    uint32_t colour;
  };
  std::vector<Text> texts;  // text drawn into pictures, in order
  int helpShown = 0;
  std::function<void()> onHelp;  // what the player does while the help window is open
  void DrawText(Picture& picture, int x, int y, const std::string& text, const TextStyle& style,
                uint32_t colour) override {
    texts.push_back({x, y, text, style, colour});
    // A mark the tests can see: one pixel of the colour at the text's corner.
    if (x >= 0 && y >= 0 && x < picture.width() && y < picture.height()) picture.set(x, y, colour);
  }
  void ShowHelp() override {
    ++helpShown;
    if (onHelp) onHelp();
  }
  FakeMediaPlayer media;
  MediaPlayer& Media() override { return media; }
  void PlayWave(const std::string& path) override { sounds.push_back(path.substr(path.rfind('/') + 1)); }
  int soundsPrepared = 0;
  void PrepareSound() override { ++soundsPrepared; }
  void SetEffectsVolume(double volume) override { effectsVolume = volume; }
  void PresentBoard(const Picture& picture, const Rect& area) override {
    presented.push_back(area);
    BitBlt(screen, area.left, area.top, area.width(), area.height(), picture, area.left, area.top, RasterOp::SRCCOPY);
  }

 private:
  static std::optional<std::string> Next(std::deque<std::optional<std::string>>& q) {
    if (q.empty()) return std::nullopt;
    auto v = q.front();
    q.pop_front();
    return v;
  }
};

}  // namespace velmor
