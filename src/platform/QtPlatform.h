// The port on Qt: the real clock, dialogs, message boxes, the screen and the main window.
#pragma once

#include <QElapsedTimer>

#include "base/Say.h"
#include "platform/Audio.h"
#include "platform/KeptArtwork.h"
#include "shell/Platform.h"

namespace velmor {

class MainWindow;

class QtPlatform : public Platform {
  VELMOR_SPEAKS(velmor)

 public:
  QtPlatform();
  void SetWindow(MainWindow* window) { window_ = window; }

  uint32_t TickCount() override;
  uint32_t UtcMillisecondOfDay() override;
  bool Confirm(const std::string& caption, const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> OpenPictureDialog(const FileDialogRequest& request) override;
  void ProcessMessages() override;
  void Pace(int milliseconds) override;
  bool LoadBitmap(const std::string& path, Picture& out, std::string& error) override;
  void PresentBoard(const Picture& picture, const Rect& area) override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  double ScreenPixelRatio() override;
  int ToolbarHeight() override;
  int StatusBarHeight() override;
  void PlaceWindow(int left, int top, int width, int height) override;
  void WindowPlacement(int& left, int& top, int& width, int& height) override;
  bool ChangeDisplayMode(int width, int height, bool testOnly) override;
  void RestoreDisplayMode() override {}
  void SetCursor(int cursor) override;
  void CloseMainWindow() override;
  WindowShape CurrentWindowShape() override;
  void SetFullScreen(bool on) override;
  void SetWindowTitle(const std::string& title) override;
  std::string DocumentsFolder() override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  void ShowDeadEnd(bool shown) override;
  int ChooseLayout(const LayoutChooserModel& model) override;
  void ShowPresented() override;
  void PresentPanel(const Picture& picture, const Rect& area) override;
  void CursorMoved(int tile) override;
  void PopupMenu(MenuItem& menu, const MenuItem& below) override;
  void PlayWave(const std::string& path) override;
  void PrepareSound() override { audio_.Prepare(); }
  void SetEffectsVolume(double volume) override { audio_.SetEffectsVolume(volume); }
  void DrawText(Picture& picture, int x, int y, const std::string& text, const TextStyle& style,
                uint32_t colour) override;
  void ShowHelp() override;
  MediaPlayer& Media() override { return audio_; }
  ArtworkStore* KeptLooks() override { return &keptLooks_; }
  bool WritesInBackground() override { return true; }
  std::string SystemLanguage() override;
  bool UseLanguage(const std::string& code, const std::string& folder, std::string& error) override;
  std::string Translate(const std::string& english) override;

 private:
  MainWindow* window_ = nullptr;
  bool technoCursor_ = false;
  Audio audio_;
  KeptArtwork keptLooks_;
};

// "Description (*.a; *.b)|*.a;*.b" pairs as Qt's "Description (*.a *.b)" filters.
QString QtFilter(const std::string& filter);

}  // namespace velmor
