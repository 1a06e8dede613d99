// The port for a program without a window: no dialogs, messages go to standard error.
#pragma once

#include "shell/Platform.h"

namespace velmor {

// The clock seed of a deal: the UTC time of day in milliseconds.
uint32_t UtcMillisecondOfDayNow();

class CliPlatform : public Platform {
 public:
  uint32_t TickCount() override;
  uint32_t UtcMillisecondOfDay() override;
  bool Confirm(const std::string& caption, const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> OpenPictureDialog(const FileDialogRequest&) override { return std::nullopt; }
  void ProcessMessages() override {}
  void Pace(int) override {}
  bool LoadBitmap(const std::string& path, Picture& out, std::string& error) override;
  void PresentBoard(const Picture&, const Rect&) override {}
  // No screen here: the board origin of a screen at least 800 pixels wide.
  int ScreenWidth() override { return 1024; }
  int ScreenHeight() override { return 768; }
  int ToolbarHeight() override { return 0; }
  int StatusBarHeight() override { return 0; }
  void PlaceWindow(int, int, int, int) override {}
  void WindowPlacement(int& l, int& t, int& w, int& h) override { l = t = w = h = 0; }
  bool ChangeDisplayMode(int, int, bool) override { return false; }
  void RestoreDisplayMode() override {}
  void SetCursor(int) override {}
  void CloseMainWindow() override {}
  void PresentPanel(const Picture&, const Rect&) override {}
  void PopupMenu(MenuItem&, const MenuItem&) override {}
  void PlayWave(const std::string&) override {}
  void SetEffectsVolume(double) override {}
  void DrawText(Picture&, int, int, const std::string&, const TextStyle&, uint32_t) override {}
  void ShowHelp() override {}
  MediaPlayer& Media() override { return media_; }

 private:
  SilentMediaPlayer media_;

 public:
  bool errorShown = false;
};

}  // namespace velmor
