// The port for a program without a window: no dialogs, messages go to standard error.
#pragma once

#include "shell/Platform.h"

namespace velmor {

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
  bool LoadBitmap(const std::string& path, Picture& out, std::string& error) override;
  void PresentBoard(const Picture&, const Rect&) override {}

  bool errorShown = false;
};

}  // namespace velmor
